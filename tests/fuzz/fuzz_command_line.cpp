// libFuzzer harness: the bytes describe one item directly (which options are on, the choice
// indices, then the path and the text values separated by 0xFF), so the fuzzer reaches every
// option kind with any text, including line breaks and values a definition file cannot hold.

#include "check_item.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tovalo;
    constexpr std::size_t kHeader = 5 + kChoiceFieldCount;
    if (size < kHeader)
        return 0;
    CDpctData item;
    for (const OptionInfo& o : optionTable()) {
        const int bit = o.slot - kFirstOptionSlot;
        item.setOn(o.slot, (data[bit / 8] >> (bit % 8)) & 1);
        if (o.kind == OptionKind::Choice) {
            const auto entries = static_cast<int>(valueListEntries(o.valueList).size());
            item.setChoiceIndex(o.slot, static_cast<int>(data[5 + o.field]) % (entries + 2) - 1);
        }
    }
    std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t sep = rest.find('\xFF');
        parts.emplace_back(rest.substr(0, sep));
        if (sep == std::string_view::npos)
            break;
        rest.remove_prefix(sep + 1);
    }
    item.path = parts[0];
    std::size_t next = 1;
    for (const OptionInfo& o : optionTable()) {
        if (o.kind == OptionKind::Text && next < parts.size())
            item.setText(o.slot, parts[next++]);
    }
    fuzzcheck::checkItem(item);
    return 0;
}
