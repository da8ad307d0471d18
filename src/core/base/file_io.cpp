#include "file_io.h"

// What reads and writes the same on every platform, over the platform's own functions.

namespace tovalo {

bool readWholeFile(std::string_view path, std::string& bytes, Message& error, std::size_t limit)
{
    bytes.clear();
    std::size_t size = 0;
    bool reserved = false;
    return readFilePieces(
        path, size,
        [&](std::string_view piece) {
            if (!reserved) {
                bytes.reserve(size);
                reserved = true;
            }
            bytes.append(piece);
            return true;
        },
        error, limit);
}

bool writeFileAtomically(std::string_view path, std::string_view bytes, Message& error)
{
    return writeFileAtomically(
        path, [bytes](const ByteSink& sink) { sink(bytes); }, error);
}

} // namespace tovalo
