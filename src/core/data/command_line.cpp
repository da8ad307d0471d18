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

// In `Cmd` the program's C runtime reads backslashes before a double quote as escapes: the
// trailing ones are doubled so that the closing quote stays a quote.
void appendQuoted(std::string& out, std::string_view v, Dialect d)
{
    if (d == Dialect::Sh) {
        out += shellQuote(v);
        return;
    }
    out += '"';
    out += v;
    const std::size_t last = v.find_last_not_of('\\');
    out.append(last == std::string_view::npos ? v.size() : v.size() - last - 1, '\\');
    out += '"';
}

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

// Characters a POSIX shell takes literally in an unquoted word.
bool shellBare(std::string_view v)
{
    return !v.empty() && std::all_of(v.begin(), v.end(), [](char c) {
        return isNameChar(c) || std::string_view("@%+=:,./-").find(c) != std::string_view::npos;
    });
}

// A word of a plain value in single quotes, variables as "${NAME}". `joined`: the word follows
// text of the same argument, so it needs no quotes to exist when it is empty.
void appendShellWord(std::string& out, const PlainWord& word, bool joined)
{
    const bool empty = std::all_of(word.begin(), word.end(),
                                   [](const WordPiece& p) { return !p.variable && p.text.empty(); });
    if (empty && !joined)
        out += "''";
    for (const WordPiece& p : word) {
        if (p.text.empty())
            continue;
        if (p.variable)
            out += "\"${" + p.text + "}\"";
        else if (shellBare(p.text))
            out += p.text;
        else
            out += shellQuote(p.text);
    }
}

// Why the double quotes of a plain value do not pair up for both readers of a `Cmd` line: the
// interpreter, which turns quoting on and off at every double quote, and the program's C
// runtime, which takes a quote after an odd number of backslashes as text. Two quotes in a row
// inside quotes are refused too: C runtimes of different ages read them differently.
Message cmdQuoteProblem(std::string_view v)
{
    if (std::count(v.begin(), v.end(), '"') % 2 != 0)
        return MessageId::QuoteNotClosed;
    bool inQuotes = false;
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"' && backslashes % 2 == 0) {
            if (inQuotes && i + 1 < v.size() && v[i + 1] == '"')
                return MessageId::TwoQuotesInRow;
            inQuotes = !inQuotes;
        }
        backslashes = 0;
    }
    if (inQuotes)
        return MessageId::QuoteReadAsText;
    return {};
}

// The plain value as typed, with the interpreter's operators outside double quotes escaped.
void appendCmdPlain(std::string& out, std::string_view v)
{
    bool inQuotes = false;
    for (const char c : v) {
        if (c == '"')
            inQuotes = !inQuotes;
        else if (!inQuotes && std::string_view("&|<>^()").find(c) != std::string_view::npos)
            out += '^';
        out += c;
    }
}

