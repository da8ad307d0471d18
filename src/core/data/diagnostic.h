#pragma once
// One diagnostic that dpct printed for an item, and the counts of a list of them by code.
//
// dpct reports each migration warning on a line of the compiler's form
//   /src/vector_add.cu:32:14: warning: DPCT1003:0: Migrated API does not return error code. ...
//   C:\src\a.cu:150:27: warning: DPCT1048:0: The original value ... was removed ...
// followed by the source line and a caret. The compiler's own errors and warnings (a file that
// does not parse) come in the same form without a DPCT code.

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

/// An immutable text held once however often it occurs: equal texts made at the same time share
/// one copy (they are looked up in a process-wide table), and a copy of a SharedText copies a
/// pointer. A run's diagnostics name a few files and codes and repeat their messages many
/// times over, so they are kept as these. Reads like a const std::string.
class SharedText
{
public:
    SharedText() = default;
    SharedText(std::string_view text);
    SharedText(const char* text) : SharedText(std::string_view(text)) {}
    SharedText(const std::string& text) : SharedText(std::string_view(text)) {}

    const std::string& str() const { return text_ ? *text_ : emptyText(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    bool empty() const { return !text_; }
    std::size_t size() const { return str().size(); }
    const char* data() const { return str().data(); }
    const char* c_str() const { return str().c_str(); }

    friend bool operator==(const SharedText& a, const SharedText& b)
    {
        return a.text_ == b.text_ || a.str() == b.str();
    }
    friend bool operator==(const SharedText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const SharedText& a, const char* b) { return a.str() == b; }
    friend std::ostream& operator<<(std::ostream& os, const SharedText& t) { return os << t.str(); }

private:
    static const std::string& emptyText();
    std::shared_ptr<const std::string> text_; ///< null for the empty text
};

struct DpctDiagnostic
{
    SharedText file; ///< as dpct printed it (UTF-8)
    std::int32_t line = 0;
    std::int32_t column = 0;
    SharedText severity; ///< "warning", "error" or "fatal error"
    SharedText code;     ///< "DPCT1003"; empty for the compiler's own diagnostics
    SharedText message;  ///< the text after the code (after the severity when there is no code)

    bool operator==(const DpctDiagnostic&) const = default;
};

/// The name a diagnostic is counted under: its code, or its severity when it has none
/// ("error" for a compiler error).
const std::string& countKey(const DpctDiagnostic& d);

struct DiagnosticCount
{
    std::string key; ///< see countKey
    int count = 0;
    std::size_t first = 0; ///< index of the first diagnostic with this key
    bool operator==(const DiagnosticCount&) const = default;
};

/// The diagnostics counted by key, in the order of the keys ("DPCT1003" < "DPCT1049" < "error").
std::vector<DiagnosticCount> countByCode(const std::vector<DpctDiagnostic>& diagnostics);

/// "DPCT1003 ×2, DPCT1049 ×1": the counts on one line; empty for no diagnostics.
std::string describeCounts(const std::vector<DiagnosticCount>& counts);

} // namespace tovalo
