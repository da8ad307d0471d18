#include "reg_value.h"

namespace tovalo {

RegValue regDword(std::uint32_t value)
{
    RegValue v;
    v.type = kRegDword;
    for (int i = 0; i < 4; ++i)
        v.data.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return v;
}

RegValue regBinary(std::string_view bytes)
{
    return RegValue{kRegBinary, std::string(bytes)};
}

RegValue regText(std::string_view utf8)
{
    return RegValue{kRegSz, utf16leFromUtf8(utf8)};
}

} // namespace tovalo
