#include "base/codec.h"
#include "reg_text.h"

#include <cerrno>
#include <iconv.h>

namespace tovalo {

bool encodeWithSystem(std::string_view codeSet, std::string_view text, std::string& bytes)
{
    const std::string to(codeSet);
    iconv_t cd = iconv_open(to.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    bytes.assign(text.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = bytes.data();
    std::size_t outLeft = bytes.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                const std::size_t used = static_cast<std::size_t>(out - bytes.data());
                bytes.resize(bytes.size() * 2);
                out = bytes.data() + used;
                outLeft = bytes.size() - used;
                continue;
            }
            ok = false; // EILSEQ: a character the code set has no code for
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        ok = false;
    bytes.resize(ok ? static_cast<std::size_t>(out - bytes.data()) : 0);
    iconv_close(cd);
    return ok;
}

} // namespace tovalo