// cmd expands %NAME:~n,m% and %NAME:a=b% before it reads quotes and carets, so such an edit
// could put a quote or an operator anywhere on the line. Any two '%' with a ':' between them
// are refused; a plain %NAME% is left for the interpreter to expand.
bool hasCmdVariableEdit(std::string_view line)
{
    for (std::size_t i = line.find('%'); i != std::string_view::npos; i = line.find('%', i + 1)) {
        const std::size_t next = line.find('%', i + 1);
        if (next == std::string_view::npos)
            return false;
        if (line.substr(i + 1, next - i - 1).find(':') != std::string_view::npos)
            return true;
    }
    return false;
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

bool splitPlainValue(std::string_view value, std::vector<PlainWord>& words, Message& why)
{
    words.clear();
    why.clear();
    bool inWord = false;
    auto word = [&]() -> PlainWord& {
        if (!inWord) {
            words.emplace_back();
            inWord = true;
        }
        return words.back();
    };
    auto literal = [&](std::string_view text) {
        PlainWord& w = word();
        if (w.empty() || w.back().variable)
            w.push_back({std::string(text), false});
        else
            w.back().text += text;
    };
    // A $NAME or ${NAME} at `i`: appends the variable and returns the index after it; returns
    // `i` when there is none (the '$' is then text).
    auto variable = [&](std::size_t i) {
        std::size_t start = i + 1;
        const bool braced = start < value.size() && value[start] == '{';
        if (braced)
            ++start;
        if (start >= value.size() || !isNameStart(value[start]))
            return i;
        std::size_t end = start;
        while (end < value.size() && isNameChar(value[end]))
            ++end;
        if (braced && (end >= value.size() || value[end] != '}'))
            return i;
        word().push_back({std::string(value.substr(start, end - start)), true});
        return braced ? end + 1 : end;
    };

    for (std::size_t i = 0; i < value.size();) {
        const char c = value[i];
        if (c == ' ' || c == '\t') {
            inWord = false;
            ++i;
        } else if (c == '\'') {
            const std::size_t close = value.find('\'', i + 1);
            if (close == std::string_view::npos) {
                why = MessageId::SingleQuoteNotClosed;
                return false;
            }
            literal(value.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == '"') {
            literal({});
            ++i;
            for (;;) {
                if (i >= value.size()) {
                    why = MessageId::QuoteNotClosed;
                    return false;
                }
                const char d = value[i];
                if (d == '"') {
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < value.size() &&
                    std::string_view("$`\"\\").find(value[i + 1]) != std::string_view::npos) {
                    literal(value.substr(i + 1, 1));
                    i += 2;
                } else if (const std::size_t after = d == '$' ? variable(i) : i; after != i) {
                    i = after;
                } else {
                    literal(value.substr(i, 1));
                    ++i;
                }
            }
        } else if (c == '\\' && i + 1 < value.size()) {
            literal(value.substr(i + 1, 1));
            i += 2;
        } else if (const std::size_t after = c == '$' ? variable(i) : i; after != i) {
            i = after;
        } else {
            literal(value.substr(i, 1));
            ++i;
        }
    }
    return true;
}

Message unsafePlainValueReason(std::string_view value, Dialect dialect)
{
    if (hasLineBreak(value))
        return MessageId::HasLineBreak;
    if (hasControlCharacter(value))
        return MessageId::HasControlCharacter;
    if (dialect == Dialect::Cmd)
        return cmdQuoteProblem(value);
    std::vector<PlainWord> words;
    Message why;
    splitPlainValue(value, words, why);
    return why;
}

Message unsafeQuotedValueReason(std::string_view value, Dialect dialect)
{
    if (hasLineBreak(value))
        return MessageId::HasLineBreak;
    if (hasControlCharacter(value))
        return MessageId::HasControlCharacter;
    if (dialect == Dialect::Cmd && value.find('"') != std::string_view::npos)
        return MessageId::QuoteEndsQuotes;
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

bool choiceWithoutEntry(const CDpctData& item, int slot)
{
    const OptionInfo& o = optionAt(slot);
    return o.kind == OptionKind::Choice && item.isOn(slot) && item.choiceEntry(slot).empty();
}

CommandLine buildCommandLine(const CDpctData* item, Dialect dialect)
{
    CommandLine result;
    if (item == nullptr || item->path.empty())
        return result;

    auto refuse = [&](Message what, Message why) {
        result.text.clear();
        result.refusal = Message(MessageId::ValueRefused, {std::move(what), std::move(why)});
        return result;
    };

    std::string& out = result.text;
    out.reserve(128 + item->path.size());
    out += dialect == Dialect::Cmd ? "dpct.exe" : "dpct";

    bool groupDone = false;
    for (const OptionInfo& o : optionTable()) {
        if (!item->isOn(o.slot))
            continue;
        if (choiceWithoutEntry(*item, o.slot)) {
            result.leftOut.push_back(o.name);
            continue;
        }
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
            if (Message why = unsafeQuotedValueReason(v, dialect); !why.empty())
                return refuse(Message(MessageId::SubjectOptionValue, {o.name}), std::move(why));
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
            if (Message why = unsafePlainValueReason(v, dialect); !why.empty())
                return refuse(Message(MessageId::SubjectOptionValue, {o.name}), std::move(why));
            out += '=';
            if (dialect == Dialect::Cmd) {
                appendCmdPlain(out, v);
                break;
            }
            std::vector<PlainWord> words;
            Message why;
            splitPlainValue(v, words, why);
            // A blank at the start leaves the option's own word empty, as the shell would.
            const bool glued = !v.empty() && v.front() != ' ' && v.front() != '\t';
            for (std::size_t w = 0; w < words.size(); ++w) {
                const bool joined = w == 0 && glued;
                if (!joined)
                    out += ' ';
                appendShellWord(out, words[w], joined);
            }
            break;
        }
        }
    }

    if (Message why = unsafeQuotedValueReason(item->path, dialect); !why.empty())
        return refuse(MessageId::SubjectSourcePath, std::move(why));
    out += ' ';
    if (item->path.front() == '-')
        appendQuoted(out, (dialect == Dialect::Cmd ? ".\\" : "./") + item->path, dialect);
    else
        appendQuoted(out, item->path, dialect);
    if (dialect == Dialect::Cmd && hasCmdVariableEdit(out))
        return refuse(MessageId::SubjectCommandLine, MessageId::VariableEdit);
    return result;
}

} // namespace tovalo
