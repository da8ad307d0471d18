#pragma once
// Raw registry values: a type code and the bytes exactly as the Windows registry keeps them.
// Both settings stores (the registry itself and the registry-export file) hand values over in
// this form, so that the acceptance rules of the settings record (type, size, range) are applied
// once, in one place, to the same bytes on every platform.

#include "base/text.h" // the UTF-16LE conversions of text values

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo {

/// Registry value types (the numbers of the Windows API).
enum RegType : std::uint32_t
{
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
    kRegQword = 11,
};

struct RegValue
{
    std::uint32_t type = kRegNone;
    std::string data; ///< raw bytes; text is UTF-16LE

    bool operator==(const RegValue&) const = default;
};

/// The longest text value that is read back, in UTF-16 code units (the limit of an edit field
/// and of a long path on Windows). Longer values count as missing.
inline constexpr std::size_t kMaxTextUnits = 32767;

/// A REG_DWORD (4 bytes, little-endian).
RegValue regDword(std::uint32_t value);
/// A REG_BINARY holding `bytes`.
RegValue regBinary(std::string_view bytes);
/// A REG_SZ holding the UTF-16LE form of `utf8`, stored without a terminating NUL.
RegValue regText(std::string_view utf8);

} // namespace tovalo
