#include "output_decoder.h"

#include "base/codec.h"
#include "base/text.h"

#include <algorithm>

namespace tovalo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isUtf8Name(std::string_view name)
{
    return name == "UTF-8" || name == "utf8" || name == "UTF8" || name == "CP65001";
}

} // namespace

OutputDecoder::OutputDecoder(std::string codeSet, bool detectUtf16, bool acceptUtf8)
    : codeSet_(std::move(codeSet)), utf8_(isUtf8Name(codeSet_)), detectUtf16_(detectUtf16),
      acceptUtf8_(acceptUtf8)
{}

bool OutputDecoder::looksLikeUtf16(std::string_view bytes, bool& bigEndian)
{
    bigEndian = false;
    if (bytes.size() < 2)
        return false;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if (b0 == 0xFF && b1 == 0xFE)
        return true;
    if (b0 == 0xFE && b1 == 0xFF) {
        bigEndian = true;
        return true;
    }
    // Text in a byte code page never holds zero bytes; UTF-16 text of Latin script holds one in
    // almost every code unit (the high byte).
    std::size_t pairs = bytes.size() / 2, zeroHigh = 0, zeroLow = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        zeroLow += bytes[i] == '\0';
        zeroHigh += bytes[i + 1] == '\0';
    }
    if (zeroHigh * 10 >= pairs * 4 && zeroLow * 10 < pairs)
        return true;
    if (zeroLow * 10 >= pairs * 4 && zeroHigh * 10 < pairs) {
        bigEndian = true;
        return true;
    }
    return false;
}

std::string OutputDecoder::decode(std::string_view bytes)
{
    if (detectUtf16_) {
        if (pendingMode_ != Mode::Text) {
            // The previous read ended inside a UTF-16 code unit or surrogate pair: go on with it.
            const bool bigEndian = pendingMode_ == Mode::Utf16Be;
            const std::string joined = pending_ + std::string(bytes);
            pending_.clear();
            pendingMode_ = Mode::Text;
            return decodeUtf16(joined, bigEndian, false);
        }
        bool bigEndian = lastWasUtf16Be_;
        // A read that goes on with UTF-16 text may hold few zero bytes (non-Latin text); any
        // zero byte at all keeps the previous read's UTF-16.
        const bool goesOn =
            lastWasUtf16_ && bytes.size() % 2 == 0 && bytes.find('\0') != std::string_view::npos;
        if (pending_.empty() && (goesOn || looksLikeUtf16(bytes, bigEndian))) {
            lastWasUtf16_ = true;
            lastWasUtf16Be_ = bigEndian;
            return decodeUtf16(bytes, bigEndian, false);
        }
        lastWasUtf16_ = false;
    }
    return utf8_ ? decodeUtf8(bytes, false) : decodeLegacy(bytes, false);
}

std::string OutputDecoder::flush()
{
    if (pending_.empty())
        return {};
    if (pendingMode_ != Mode::Text) {
        const std::string rest = std::move(pending_);
        pending_.clear();
        return decodeUtf16(rest, pendingMode_ == Mode::Utf16Be, true);
    }
    return utf8_ ? decodeUtf8({}, true) : decodeLegacy({}, true);
}

std::string OutputDecoder::decodeUtf8(std::string_view bytes, bool final)
{
    std::string data;
    std::string_view text = bytes;
    if (!pending_.empty()) {
        data = pending_ + std::string(bytes);
        pending_.clear();
        text = data;
    }
    std::size_t keep = final ? text.size() : completeUtf8Prefix(text);
    if (keep < text.size())
        pending_.assign(text.substr(keep));
    text = text.substr(0, keep);
    if (isValidUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++pos;
            continue;
        }
        appendUtf8(out, tovalo::decodeUtf8(text, pos));
    }
    return out;
}

std::string OutputDecoder::decodeLegacy(std::string_view bytes, bool final)
{
    const std::string data = pending_ + std::string(bytes);
    pending_.clear();
    // Line by line: a line break ends every character (trail bytes are above 0x3F in the code
    // pages, above 0x7F in UTF-8), and a line, the interpreter's prompt above all, then decodes
    // the same whatever else a read holds.
    std::string out;
    std::size_t start = 0;
    while (start < data.size()) {
        const std::size_t nl = data.find('\n', start);
        const bool whole = nl != std::string::npos;
        const std::size_t end = whole ? nl + 1 : data.size();
        out += decodeLegacyLine(std::string_view(data).substr(start, end - start), final || whole);
        start = end;
    }
    return out;
}

