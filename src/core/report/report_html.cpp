#include "report/report_html.h"

#include "base/text.h"
#include "report/report_assets.h"
#include "report/report_summary.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace tovalo {

namespace {

// Text of the results as HTML text or attribute value: the markup characters escaped, control
// characters and bytes that are not UTF-8 as U+FFFD.
void appendText(std::string& out, std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            ++pos;
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '\t':
            case '\n':
                out += ' ';
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    out += "\xEF\xBF\xBD";
                else
                    out += static_cast<char>(c);
            }
            continue;
        }
        const std::size_t start = pos;
        const char32_t cp = decodeUtf8(text, pos);
        if (cp == U'\uFFFD' || (cp >= 0x80 && cp < 0xA0))
            out += "\xEF\xBF\xBD";
        else
            out.append(text.substr(start, pos - start));
    }
}

std::string escaped(std::string_view text)
{
    std::string out;
    appendText(out, text);
    return out;
}

// Text as the inside of a CSS string: everything but letters, digits, blanks and UTF-8 beyond
// ASCII as a hexadecimal escape, so that nothing can end the string or the style element.
void appendCssString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        char32_t cp = decodeUtf8(text, pos);
        if (cp >= 0xA0 && cp != U'\uFFFD') {
            out.append(text.substr(start, pos - start));
        } else if ((cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z') || (cp >= U'0' && cp <= U'9') ||
                   cp == U' ' || cp == U'.' || cp == U',') {
            out += static_cast<char>(cp);
        } else {
            if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0))
                cp = cp == U'\t' || cp == U'\n' ? U' ' : U'\uFFFD';
            out += '\\';
            std::string digits;
            for (char32_t v = cp; v != 0 || digits.empty(); v >>= 4)
                digits.insert(digits.begin(), kHex[v & 0xF]);
            out += digits;
            out += ' ';
        }
    }
}

// `pattern` with %1 and %2 replaced by (already escaped) `a` and `b`.
std::string fillIn(std::string_view pattern, std::string_view a, std::string_view b = {})
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? a : b;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The escaped word with %1 (and %2) filled in with the escaped values.
std::string say(std::string_view pattern, std::string_view a, std::string_view b = {})
{
    return fillIn(escaped(pattern), escaped(a), escaped(b));
}

std::string number(std::size_t n)
{
    return std::to_string(n);
}

// `n` as shown: its digits in groups of three ("200,000"), as plain text.
std::string grouped(std::size_t n, const ReportWords& w)
{
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += w.digitSeparator;
        out += digits[i];
    }
    return out;
}

// A share of `all` in whole percent; never 0 for some or 100 for not all.
std::string percent(std::size_t part, std::size_t all)
{
    if (all == 0)
        return "0";
    std::size_t p = (part * 100 + all / 2) / all;
    if (part > 0 && p == 0)
        p = 1;
    if (part < all && p == 100)
        p = 99;
    return std::to_string(p);
}

std::string duration(std::int64_t ms, const ReportWords& w)
{
    if (ms < 0)
        return w.notRun;
    if (ms < 1000)
        return std::to_string(ms) + " " + w.milliseconds;
    if (ms < 60000) {
        const std::int64_t tenths = (ms + 50) / 100;
        if (tenths < 600)
            return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " + w.seconds;
    }
    const auto two = [](std::int64_t v) {
        return (v < 10 ? "0" : "") + std::to_string(v);
    };
    const std::int64_t seconds = (ms + 500) / 1000;
    if (seconds < 3600)
        return std::to_string(seconds / 60) + " " + w.minutes + " " + two(seconds % 60) + " " + w.seconds;
    const std::int64_t minutes = (seconds + 30) / 60;
    return std::to_string(minutes / 60) + " " + w.hours + " " + two(minutes % 60) + " " + w.minutes;
}

struct StatusLook
{
    const std::string* word;
    const char* css; ///< class of the status
    int rank;        ///< what sorts first: problems, then what is left, then done
};

StatusLook statusLook(ItemStatus s, const ReportWords& w)
{
    switch (s) {
    case ItemStatus::ConvertedNg:
        return {&w.statusNg, "ng", 0};
    case ItemStatus::SyntaxError:
        return {&w.statusSyntaxError, "syntax", 1};
    case ItemStatus::Converting:
        return {&w.statusConverting, "none", 2};
    case ItemStatus::Waiting:
        return {&w.statusWaiting, "none", 3};
    case ItemStatus::None:
        return {&w.statusNone, "none", 4};
    case ItemStatus::ConvertedOk:
        break;
    }
    return {&w.statusOk, "ok", 5};
}

