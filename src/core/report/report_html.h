#pragma once
// The migration report: one self-contained HTML page (styles, script and charts inside it,
// nothing fetched) with the totals of a run, a chart of the statuses and one of the diagnostic
// codes, the table of codes with links to dpct's reference, and the table of items with their
// diagnostics folded under each. The items table sorts by each column and filters by text
// with the page's own script; without scripts the page shows the same content, unsorted.
//
// Large runs stay quick to open: each item's diagnostics are written inside <noscript>, which a
// browser that runs the page's script keeps as one piece of text (the script builds the list
// when the item is opened) and a browser without scripts shows as it is; a message carried by
// more than one diagnostic is written once (the style sheet shows it for each); the item rows
// are laid out only when they scroll into view.
//
// Every fixed text of the page comes from ReportWords, so each front end words the page in its
// language: tovalo-cli in English (englishReportWords), the GUI through its catalogs. Texts
// from the results (paths, messages, versions) are escaped; bytes that are not UTF-8 show as
// U+FFFD.

#include "data/run_results.h"

#include <string>
#include <vector>

namespace tovalo {

/// The fixed texts of the report. "%1" and "%2" stand for the numbers or texts named in each
/// member's comment.
struct ReportWords
{
    std::string language;     ///< the page's language tag ("en", "ja", "zh-CN")
    std::string title;        ///< the heading when the caller gives none
    std::string generated;    ///< %1: when the report was made
    std::string summary;      ///< heading of the totals
    std::string items;        ///< total of items
    std::string ok;           ///< items converted without error
    std::string ng;           ///< items dpct failed on
    std::string syntaxErrors; ///< items with parsing errors
    std::string notConverted; ///< items without a finished conversion
    std::string diagnostics;  ///< total of diagnostics
    std::string totalTime;
    std::string medianTime;
    std::string dpctVersion;
    std::string dpctCodebase;
    std::string folder;         ///< the folder the paths are relative to
    std::string unknown;        ///< a version or codebase the results do not hold
    std::string percentOfItems; ///< %1: a share of the items in percent, as a number
    std::string statusChart;    ///< caption of the chart of statuses
    std::string codeChart;      ///< caption of the chart of codes
    std::string otherCodes;     ///< %1: how many codes one bar of the code chart stands for
    std::string noDiagnostics;  ///< shown instead of the code chart and table
    std::string codesHeading;
    std::string code;
    std::string count;
    std::string itemsAffected;
    std::string firstMessage;
    std::string reference;     ///< the column of links to dpct's reference
    std::string referenceLink; ///< %1: the code; the text of each link
    std::string itemsHeading;
    std::string path;
    std::string status;
    std::string exitCode;
    std::string time;
    std::string diagnosticsColumn;
    std::string itemDiagnostics; ///< %1: the number of an item's diagnostics; opens the list
    std::string filter;          ///< the filter field's label
    std::string filterHint;      ///< placeholder text of the filter field
    std::string shown;           ///< %1 of %2: items the filter lets through, of all
    std::string sortHint;        ///< tooltip of a column heading that sorts
    std::string notRun;          ///< time or exit code of an item that did not run
    // The item statuses (see ItemStatus).
    std::string statusNone;
    std::string statusWaiting;
    std::string statusConverting;
    std::string statusOk;
    std::string statusNg;
    std::string statusSyntaxError;
    std::string digitSeparator; ///< between groups of three digits ("10,000"); may be empty
    // Units of times: "850 ms", "4.2 s", "3 min 05 s", "2 h 07 min".
    std::string milliseconds;
    std::string seconds;
    std::string minutes;
    std::string hours;
};

/// The English words (tovalo-cli; and the GUI's source texts).
ReportWords englishReportWords();

struct ReportOptions
{
    std::string title;     ///< the heading and the page's title; empty: words.title
    std::string generated; ///< when the report was made, worded by the caller; left out when empty
};

/// The report of `items` (null pointers skipped) and of the run's `header`, as one HTML page
/// (UTF-8). Pure: the same input gives the same page, from any thread.
std::string migrationReportHtml(const std::vector<const CDpctData*>& items, const ResultsHeader& header,
                                const ReportWords& words, const ReportOptions& options = {});

} // namespace tovalo
