#pragma once
// The text of a Windows registry export (.reg file), kept line by line.
//
// Reads what regedit writes ("Windows Registry Editor Version 5.00", UTF-16LE with byte-order
// mark and CR LF) as well as UTF-8 or legacy-code-page files with LF or CR LF, and REGEDIT4
// files. Values: "text" (with \\ and \" escapes), dword:, hex: and hex(N): with continuation
// lines. Every line that is not understood (comments, deletions, other keys, malformed values)
// is kept as it stands and written back unchanged; only values that are set or removed through
// this class are rewritten. The file is written back in the encoding and line end it was read
// with (a new file: UTF-8 and LF): UTF-16LE, UTF-8 with or without its byte-order mark, or the
// legacy code page a REGEDIT4 or other ANSI file was read in. A text value that code page has no
// code for is written as hex(1): UTF-16LE bytes, which read back as the same text. A REGEDIT4
// file of ASCII only stays ASCII that way, since its code page cannot be known.
//
// Key paths and value names compare with ASCII letter case ignored, as the registry does.

#include "reg_value.h"

#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

class RegDocument
{
public:
    /// An empty document (a new file).
    RegDocument() = default;

    /// Parses the bytes of a .reg file. Never fails: what is not understood is kept verbatim.
    static RegDocument parse(std::string_view bytes);

    /// The bytes of the file, in the encoding and line end it was read with.
    std::string format() const;

    /// True when the first line was a registry-export header.
    bool hasHeader() const { return headerFound_; }
    bool isUtf16() const { return utf16_; }
    /// What the bytes were read as and are written in: "UTF-16LE", "UTF-8", "UTF-8 with BOM",
    /// "ASCII" (a REGEDIT4 file of ASCII only), or a legacy code set ("CP932", "Windows-1252").
    const std::string& encoding() const { return encoding_; }
    bool usesCrLf() const { return crlf_; }

    /// True when a section for `key` (a full path such as HKEY_CURRENT_USER\SOFTWARE\...) exists.
    bool hasKey(std::string_view key) const;

    /// The value `name` of `key`; nullptr when absent. With a name given twice, the later wins
    /// (as when regedit imports the file).
    const RegValue* find(std::string_view key, std::string_view name) const;

    /// Sets a value; adds the key's section at the end when the file has none.
    void set(std::string_view key, std::string_view name, const RegValue& value);

    /// Removes every occurrence of value `name` of `key`.
    void remove(std::string_view key, std::string_view name);

    /// Adds an empty section for `key` when there is none.
    void addKey(std::string_view key);

private:
    struct Entry
    {
        std::vector<std::string> lines; ///< the physical lines, without line ends
        bool isValue = false;
        std::string name;
        RegValue value;
    };
    struct Section
    {
        std::string key;      ///< text between the brackets; empty for the lines before any key
        bool removal = false; ///< a "[-key]" deletion section: kept, never read
        std::vector<std::string> headerLines;
        std::vector<Entry> entries;
    };

    Section* lastSectionOf(std::string_view key);
    bool encodable(const std::vector<std::string>& lines) const;

    std::string header_ = "Windows Registry Editor Version 5.00";
    bool headerFound_ = false;
    bool utf16_ = false;
    bool crlf_ = false;
    std::string encoding_ = "UTF-8";
    std::vector<Section> sections_ = {Section{}};
};

/// The lines of a value as regedit writes them ("Name"=dword:..., hex:... wrapped with "\").
/// With `textAsHex`, text is written as hex(1): too.
std::vector<std::string> formatRegValue(std::string_view name, const RegValue& value, bool textAsHex = false);

} // namespace tovalo
