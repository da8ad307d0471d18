// tovalo-cli report: the migration report of a run's results, as one HTML page.

#include "base/file_io.h"
#include "cli.h"
#include "data/run_results.h"
#include "report/report_html.h"
#include "report/report_summary.h"

#include <ctime>

namespace tovalo::cli {

namespace {

// Now in UTC ("2025-03-04 09:15 UTC"): a report kept as a build artifact is read anywhere.
std::string nowUtc()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* utc = std::gmtime(&now); // this program has one thread here
    char text[32] = {};
    if (!utc || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", utc) == 0)
        return {};
    return text;
}

} // namespace

int cmdReport(const Args& args)
{
    if (wantsHelp(args)) {
        out("Usage: tovalo-cli report RESULTS [-o FILE] [--title TEXT]\n\n"
            "Writes the migration report of the results RESULTS (the JSON of 'run --json' or of\n"
            "'run --results') as one HTML page that any browser opens, from disk or as a CI artifact:\n"
            "the totals (items, OK, NG, syntax errors, not converted, total and median time, dpct's\n"
            "version and codebase), charts of the statuses and of the diagnostic codes, the codes with\n"
            "links to dpct's reference, and the items with their diagnostics, sortable and filterable.\n"
            "Everything is inside the page; it fetches nothing.\n\n"
            "  -o, --output FILE   where to write the page, atomically (default: report.html);\n"
            "                      '-' writes it to stdout\n"
            "  --title TEXT        the page's heading (default: Migration report)\n\n"
            "Exit status: 0 written, 2 usage error, RESULTS unreadable or not results, or FILE not\n"
            "writable.\n");
        return kExitOk;
    }
    std::string resultsFile, output = "report.html", title;
    const auto takeOutput = [&](const std::string* v) -> std::string {
        if (!v || v->empty())
            return "--output needs a file name";
        output = *v;
        return {};
    };
    const auto takeTitle = [&](const std::string* v) -> std::string {
        if (!v)
            return "--title needs a text";
        title = *v;
        return {};
    };
    const std::vector<ArgOption> options = {
        {"--output", "-o", true, takeOutput},
        {"--title", {}, true, takeTitle},
    };
    if (const int usage = parseArguments("report", args, options, resultsFile, "results file");
        usage != kExitOk)
        return usage;

    std::string error;
    FileView text;
    if (Message why; !text.open(resultsFile, why)) {
        err("tovalo-cli report: cannot read '" + resultsFile + "': " + englishText(why) + "\n");
        return kExitUsage;
    }
    ResultsHeader header;
    std::vector<CDpctData> items;
    if (!readResultsJson(text, header, items, error, ResultsOutput::Skipped)) {
        err("tovalo-cli report: '" + resultsFile +
            "' is not a results file (the JSON of 'tovalo-cli run --json'): " + error + "\n");
        return kExitUsage;
    }

    std::vector<const CDpctData*> list;
    list.reserve(items.size());
    for (const CDpctData& item : items)
        list.push_back(&item);
    const std::string html = migrationReportHtml(list, header, englishReportWords(), {title, nowUtc()});
    if (output == "-") {
        out(html);
        return kExitOk;
    }
    if (Message why; !writeFileAtomically(output, html, why)) {
        err("tovalo-cli report: cannot write '" + output + "': " + englishText(why) + "\n");
        return kExitUsage;
    }
    const ReportSummary s = summarizeResults(list);
    // "1 item", "2 items": the line is read by people, in English.
    const auto counted = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    out("Wrote " + output + ": " + counted(s.items, "item", "items") + ", " + std::to_string(s.ok) + " ok, " +
        std::to_string(s.ng) + " failed, " + counted(s.syntaxErrors, "syntax error", "syntax errors") + ", " +
        std::to_string(s.notConverted) + " not converted, " +
        counted(s.diagnostics, "diagnostic", "diagnostics") + "\n");
    return kExitOk;
}

} // namespace tovalo::cli
