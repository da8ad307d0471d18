#pragma once
// Runs the directory scan of the add command off the UI thread. The window stays responsive;
// when the scan takes longer than a moment a modal progress dialog with Cancel appears. User
// input is held back until then, so nothing can change the list while the scan runs.

#include "data/dpct_data.h"
#include "ui/item_dialog/directory_scan.h"

#include <string>
#include <vector>

#include <QString>

class QWidget;

namespace tovalo::gui {

struct DirectoryScanResult
{
    std::vector<tovalo::CDpctData> items;   ///< the new items, in scan order
    bool matched = false;                   ///< false when the folder text named nothing
    bool cancelled = false;                 ///< the user pressed Cancel; `items` is then empty
    std::vector<std::string> withLineBreak; ///< .cu files left out: their paths hold a line break
    ScanProgress totals;                    ///< what the scan counted, skipped files included
};

/// One line saying what a scan did: how many files it added, how many the list held already,
/// and how many it skipped and why (names with line breaks, folders it could not read, links to
/// folders it did not follow). Parts that are zero are left out.
QString scanReport(const DirectoryScanResult& result);

/// Scans `confirmed.path` (with `confirmed.includeSubdirs`) and returns one new item per new
/// .cu file: a copy of `confirmed` with `kind` File, `includeSubdirs` false and its own path. Files
/// already listed in `existingPaths` (case ignored) are skipped silently. Files whose paths hold
/// a line break are left out and named once after the scan (message 735, warning). When the
/// scan ends without new items (and was not cancelled) message 732 is shown with a warning icon.
/// Message 732 also says what was left out; after a scan that added items, scanReport() appears
/// in the status bar of `parent`'s main window.
/// The caller appends the items to the list and marks the document modified.
DirectoryScanResult runDirectoryScan(QWidget* parent, const tovalo::CDpctData& confirmed,
                                     const std::vector<std::string>& existingPaths, int showAfterMs = 400);

} // namespace tovalo::gui