bool finished(ItemStatus s)
{
    return s == ItemStatus::ConvertedOk || s == ItemStatus::ConvertedNg || s == ItemStatus::SyntaxError;
}

// Rough width of `text` in pixels at the charts' 13 px font: enough to lay out the labels.
int textWidth(std::string_view text)
{
    int width = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = decodeUtf8(text, pos);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000;
        if (wide)
            width += 13;
        else if (cp == U' ' || cp == U'.' || cp == U',' || cp == U'(' || cp == U')' || cp == U'i' ||
                 cp == U'l')
            width += 4;
        else if ((cp >= U'A' && cp <= U'Z') || (cp >= U'0' && cp <= U'9') || cp >= 0x80)
            width += 9;
        else
            width += 7;
    }
    return width;
}

struct Bar
{
    std::string label; ///< plain text
    std::size_t value = 0;
    std::string valueText; ///< plain text after the bar
    const char* css = "b-code";
};

// A horizontal bar chart as inline SVG; its colours and text follow the page's colour scheme.
void appendBarChart(std::string& out, std::string_view caption, const std::vector<Bar>& bars)
{
    constexpr int kRow = 28, kBar = 18, kMaxBar = 300, kGap = 10;
    int labelWidth = 40, valueWidth = 40;
    std::size_t max = 1;
    for (const Bar& b : bars) {
        labelWidth = std::max(labelWidth, textWidth(b.label));
        valueWidth = std::max(valueWidth, textWidth(b.valueText));
        max = std::max(max, b.value);
    }
    labelWidth = std::min(labelWidth, 260) + 6;
    valueWidth += 16;
    const int width = labelWidth + kGap + kMaxBar + kGap + valueWidth;
    const int height = static_cast<int>(bars.size()) * kRow + 4;
    out += "<svg role=\"img\" aria-label=\"" + escaped(caption) + "\" width=\"" + std::to_string(width) +
           "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) + " " +
           std::to_string(height) + "\"><title>" + escaped(caption) + "</title>\n";
    int y = 2;
    for (const Bar& b : bars) {
        const int barX = labelWidth + kGap;
        int length =
            static_cast<int>(static_cast<double>(b.value) * kMaxBar / static_cast<double>(max) + 0.5);
        if (b.value > 0)
            length = std::max(length, 2);
        const std::string textY = std::to_string(y + kBar / 2 + 5);
        out += "<text x=\"" + std::to_string(labelWidth) + "\" y=\"" + textY + "\" text-anchor=\"end\">" +
               escaped(b.label) + "</text>";
        out += "<rect class=\"track\" x=\"" + std::to_string(barX) + "\" y=\"" + std::to_string(y) +
               "\" width=\"" + std::to_string(kMaxBar) + "\" height=\"" + std::to_string(kBar) +
               "\" rx=\"3\"/>";
        if (length > 0)
            out += "<rect class=\"" + std::string(b.css) + "\" x=\"" + std::to_string(barX) + "\" y=\"" +
                   std::to_string(y) + "\" width=\"" + std::to_string(length) + "\" height=\"" +
                   std::to_string(kBar) + "\" rx=\"3\"/>";
        out += "<text class=\"v\" x=\"" + std::to_string(barX + kMaxBar + kGap) + "\" y=\"" + textY + "\">" +
               escaped(b.valueText) + "</text>\n";
        y += kRow;
    }
    out += "</svg>";
}

// Messages that more than one diagnostic carries, numbered in order of first appearance. Short
// ones are left alone: a reference to them would not be shorter.
constexpr std::size_t kShortestShared = 12;

std::unordered_map<std::string_view, std::size_t> repeatedMessages(const std::vector<const CDpctData*>& items,
                                                                   std::vector<std::string_view>& order)
{
    std::unordered_map<std::string_view, std::size_t> seen;
    for (const CDpctData* item : items) {
        if (!item)
            continue;
        for (const DpctDiagnostic& d : item->diagnostics) {
            if (d.message.size() >= kShortestShared)
                ++seen[d.message];
        }
    }
    std::unordered_map<std::string_view, std::size_t> numbers;
    for (const CDpctData* item : items) {
        if (!item)
            continue;
        for (const DpctDiagnostic& d : item->diagnostics) {
            const auto it = seen.find(d.message);
            if (it != seen.end() && it->second > 1 && !numbers.count(d.message)) {
                numbers.emplace(d.message, order.size());
                order.push_back(d.message);
            }
        }
    }
    return numbers;
}

