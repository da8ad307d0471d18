// libFuzzer harness: any bytes as a definition file. The reader takes them or refuses them as
// another kind of file, the writer's text must read back to the same text (format(format(x)) ==
// format(x)), and every item's command lines must keep the properties of check_item.h in both
// dialects.

#include "check_item.h"
#include "data/definition_file.h"

#include <cstdint>
#include <ctime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tovalo;
    const ReadResult doc = parseDefinitionText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!doc.ok) {
        // Only binary data and texts without any section are refused.
        if (doc.failure != ReadFailure::Binary && doc.failure != ReadFailure::NotDefinition)
            fuzzcheck::fail("the reader refused bytes for another reason", {}, englishText(doc.error));
        return 0;
    }
    if (doc.items.size() != doc.itemLines.size())
        fuzzcheck::fail("the reader lost an item's line", {}, englishText(doc.error));
    for (const CDpctData& item : doc.items)
        fuzzcheck::checkItem(item);

    std::tm date{};
    date.tm_year = 126;
    date.tm_mday = 1;
    std::string first, second;
    Message error;
    if (!formatDefinitionText(doc.items, date, "\n", first, error))
        return 0; // a line break in a path or value: refused, as it must be
    // What was written is a fixed point of reading and writing.
    const ReadResult again = parseDefinitionText(first);
    if (!again.ok || !formatDefinitionText(again.items, date, "\n", second, error))
        fuzzcheck::fail("the writer's own text did not read back", first, englishText(error));
    if (second != first)
        fuzzcheck::fail("format(format(x)) differs from format(x)", first, second);
    return 0;
}