std::string OutputDecoder::decodeLegacyLine(std::string_view line, bool complete)
{
    std::string out;
    if (acceptUtf8_) {
        // An incomplete UTF-8 sequence at the end waits for the next read; if it is in fact a
        // lead byte of the code page, it is decoded with its trail byte then.
        const std::size_t keep = complete ? line.size() : completeUtf8Prefix(line);
        const std::string_view head = line.substr(0, keep);
        if (isValidUtf8(head)) {
            pending_.assign(line.substr(keep));
            // Valid UTF-8 that is clean in the code page as well is taken as UTF-8 only when it
            // holds a sequence of three or four bytes (Japanese text in UTF-8 is made of them);
            // two-byte sequences come from the code page by chance (half-width "ﾃｽ" is C3 BD).
            const bool longSequence = std::any_of(
                head.begin(), head.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
            if (!longSequence && decodeFrom(codeSet_, head, out))
                return out;
            return std::string(head);
        }
    }
    if (line.empty() || decodeFrom(codeSet_, line, out))
        return out;
    // A lead byte whose trail byte is still in the pipe: hold the last one to three bytes back.
    // Only bytes above 0x7F: text after them (a prompt) is never held.
    auto allHigh = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    };
    if (!complete) {
        for (std::size_t hold = 1;
             hold <= 3 && hold < line.size() && allHigh(line.substr(line.size() - hold)); ++hold) {
            if (decodeFrom(codeSet_, line.substr(0, line.size() - hold), out)) {
                pending_.assign(line.substr(line.size() - hold));
                return out;
            }
        }
    }
    // Bytes that are not text in this code set: decode character by character, U+FFFD for each
    // byte that starts no character. A lead byte at the end of an incomplete line waits for its
    // trail byte, so a character split across reads next to a bad byte is still read whole.
    out.clear();
    std::string piece;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const auto c = static_cast<unsigned char>(line[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++pos;
            continue;
        }
        bool done = false;
        for (std::size_t len = 1; len <= 4 && pos + len <= line.size(); ++len) {
            if (decodeFrom(codeSet_, line.substr(pos, len), piece)) {
                out += piece;
                pos += len;
                done = true;
                break;
            }
        }
        if (!done) {
            if (!complete && line.size() - pos < 4 && allHigh(line.substr(pos))) {
                pending_.assign(line.substr(pos));
                break;
            }
            appendUtf8(out, kReplacement);
            ++pos;
        }
    }
    return out;
}

std::string OutputDecoder::decodeUtf16(std::string_view bytes, bool bigEndian, bool final)
{
    std::string out;
    std::size_t i = 0;
    if (bytes.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(bytes[0]);
        const auto b1 = static_cast<unsigned char>(bytes[1]);
        if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF))
            i = 2;
    }
    auto unitAt = [&](std::size_t at) {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    while (i + 1 < bytes.size()) {
        const char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 3 < bytes.size()) {
                const char16_t v = unitAt(i + 2);
                if (v >= 0xDC00 && v <= 0xDFFF) {
                    appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (v - 0xDC00));
                    i += 4;
                    continue;
                }
            } else if (!final) {
                break; // the low surrogate is in the next read
            }
            appendUtf8(out, kReplacement);
            i += 2;
            continue;
        }
        if (u >= 0xDC00 && u <= 0xDFFF)
            appendUtf8(out, kReplacement);
        else if (u != 0)
            appendUtf8(out, u);
        i += 2;
    }
    if (i < bytes.size()) {
        if (final) {
            appendUtf8(out, kReplacement);
        } else {
            pending_.assign(bytes.substr(i));
            pendingMode_ = bigEndian ? Mode::Utf16Be : Mode::Utf16Le;
            return out;
        }
    }
    pendingMode_ = Mode::Text;
    return out;
}

std::string consoleCodeSet()
{
    return legacyCodeSet();
}

} // namespace tovalo
