#include "base/text.h"
#include "reg_text.h"

#include <windows.h>

#include <string>

namespace tovalo {

bool encodeWithSystem(std::string_view codeSet, std::string_view text, std::string& bytes)
{
    bytes.clear();
    if (text.empty())
        return true;
    if (!codeSet.starts_with("CP") || codeSet.size() < 3)
        return false;
    UINT cp = 0;
    for (const char c : codeSet.substr(2)) {
        if (c < '0' || c > '9')
            return false;
        cp = cp * 10 + static_cast<UINT>(c - '0');
    }
    const std::string units = utf16leFromUtf8(text);
    std::wstring w(units.size() / 2, L'\0');
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] = static_cast<wchar_t>(static_cast<unsigned char>(units[2 * i]) |
                                    (static_cast<unsigned char>(units[2 * i + 1]) << 8));
    const int wlen = static_cast<int>(w.size());
    BOOL usedDefault = FALSE;
    const int blen =
        WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, w.data(), wlen, nullptr, 0, nullptr, &usedDefault);
    if (usedDefault || blen <= 0)
        return false;
    bytes.resize(static_cast<std::size_t>(blen));
    WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, w.data(), wlen, bytes.data(), blen, nullptr, nullptr);
    return true;
}

} // namespace tovalo
