#include "codec.h"
#include "text.h"

#include <windows.h>

#include <string>

namespace tovalo {

namespace {

UINT codePageFromName(std::string_view name)
{
    if (name.starts_with("CP"))
        return static_cast<UINT>(std::stoul(std::string(name.substr(2))));
    return CP_ACP;
}

std::string utf8FromWide(const wchar_t* w, int n)
{
    std::string out;
    const int len = WideCharToMultiByte(CP_UTF8, 0, w, n, nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(len));
    if (len > 0)
        WideCharToMultiByte(CP_UTF8, 0, w, n, out.data(), len, nullptr, nullptr);
    return out;
}

} // namespace

bool decodeFrom(std::string_view codeSet, std::string_view bytes, std::string& utf8)
{
    utf8.clear();
    if (bytes.empty())
        return true;
    const UINT cp = codePageFromName(codeSet);
    const int n = static_cast<int>(bytes.size());
    const int wlen = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0);
    if (wlen <= 0)
        return false;
    std::wstring w(static_cast<std::size_t>(wlen), L'\0');
    MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(), n, w.data(), wlen);
    utf8 = utf8FromWide(w.data(), wlen);
    return true;
}

bool encodeForFile(std::string_view utf8, std::string& bytes, Message& error)
{
    bytes.clear();
    if (utf8.empty())
        return true;
    const UINT acp = GetACP();
    if (acp == CP_UTF8) {
        bytes.assign(utf8);
        return true;
    }
    const int n = static_cast<int>(utf8.size());
    const int wlen = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0);
    std::wstring w(static_cast<std::size_t>(wlen), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, w.data(), wlen);
    BOOL usedDefault = FALSE;
    const int blen =
        WideCharToMultiByte(acp, WC_NO_BEST_FIT_CHARS, w.data(), wlen, nullptr, 0, nullptr, &usedDefault);
    if (usedDefault || blen <= 0) {
        // Name the first character that does not fit, so the user can find it.
        std::size_t pos = 0;
        while (pos < utf8.size()) {
            const std::size_t start = pos;
            const char32_t cp = decodeUtf8(utf8, pos);
            std::string one(utf8.substr(start, pos - start));
            wchar_t wc[2];
            const int wn = MultiByteToWideChar(CP_UTF8, 0, one.data(), static_cast<int>(one.size()), wc, 2);
            BOOL bad = FALSE;
            WideCharToMultiByte(acp, WC_NO_BEST_FIT_CHARS, wc, wn, nullptr, 0, nullptr, &bad);
            if (bad) {
                char hex[16];
                snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
                error = Message(MessageId::CharacterNotInCodePage, {one, hex, std::to_string(acp)});
                return false;
            }
        }
        error = Message(MessageId::TextNotInCodePage, {std::to_string(acp)});
        return false;
    }
    bytes.resize(static_cast<std::size_t>(blen));
    WideCharToMultiByte(acp, WC_NO_BEST_FIT_CHARS, w.data(), wlen, bytes.data(), blen, nullptr, nullptr);
    return true;
}

std::string legacyCodeSet()
{
    const UINT acp = GetACP();
    return acp == CP_UTF8 ? std::string("UTF-8") : "CP" + std::to_string(acp);
}

std::string fileCodeSet()
{
    return legacyCodeSet();
}

} // namespace tovalo
