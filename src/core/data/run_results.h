#pragma once
// The results of a run as files: JSON (what `tovalo-cli run --json` prints and the GUI exports,
// and what `tovalo-cli run --results` reads back) and CSV (one row per item, a column per
// diagnostic code).
//
// JSON shape:
//   {"dpctVersion": "...", "dpctCodebase": "...", ["error": "...",]
//    "items": [{"path", "status", "exitCode", "elapsedMs", "diagnosticCounts": {"DPCT1003": 2},
//               "diagnostics": [{"file", "line", "column", "severity", "code", "message"}],
//               ["diagnosticsDropped",] ["output"]}]}
// "status" is an itemStatusName; "elapsedMs" is -1 for an item not run; "code" is empty for the
// compiler's own errors, which diagnosticCounts counts under their severity. "diagnosticsDropped"
// (left out when 0) counts the diagnostics printed beyond the most an item keeps; they are in
// neither list nor counts.

#include "base/file_io.h"
#include "dpct_data.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo {

struct ResultsHeader
{
    std::string dpctVersion;
    std::string dpctCodebase;
    std::string error; ///< left out when empty
};

/// Whether results written carry each item's console output ("output").
enum class OutputInResults
{
    Included,
    LeftOut,
};

/// How results JSON is laid out: all on one line (what tovalo-cli prints), or one item per line.
enum class ResultsLayout
{
    OneLine,
    LinePerItem,
};

/// The JSON text of `items` (null pointers skipped). Ends with a line end.
std::string resultsJson(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                        OutputInResults output, ResultsLayout layout = ResultsLayout::OneLine);

/// resultsJson on one line, handed to `sink` piece by piece as it is written (a file or a
/// terminal), so that the text of a large run is never held whole.
void writeResultsJson(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                      OutputInResults output, const std::function<void(std::string_view text)>& sink);

/// CSV (RFC 4180, CR LF line ends, UTF-8 with its byte-order mark so that spreadsheet programs
/// read non-ASCII paths right): path, status, exit code, elapsed ms, the number of diagnostics,
/// then one column per diagnostic code that occurs in any item, in code order. A text cell that
/// a spreadsheet would take for a formula (it starts with "=", "+", "-", "@", a tab or a carriage
/// return) is written with a leading "'"; the JSON keeps every text exact.
std::string resultsCsv(const std::vector<const CDpctData*>& items);

/// The status named by itemStatusName; false for any other text.
bool itemStatusFromName(std::string_view name, ItemStatus& status);

/// Reads a comma-separated list of status names ("ng,syntax-error"). False with `error` naming
/// the first unknown one.
bool parseStatusList(std::string_view list, std::vector<ItemStatus>& statuses, std::string& error);

/// Whether a reader of results takes the items' console output.
enum class ResultsOutput
{
    Read,
    Skipped, ///< passed over (a report has no use for it): resultText stays empty
};

/// Reads the results JSON into one item per listed entry, in file order (path, status, exit code,
/// elapsed time, diagnostics and, where listed, output), and its header. Returns false with
/// `error` when the text is not such JSON. The text is read in one pass without a tree of it.
bool readResultsJson(std::string_view json, ResultsHeader& header, std::vector<CDpctData>& items,
                     std::string& error, ResultsOutput output = ResultsOutput::Read);
/// The same from a file, whose memory is let go as it is read.
bool readResultsJson(FileView& file, ResultsHeader& header, std::vector<CDpctData>& items, std::string& error,
                     ResultsOutput output = ResultsOutput::Read);

/// Reads the results JSON back and puts each listed item's status, exit code, output,
/// diagnostics and elapsed time into the item of `items` with the same path (samePathText).
/// Items not listed are left alone. Returns false with `error` when the text is not such JSON.
bool applyResultsJson(std::string_view json, std::vector<CDpctData>& items, std::string& error);

/// applyResultsJson that also hands back the file's header, its entries that match no item of
/// `items` (`unmatched`, in file order) and which items it lists (`listed`, one flag per item).
bool applyResultsJson(std::string_view json, std::vector<CDpctData>& items, ResultsHeader& header,
                      std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error);
/// The same from a file, whose memory is let go as it is read.
bool applyResultsJson(FileView& file, std::vector<CDpctData>& items, ResultsHeader& header,
                      std::vector<CDpctData>& unmatched, std::vector<bool>& listed, std::string& error);

} // namespace tovalo
