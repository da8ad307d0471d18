#pragma once
// The source file as the simulated tool reports on it: its numbered lines, and the snippet
// printed under a diagnostic.

#include <string>
#include <vector>

namespace dpctsim {

/// A line of the source file, numbered from 1, without its line end.
struct SourceLine
{
    int number;
    std::string text;
};

/// The lines of `text`; a CR before a line end is dropped. An empty text is one empty line.
std::vector<SourceLine> splitLines(const std::string& text);

/// True for a line no warning is placed on: blank, a comment or a preprocessor line.
bool isCommentLine(const std::string& line);

/// The source snippet under a diagnostic, in the layout of the clang the release is built on.
std::string snippet(const std::vector<SourceLine>& lines, int line, int column, bool gutters);

} // namespace dpctsim
