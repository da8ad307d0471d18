// Colours on POSIX: only on a terminal, and not when NO_COLOR is set.

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tovalo::cli {

bool useColours(std::FILE* stream)
{
    const char* noColour = std::getenv("NO_COLOR");
    return (noColour == nullptr || *noColour == '\0') && ::isatty(::fileno(stream)) == 1;
}

} // namespace tovalo::cli
