// Available memory on Windows: the physical memory the system can hand out now.

#include <windows.h>

#include <cstdint>

namespace tovalo {

std::uint64_t availableMemoryBytes()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : 0;
}

} // namespace tovalo
