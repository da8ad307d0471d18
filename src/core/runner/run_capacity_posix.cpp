// Available memory on POSIX: MemAvailable of /proc/meminfo where there is one (what the kernel
// can hand out without swapping), else the free pages.

#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

namespace tovalo {

std::uint64_t availableMemoryBytes()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t kb = 0;
    std::string unit;
    while (meminfo >> key >> kb >> unit) {
        if (key == "MemAvailable:")
            return kb * 1024;
    }
    const long pages = ::sysconf(_SC_AVPHYS_PAGES);
    const long size = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && size > 0 ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(size) : 0;
}

} // namespace tovalo
