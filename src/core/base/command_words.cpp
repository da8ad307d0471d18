#include "command_words.h"

#include <algorithm>

namespace tovalo {

std::vector<std::string> splitPosixCommand(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? n : close;
            word.append(line.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '"') {
            for (++i; i < n && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < n) {
                    const char next = line[i + 1];
                    if (next == '"' || next == '\\' || next == '$' || next == '`') {
                        word += next;
                        ++i;
                        continue;
                    }
                    if (next == '\n') {
                        ++i;
                        continue;
                    }
                }
                word += line[i];
            }
        } else if (c == '\\') {
            if (i + 1 < n) {
                ++i;
                if (line[i] != '\n')
                    word += line[i];
                else if (word.empty())
                    inWord = false; // a continued line, not an empty word
            }
        } else {
            // A run of plain characters in one append.
            const std::size_t end = std::min(line.find_first_of(" \t\n\r'\"\\", i), n);
            word.append(line.substr(i, end - i));
            i = end - 1;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> splitWindowsCommand(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool inQuotes = false;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = line[i];
        if (!inQuotes && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            std::size_t count = 0;
            while (i < n && line[i] == '\\') {
                ++count;
                ++i;
            }
            if (i < n && line[i] == '"') {
                word.append(count / 2, '\\');
                if (count % 2 == 1)
                    word += '"';
                else
                    --i; // the quote groups: read it on the next turn
            } else {
                word.append(count, '\\');
                --i;
            }
        } else if (c == '"') {
            if (inQuotes && i + 1 < n && line[i + 1] == '"') {
                word += '"';
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else {
            // A run of plain characters in one append (blanks are plain inside quotes).
            const std::size_t end = std::min(line.find_first_of(inQuotes ? "\"\\" : " \t\n\r\"\\", i), n);
            word.append(line.substr(i, end - i));
            i = end - 1;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

} // namespace tovalo
