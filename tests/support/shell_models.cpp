#include "shell_models.h"

namespace tovalo::testing_models {

namespace {

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

// A $NAME or ${NAME} at `i`: its name and the index after it; npos when there is none.
std::size_t variableAt(std::string_view s, std::size_t i, std::string& name)
{
    std::size_t start = i + 1;
    const bool braced = start < s.size() && s[start] == '{';
    if (braced)
        ++start;
    if (start >= s.size() || !isNameStart(s[start]))
        return std::string_view::npos;
    std::size_t end = start;
    while (end < s.size() && isNameChar(s[end]))
        ++end;
    if (braced && (end >= s.size() || s[end] != '}'))
        return std::string_view::npos;
    name.assign(s.substr(start, end - start));
    return braced ? end + 1 : end;
}

} // namespace

ModelResult shellWords(std::string_view s, const Environment& env, ShellMode mode)
{
    const bool strict = mode == ShellMode::Strict;
    ModelResult r;
    std::string word;
    bool inWord = false;
    auto fail = [&](std::string why) {
        r.problem = std::move(why);
        return r;
    };
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        std::string name;
        if (c == ' ' || c == '\t') {
            if (inWord)
                r.args.push_back(word);
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t close = s.find('\'', i + 1);
            if (close == std::string_view::npos)
                return fail("a single quote is left open");
            word += s.substr(i + 1, close - i - 1);
            i = close + 1;
        } else if (c == '"') {
            for (++i;;) {
                if (i >= s.size())
                    return fail("a double quote is left open");
                const char d = s[i];
                if (d == '"') {
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < s.size() &&
                    std::string_view("$`\"\\").find(s[i + 1]) != std::string_view::npos) {
                    word += s[i + 1];
                    i += 2;
                } else if (d == '$' && variableAt(s, i, name) != std::string_view::npos) {
                    i = variableAt(s, i, name);
                    word += env(name);
                } else if (strict && (d == '$' || d == '`')) {
                    return fail(std::string("'") + d + "' inside double quotes would be expanded");
                } else if (strict && (d == '\n' || d == '\r')) {
                    return fail("a line break");
                } else {
                    word += d;
                    ++i;
                }
            }
        } else if (c == '\\') {
            if (i + 1 >= s.size()) {
                if (strict)
                    return fail("a backslash ends the line");
                word += c;
                ++i;
            } else {
                word += s[i + 1];
                i += 2;
            }
        } else if (c == '$' && !strict && variableAt(s, i, name) != std::string_view::npos) {
            i = variableAt(s, i, name);
            word += env(name);
        } else if (strict && std::string_view("$;&|<>()`*?[]{}~#!\n\r").find(c) != std::string_view::npos) {
            return fail(std::string("'") + c + "' outside quotes would be acted on");
        } else {
            word += c;
            ++i;
        }
    }
    if (inWord)
        r.args.push_back(word);
    return r;
}

std::vector<std::string> crtWords(std::string_view s)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    for (;;) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i >= s.size())
            return args;
        std::string word;
        bool inQuotes = false;
        while (i < s.size()) {
            const char c = s[i];
            if (!inQuotes && (c == ' ' || c == '\t'))
                break;
            if (c == '\\') {
                std::size_t k = 0;
                while (i < s.size() && s[i] == '\\') {
                    ++k;
                    ++i;
                }
                if (i < s.size() && s[i] == '"') {
                    word.append(k / 2, '\\');
                    if (k % 2 != 0) {
                        word += '"';
                        ++i;
                    }
                } else {
                    word.append(k, '\\');
                }
            } else if (c == '"') {
                if (inQuotes && i + 1 < s.size() && s[i + 1] == '"') {
                    word += '"';
                    i += 2;
                } else {
                    inQuotes = !inQuotes;
                    ++i;
                }
            } else {
                word += c;
                ++i;
            }
        }
        args.push_back(std::move(word));
    }
}

ModelResult cmdWords(std::string_view s)
{
    ModelResult r;
    for (std::size_t i = s.find('%'); i != std::string_view::npos; i = s.find('%', i + 1)) {
        const std::size_t next = s.find('%', i + 1);
        if (next == std::string_view::npos)
            break;
        if (s.substr(i + 1, next - i - 1).find(':') != std::string_view::npos) {
            r.problem = "a %NAME:...% edit";
            return r;
        }
    }
    std::string passed;
    bool inQuotes = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\n' || c == '\r') {
            r.problem = "a line break";
            return r;
        }
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == '^') {
            if (++i >= s.size()) {
                r.problem = "a caret ends the line";
                return r;
            }
            passed += s[i];
            continue;
        } else if (!inQuotes && (c == '&' || c == '|' || c == '<' || c == '>')) {
            r.problem = std::string("'") + c + "' outside double quotes would be acted on";
            return r;
        }
        passed += c;
    }
    r.args = crtWords(passed);
    return r;
}

} // namespace tovalo::testing_models
