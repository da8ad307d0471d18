#pragma once
// How many consoles a run uses when the user leaves it to Tovalo ("automatic").

#include <cstdint>

namespace tovalo {

/// The memory one dpct run is given room for when the number is automatic.
inline constexpr std::uint64_t kMemoryPerConversion = 2ULL << 30;

/// Automatic: `processors` (logical), at most `availableBytes` / kMemoryPerConversion, at least 1,
/// at most 64.
int automaticConsoleCount(unsigned processors, std::uint64_t availableBytes);

/// automaticConsoleCount for this machine now.
int automaticConsoleCount();

/// The setting made a number: 0 (automatic) through automaticConsoleCount(), else clamped to 1..64.
int consoleCountFor(int setting);

} // namespace tovalo
