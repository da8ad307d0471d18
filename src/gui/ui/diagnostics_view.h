#pragma once
// DiagnosticsView: dpct's diagnostics of one document's last run, by code. One row per code
// with its count, the first message and the files it occurs in; under it one row per
// occurrence (file, line, column, message). A double-click or Enter on a row opens its source
// location (a code's row: its first occurrence) in the user's editor: the platform's default
// program, or the editor command line typed in the view (kept in the settings). The file that
// would open is shown under the list for the current row, made absolute as it will be passed.
//
// The view belongs to its document window and shows what refresh() is given; it holds copies of
// the diagnostics, never pointers to items, so it may outlive a run or an edit of the list (an
// item's address only tells its copy apart from the others'). refresh() takes in only the items
// whose diagnostics changed since the last call, and takes them in slices of a few milliseconds
// on the event loop, so a view left open during a long run costs time in proportion to the new
// diagnostics and never holds the window for longer than a frame.

#include "data/dpct_data.h"

#include <memory>
#include <vector>

#include <QDialog>

class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;
class QTimer;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class DiagnosticsModel;

class DiagnosticsView : public QDialog
{
    Q_OBJECT

public:
    DiagnosticsView(Settings& settings, QWidget* parent = nullptr);
    ~DiagnosticsView() override;

    /// Shows the diagnostics of `items` (null pointers skipped): items whose diagnostics changed
    /// since the last call are taken in (on the event loop, see pending()), items no longer
    /// listed are dropped.
    void refresh(const std::vector<const CDpctData*>& items);
    /// Items of the last refresh not yet taken in.
    int pending() const;
    /// The longest the view has held the event loop at a time (one refresh() or one slice of
    /// taking in), in milliseconds: what a run with the view open costs the window at worst.
    qint64 longestStepMs() const { return longestStepMs_; }

    QTreeView* tree() const { return tree_; }
    QLineEdit* editorEdit() const { return editor_; }
    /// The line that names the file the current row opens.
    QLabel* openTarget() const { return target_; }
    /// Opens the location of the row at `index` (a code's row or an occurrence's row). False when
    /// it has none or it could not be opened (the user has been told).
    bool openRow(const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void editorEdited();
    void takeInSome();
    void updateSummary();
    void updateTarget();

    Settings& settings_;
    QLabel* summary_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLabel* target_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QTimer* slice_ = nullptr;
    bool anyRun_ = false; ///< an item of the list has been converted (or is being converted)
    qint64 longestStepMs_ = 0;
    std::unique_ptr<DiagnosticsModel> model_;
};

} // namespace tovalo::gui
