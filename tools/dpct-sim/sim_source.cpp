#include "sim_source.h"

#include <algorithm>

namespace dpctsim {

std::vector<SourceLine> splitLines(const std::string& text)
{
    std::vector<SourceLine> lines;
    std::size_t start = 0;
    int number = 1;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back({number++, std::move(line)});
        if (end == text.size())
            break;
        start = end + 1;
    }
    return lines;
}

bool isCommentLine(const std::string& line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos || line.compare(first, 2, "//") == 0 ||
           line.compare(first, 2, "/*") == 0 || line.compare(first, 1, "*") == 0 ||
           line.compare(first, 1, "#") == 0;
}

std::string snippet(const std::vector<SourceLine>& lines, int line, int column, bool gutters)
{
    const std::string& text = line >= 1 && static_cast<std::size_t>(line) <= lines.size()
                                  ? lines[static_cast<std::size_t>(line) - 1].text
                                  : std::string();
    std::string caret;
    for (int i = 0; i + 1 < column && static_cast<std::size_t>(i) < text.size(); ++i)
        caret += text[static_cast<std::size_t>(i)] == '\t' ? '\t' : ' ';
    caret += '^';
    if (!gutters)
        return text + "\n" + caret + "\n";
    std::string number = std::to_string(line);
    const std::size_t width = std::max<std::size_t>(5, number.size());
    number.insert(0, width - number.size(), ' ');
    return number + " | " + text + "\n" + std::string(width, ' ') + " | " + caret + "\n";
}

} // namespace dpctsim
