#include "codec.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <string>

namespace tovalo {

bool decodeFrom(std::string_view codeSet, std::string_view bytes, std::string& utf8)
{
    const std::string from(codeSet);
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    utf8.clear();
    utf8.resize(bytes.size() * 3 + 16);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                const std::size_t used = static_cast<std::size_t>(out - utf8.data());
                utf8.resize(utf8.size() * 2);
                out = utf8.data() + used;
                outLeft = utf8.size() - used;
                continue;
            }
            ok = false; // EILSEQ or EINVAL: not text in this code set
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        ok = false;
    utf8.resize(ok ? static_cast<std::size_t>(out - utf8.data()) : 0);
    iconv_close(cd);
    return ok;
}

bool encodeForFile(std::string_view utf8, std::string& bytes, Message& error)
{
    // Files are written as UTF-8 here; every character can be represented.
    (void)error;
    bytes.assign(utf8);
    return true;
}

std::string legacyCodeSet()
{
    const char* cs = nl_langinfo(CODESET);
    std::string name = cs ? cs : "";
    if (name == "UTF-8" || name == "utf8" || name.empty())
        return "UTF-8";
    // The plain C locale reports ASCII; there is no legacy code page to try then.
    if (name == "ANSI_X3.4-1968")
        return "UTF-8";
    return name;
}

std::string fileCodeSet()
{
    return "UTF-8";
}

} // namespace tovalo