void appendTile(std::string& out, const char* css, const std::string& label, const std::string& value,
                const std::string& share)
{
    out +=
        "<div class=\"tile " + std::string(css) + "\"><dt>" + escaped(label) + "</dt><dd>" + escaped(value);
    if (!share.empty())
        out += "<small>" + share + "</small>";
    out += "</dd></div>\n";
}

void appendFact(std::string& out, const std::string& label, const std::string& valueHtml)
{
    out += "<dt>" + escaped(label) + "</dt><dd>" + valueHtml + "</dd>\n";
}

} // namespace

ReportWords englishReportWords()
{
    ReportWords w;
    w.language = "en";
    w.title = "Migration report";
    w.generated = "Made %1";
    w.summary = "Summary";
    w.items = "Items";
    w.ok = "OK";
    w.ng = "Failed";
    w.syntaxErrors = "Syntax errors";
    w.notConverted = "Not converted";
    w.diagnostics = "Diagnostics";
    w.totalTime = "Total time";
    w.medianTime = "Median time per item";
    w.dpctVersion = "dpct version";
    w.dpctCodebase = "Codebase";
    w.folder = "Folder";
    w.unknown = "unknown";
    w.percentOfItems = "%1%";
    w.statusChart = "Items by status";
    w.codeChart = "Diagnostics by code";
    w.otherCodes = "Other codes: %1";
    w.noDiagnostics = "dpct reported no diagnostics.";
    w.codesHeading = "Diagnostic codes";
    w.code = "Code";
    w.count = "Count";
    w.itemsAffected = "Items affected";
    w.firstMessage = "First message";
    w.reference = "Reference";
    w.referenceLink = "Read about %1";
    w.itemsHeading = "Items";
    w.path = "Path";
    w.status = "Status";
    w.exitCode = "Exit code";
    w.time = "Time";
    w.diagnosticsColumn = "Diagnostics";
    w.itemDiagnostics = "Diagnostics: %1";
    w.filter = "Filter";
    w.filterHint = "path, status or code";
    w.shown = "Items shown: %1 of %2";
    w.sortHint = "Sort by this column";
    w.notRun = "\xE2\x80\x93"; // EN DASH
    w.statusNone = "Not run";
    w.statusWaiting = "Waiting";
    w.statusConverting = "Stopped while converting";
    w.statusOk = "OK";
    w.statusNg = "Failed";
    w.statusSyntaxError = "Syntax error";
    w.digitSeparator = ",";
    w.milliseconds = "ms";
    w.seconds = "s";
    w.minutes = "min";
    w.hours = "h";
    return w;
}

