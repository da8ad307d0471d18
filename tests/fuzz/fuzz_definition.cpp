// libFuzzer harness: any bytes as a definition file. The reader must take them, the writer's
// text must read back to the same text once it is written again, and every item's command
// lines must keep the properties of check_item.h in both dialects.

#include "check_item.h"
#include "data/definition_file.h"

#include <cstdint>
#include <ctime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tovalo;
    const ReadResult doc = parseDefinitionText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!doc.ok || doc.items.size() != doc.itemLines.size())
        fuzzcheck::fail("the reader refused bytes or lost an item's line", {}, doc.error);
    for (const CDpctData& item : doc.items)
        fuzzcheck::checkItem(item);

    std::tm date{};
    date.tm_year = 126;
    date.tm_mday = 1;
    std::string first, second, third, error;
    if (!formatDefinitionText(doc.items, date, "\n", first, error))
        return 0; // a line break in a path or value: refused, as it must be
    // The first write drops what cannot be kept (a choice outside its list); after that the
    // text must be a fixed point of reading and writing.
    const ReadResult again = parseDefinitionText(first);
    if (!formatDefinitionText(again.items, date, "\n", second, error))
        fuzzcheck::fail("the writer refused its own text read back", first, error);
    const ReadResult third_read = parseDefinitionText(second);
    if (!formatDefinitionText(third_read.items, date, "\n", third, error) || third != second)
        fuzzcheck::fail("writing what was read changed the text", second, third);
    return 0;
}
