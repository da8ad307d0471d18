#include "sim_directives.h"

#include <charconv>
#include <utility>
#include <vector>

namespace dpctsim {

namespace {

bool toNumber(std::string_view text, long long& value)
{
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

// Splits `line` (after the marker) into key=value pairs; quotes group a value with blanks.
std::vector<std::pair<std::string, std::string>> pairsOf(std::string_view line)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t keyStart = i;
        while (i < line.size() && line[i] != '=' && line[i] != ' ' && line[i] != '\t')
            ++i;
        std::string key(line.substr(keyStart, i - keyStart));
        if (i >= line.size() || line[i] != '=') {
            if (!key.empty())
                pairs.emplace_back(std::move(key), std::string());
            continue;
        }
        ++i; // '='
        std::string value;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"')
                value += line[i++];
            if (i < line.size())
                ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                value += line[i++];
        }
        pairs.emplace_back(std::move(key), std::move(value));
    }
    return pairs;
}

void apply(Directives& d, const std::string& key, const std::string& value)
{
    long long n = 0;
    const bool isNumber = toNumber(value, n);
    auto bad = [&] {
        d.problems += "dpct-sim: ignored directive '" + key + "=" + value + "'\n";
    };

    if (key == "result") {
        static const std::pair<const char*, Result> kinds[] = {
            {"ok", Result::Ok},
            {"warnings", Result::Warnings},
            {"parse-error", Result::ParseError},
            {"exit-code", Result::ExitCode},
            {"crash", Result::Crash},
            {"no-cuda", Result::NoCuda},
            {"silent", Result::Silent},
        };
        for (const auto& [name, kind] : kinds) {
            if (value == name) {
                d.result = kind;
                return;
            }
        }
        bad();
    } else if (key == "warnings" && isNumber && n >= 0 && n <= 100000) {
        d.warnings = static_cast<int>(n);
    } else if (key == "progress" && (value == "parsing" || value == "processing")) {
        d.progress = value == "parsing" ? Progress::Parsing : Progress::Processing;
    } else if (key == "delay-ms" && isNumber && n >= 0 && n <= 3600000) {
        d.delayMs = static_cast<int>(n);
    } else if (key == "busy-ms" && isNumber && n >= 0 && n <= 3600000) {
        d.busyMs = static_cast<int>(n);
    } else if (key == "output-bytes" && isNumber && n >= 0) {
        d.outputBytes = n;
    } else if (key == "fast" && (value == "yes" || value == "no")) {
        d.fast = value == "yes";
    } else if (key == "parse-error-format" && (value == "1" || value == "2")) {
        d.parseErrorFormat = value == "1" ? 1 : 2;
    } else if (key == "parse-errors" && isNumber && n >= 1 && n <= 100000) {
        d.parseErrors = static_cast<int>(n);
    } else if (key == "processed" && (value == "yes" || value == "no")) {
        d.processed = value == "yes";
    } else if (key == "exit-code" && isNumber) {
        d.exitCode = n;
        d.exitCodeGiven = true;
    } else if (key == "message") {
        d.message = value;
    } else if (key == "encoding" && (value == "utf-8" || value == "ansi")) {
        d.ansi = value == "ansi";
    } else {
        bad();
    }
}

} // namespace

Directives readDirectives(std::string_view text)
{
    static constexpr std::string_view kMarker = "dpct-sim:";
    Directives d;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const auto at = line.find(kMarker); at != std::string_view::npos) {
            std::string_view rest = line.substr(at + kMarker.size());
            // A directive inside a block comment may be followed by its closing "*/".
            if (const auto close = rest.find("*/"); close != std::string_view::npos)
                rest = rest.substr(0, close);
            for (const auto& [key, value] : pairsOf(rest))
                apply(d, key, value);
        }
        lineStart = lineEnd + 1;
    }
    return d;
}

} // namespace dpctsim
