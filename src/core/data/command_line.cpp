#include "command_line.h"

#include <algorithm>

namespace tovalo {

namespace {

bool hasLineBreak(std::string_view v)
{
    return v.find_first_of("\r\n") != std::string_view::npos;
}

// Control characters other than tab have no business in a path and would be cut or
// misread by the interpreter.
bool hasControlCharacter(std::string_view v)
{
    return std::any_of(v.begin(), v.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && u != '\t') || u == 0x7F;
    });
}

// Characters that make the Windows command interpreter act on an unquoted word.
bool cmdNeedsQuotes(std::string_view v)
{
    return v.find_first_of(" \t&|<>^") != std::string_view::npos;
}

void appendQuoted(std::string& out, std::string_view v, Dialect d)
{
    if (d == Dialect::Sh) {
        out += shellQuote(v);
    } else {
        out += '"';
        out += v;
        out += '"';
    }
}

} // namespace

Dialect platformDialect()
{
#ifdef _WIN32
    return Dialect::Cmd;
#else
    return Dialect::Sh;
#endif
}

std::string shellQuote(std::string_view value)
{
    std::string out;
    out.reserve(value.size() + 2);
    out += '\'';
    for (const char c : value) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    out += '\'';
    return out;
}

std::string unsafeQuotedValueReason(std::string_view value, Dialect dialect)
{
    if (hasLineBreak(value))
        return "contains a line break";
    if (hasControlCharacter(value))
        return "contains a control character";
    if (dialect == Dialect::Cmd && value.find('"') != std::string_view::npos)
        return "contains a double quote, which would end its quotes on the command line";
    return {};
}

bool hasActiveShellSyntax(std::string_view value, Dialect dialect)
{
    if (dialect == Dialect::Cmd) {
        bool inQuotes = false;
        for (const char c : value) {
            if (c == '"')
                inQuotes = !inQuotes;
            else if (!inQuotes && (c == '&' || c == '|' || c == '<' || c == '>'))
                return true;
        }
        return false;
    }
    enum
    {
        Plain,
        Single,
        Double
    } state = Plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (state) {
        case Single:
            if (c == '\'')
                state = Plain;
            break;
        case Double:
            if (c == '\\')
                ++i;
            else if (c == '"')
                state = Plain;
            else if (c == '`' || (c == '$' && i + 1 < value.size() && value[i + 1] == '('))
                return true;
            break;
        case Plain:
            if (c == '\\')
                ++i;
            else if (c == '\'')
                state = Single;
            else if (c == '"')
                state = Double;
            else if (c == ';' || c == '&' || c == '|' || c == '<' || c == '>' || c == '`' ||
                     (c == '$' && i + 1 < value.size() && value[i + 1] == '('))
                return true;
            break;
        }
    }
    return false;
}

CommandLine buildCommandLine(const CDpctData* item, Dialect dialect)
{
    CommandLine result;
    if (item == nullptr || item->path.empty())
        return result;

    auto refuse = [&](std::string_view what, const std::string& why) {
        result.text.clear();
        result.refusal = std::string(what) + " " + why;
        return result;
    };

    std::string& out = result.text;
    out.reserve(128 + item->path.size());
    out += dialect == Dialect::Cmd ? "dpct.exe" : "dpct";

    bool groupDone = false;
    for (const OptionInfo& o : optionTable()) {
        if (!item->isOn(o.slot))
            continue;
        if (o.slot == kNoDryPattern || o.slot == kNoIncrementalMigration || o.slot == kOptimizeMigration) {
            if (groupDone)
                continue;
            groupDone = true;
        }
        out += ' ';
        out += o.name;
        switch (o.argForm) {
        case ArgForm::Bare:
            break;
        case ArgForm::Choice:
            out += '=';
            out += item->choiceEntry(o.slot);
            break;
        case ArgForm::ChoiceFirstChar: {
            out += '=';
            const std::string_view entry = item->choiceEntry(o.slot);
            if (!entry.empty())
                out += entry.front();
            break;
        }
        case ArgForm::Path:
        case ArgForm::Quoted: {
            const std::string& v = item->text(o.slot);
            if (const std::string why = unsafeQuotedValueReason(v, dialect); !why.empty())
                return refuse("the value of " + std::string(o.name), why);
            out += '=';
            const bool quote = dialect == Dialect::Sh || o.argForm == ArgForm::Quoted || cmdNeedsQuotes(v);
            if (quote)
                appendQuoted(out, v, dialect);
            else
                out += v;
            break;
        }
        case ArgForm::Plain: {
            const std::string& v = item->text(o.slot);
            if (hasLineBreak(v))
                return refuse("the value of " + std::string(o.name), "contains a line break");
            out += '=';
            out += v;
            break;
        }
        }
    }

    if (const std::string why = unsafeQuotedValueReason(item->path, dialect); !why.empty())
        return refuse("the source path", why);
    out += ' ';
    appendQuoted(out, item->path, dialect);
    return result;
}

} // namespace tovalo
