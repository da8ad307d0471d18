#include "run_capacity.h"

#include <algorithm>
#include <thread>

namespace tovalo {

std::uint64_t availableMemoryBytes(); // per platform

int automaticConsoleCount(unsigned processors, std::uint64_t availableBytes)
{
    const std::uint64_t byMemory = availableBytes / kMemoryPerConversion;
    const std::uint64_t n = std::min<std::uint64_t>(processors, byMemory);
    return static_cast<int>(std::clamp<std::uint64_t>(n, 1, 64));
}

int automaticConsoleCount()
{
    return automaticConsoleCount(std::thread::hardware_concurrency(), availableMemoryBytes());
}

int consoleCountFor(int setting)
{
    return setting <= 0 ? automaticConsoleCount() : std::min(setting, 64);
}

} // namespace tovalo