std::string migrationReportHtml(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                                const ReportWords& w, const ReportOptions& options)
{
    const ReportSummary s = summarizeResults(items);
    const std::string& title = options.title.empty() ? w.title : options.title;
    std::vector<std::string_view> messageOrder;
    const std::unordered_map<std::string_view, std::size_t> messageNumbers =
        repeatedMessages(items, messageOrder);

    std::string out;
    out.reserve(4096 + s.items * 400 + s.diagnostics * 80);
    out +=
        "<!DOCTYPE html>\n<html lang=\"" + escaped(w.language.empty() ? "en" : w.language) + "\">\n<head>\n";
    out +=
        "<meta charset=\"utf-8\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"color-scheme\" content=\"light dark\">\n<meta name=\"generator\" content=\"Tovalo\">\n";
    out += "<title>" + escaped(title) + "</title>\n<style>\n";
    out += reportStyle();
    if (!messageOrder.empty()) {
        // Each repeated message once; see the script's toggle handler.
        for (std::size_t i = 0; i < messageOrder.size(); ++i) {
            out += ".m" + std::to_string(i) + "::after{content:\"";
            appendCssString(out, messageOrder[i]);
            out += "\"}\n";
        }
    }
    out += "</style>\n</head>\n<body>\n<main>\n";

    // Heading and totals.
    out += "<h1>" + escaped(title) + "</h1>\n";
    if (!options.generated.empty())
        out += "<p class=\"sub\">" + say(w.generated, options.generated) + "</p>\n";
    out += "<nav><a href=\"#summary\">" + escaped(w.summary) + "</a><a href=\"#codes\">" +
           escaped(w.codesHeading) + "</a><a href=\"#items\">" + escaped(w.itemsHeading) + "</a></nav>\n";
    out += "<section id=\"summary\">\n<h2>" + escaped(w.summary) + "</h2>\n<dl class=\"tiles\">\n";
    const auto share = [&](std::size_t n) {
        return say(w.percentOfItems, percent(n, s.items));
    };
    appendTile(out, "all", w.items, grouped(s.items, w), {});
    appendTile(out, "ok", w.ok, grouped(s.ok, w), share(s.ok));
    appendTile(out, "ng", w.ng, grouped(s.ng, w), share(s.ng));
    appendTile(out, "syntax", w.syntaxErrors, grouped(s.syntaxErrors, w), share(s.syntaxErrors));
    appendTile(out, "none", w.notConverted, grouped(s.notConverted, w), share(s.notConverted));
    out += "</dl>\n<dl class=\"facts\">\n";
    appendFact(out, w.diagnostics, escaped(grouped(s.diagnostics, w)));
    appendFact(out, w.totalTime, escaped(duration(s.timed ? s.totalMs : -1, w)));
    appendFact(out, w.medianTime, escaped(duration(s.medianMs, w)));
    // Results written before the version was read without the sentence's full stop still hold it.
    std::string_view version = header.dpctVersion;
    if (version.ends_with('.'))
        version.remove_suffix(1);
    appendFact(out, w.dpctVersion, escaped(version.empty() ? std::string_view(w.unknown) : version));
    appendFact(out, w.dpctCodebase, escaped(header.dpctCodebase.empty() ? w.unknown : header.dpctCodebase));
    if (!s.commonFolder.empty())
        appendFact(out, w.folder, escaped(s.commonFolder));
    if (!header.error.empty())
        appendFact(out, w.status, escaped(header.error));
    out += "</dl>\n</section>\n";

    // Charts.
    out += "<div class=\"charts\">\n<figure id=\"status-chart\"><figcaption>" + escaped(w.statusChart) +
           "</figcaption>\n";
    const auto statusBar = [&](const std::string& label, std::size_t n, const char* css) {
        return Bar{label, n, grouped(n, w) + " (" + fillIn(w.percentOfItems, percent(n, s.items)) + ")", css};
    };
    appendBarChart(out, w.statusChart,
                   {statusBar(w.ok, s.ok, "b-ok"), statusBar(w.ng, s.ng, "b-ng"),
                    statusBar(w.syntaxErrors, s.syntaxErrors, "b-syntax"),
                    statusBar(w.notConverted, s.notConverted, "b-none")});
    out += "</figure>\n<figure id=\"code-chart\"><figcaption>" + escaped(w.codeChart) + "</figcaption>\n";
    if (s.codes.empty()) {
        out += "<p class=\"none-note\">" + escaped(w.noDiagnostics) + "</p>";
    } else {
        constexpr std::size_t kShown = 12;
        std::vector<Bar> bars;
        std::size_t rest = 0;
        for (std::size_t i = 0; i < s.codes.size(); ++i) {
            if (i < kShown || s.codes.size() == kShown + 1)
                bars.push_back({s.codes[i].key, s.codes[i].count, grouped(s.codes[i].count, w), "b-code"});
            else
                rest += s.codes[i].count;
        }
        if (rest > 0)
            bars.push_back({fillIn(w.otherCodes, grouped(s.codes.size() - kShown, w)), rest, grouped(rest, w),
                            "b-none"});
        appendBarChart(out, w.codeChart, bars);
    }
    out += "</figure>\n</div>\n";

    // Codes.
    out += "<section id=\"codes\">\n<h2>" + escaped(w.codesHeading) + "</h2>\n";
    if (s.codes.empty()) {
        out += "<p class=\"none-note\">" + escaped(w.noDiagnostics) + "</p>\n";
    } else {
        out += "<table id=\"code-table\"><thead><tr><th>" + escaped(w.code) + "</th><th class=\"n\">" +
               escaped(w.count) + "</th><th class=\"n\">" + escaped(w.itemsAffected) + "</th><th>" +
               escaped(w.firstMessage) + "</th><th>" + escaped(w.reference) + "</th></tr></thead>\n<tbody>\n";
        for (const ReportCode& c : s.codes) {
            out += "<tr><td><b>" + escaped(c.key) + "</b></td><td class=\"n\">" +
                   escaped(grouped(c.count, w)) + "</td><td class=\"n\">" + escaped(grouped(c.items, w)) +
                   "</td><td>" + escaped(c.firstMessage) + "</td><td class=\"r\">";
            if (!c.url.empty())
                out += "<a href=\"" + escaped(c.url) + "\" target=\"_blank\" rel=\"noopener noreferrer\">" +
                       say(w.referenceLink, c.key) + "</a>";
            out += "</td></tr>\n";
        }
        out += "</tbody></table>\n";
    }
    out += "</section>\n";

    // Items.
    out += "<section id=\"items\">\n<h2>" + escaped(w.itemsHeading) + "</h2>\n";
    out += "<div class=\"tools\" id=\"item-tools\" hidden><label for=\"item-filter\">" + escaped(w.filter) +
           "</label><input type=\"search\" id=\"item-filter\" placeholder=\"" + escaped(w.filterHint) +
           "\" autocomplete=\"off\"><output id=\"item-shown\" data-text=\"" + escaped(w.shown) +
           "\" data-separator=\"" + escaped(w.digitSeparator) + "\"></output></div>\n";
    out += "<table id=\"item-table\" data-sort-hint=\"" + escaped(w.sortHint) + "\"><thead><tr><th>" +
           escaped(w.path) + "</th><th data-sort=\"num\" data-first=\"asc\">" + escaped(w.status) +
           "</th><th class=\"n\" data-sort=\"num\" data-first=\"desc\">" + escaped(w.exitCode) +
           "</th><th class=\"n\" data-sort=\"num\" data-first=\"desc\">" + escaped(w.time) +
           "</th><th class=\"n\" data-sort=\"num\" data-first=\"desc\">" + escaped(w.diagnosticsColumn) +
           "</th></tr></thead>\n";
    for (const CDpctData* item : items) {
        if (!item)
            continue;
        const StatusLook look = statusLook(item->status, w);
        // The item's codes, for the filter: its diagnostics reach the page only when opened.
        out += "<tbody";
        if (!item->diagnostics.empty()) {
            out += " data-codes=\"";
            const std::vector<DiagnosticCount> counts = countByCode(item->diagnostics);
            for (std::size_t i = 0; i < counts.size(); ++i) {
                if (i > 0)
                    out += ' ';
                appendText(out, counts[i].key);
            }
            out += '"';
        }
        out += "><tr><td class=\"p\" title=\"" + escaped(item->path) + "\">" +
               escaped(pathBelow(item->path, s.commonFolder)) + "</td><td data-v=\"" +
               std::to_string(look.rank) + "\"><span class=\"s " + look.css + "\">" + escaped(*look.word) +
               "</span></td>";
        if (finished(item->status))
            out += "<td class=\"n\" data-v=\"" + std::to_string(item->exitCode) + "\">" +
                   std::to_string(item->exitCode) + "</td>";
        else
            out += "<td class=\"n\">" + escaped(w.notRun) + "</td>";
        out += "<td class=\"n\"";
        if (item->elapsedMs >= 0)
            out += " data-v=\"" + std::to_string(item->elapsedMs) + "\"";
        out += ">" + escaped(duration(item->elapsedMs, w)) + "</td><td class=\"n\" data-v=\"" +
               number(static_cast<std::size_t>(item->diagnosticCount())) + "\">" +
               escaped(grouped(static_cast<std::size_t>(item->diagnosticCount()), w)) + "</td></tr>";
        if (!item->diagnostics.empty()) {
            out += "\n<tr class=\"d\"><td colspan=\"5\"><details><summary>" +
                   say(w.itemDiagnostics, grouped(item->diagnostics.size(), w)) +
                   "</summary><noscript><ul>\n";
            for (const DpctDiagnostic& d : item->diagnostics) {
                const auto numbered = messageNumbers.find(d.message);
                if (numbered != messageNumbers.end())
                    out += "<li class=\"m" + std::to_string(numbered->second) + "\">";
                else
                    out += "<li>";
                out += "<i>";
                appendText(out, pathBelow(d.file, s.commonFolder));
                out += ":" + std::to_string(d.line) + ":" + std::to_string(d.column) + "</i> <b>";
                appendText(out, countKey(d));
                out += "</b> ";
                if (numbered == messageNumbers.end())
                    appendText(out, d.message);
                out += "</li>\n";
            }
            out += "</ul></noscript></details></td></tr>";
        }
        out += "</tbody>\n";
    }
    out += "</table>\n</section>\n";
    if (!messageOrder.empty()) {
        out += "<template id=\"messages\">";
        for (const std::string_view m : messageOrder) {
            out += "<p>";
            appendText(out, m);
            out += "</p>";
        }
        out += "</template>\n";
    }
    out += "</main>\n<script>\n";
    out += reportScript();
    out += "</script>\n</body>\n</html>\n";
    return out;
}

} // namespace tovalo
