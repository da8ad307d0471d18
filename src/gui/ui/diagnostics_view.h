#pragma once
// DiagnosticsView: dpct's diagnostics of one document's last run, by code. One row per code
// with its count, the first message and the files it occurs in; under it one row per
// occurrence (file, line, column, message). A double-click or Enter on a row opens its source
// location (a code's row: its first occurrence) in the user's editor: the platform's default
// program, or the editor command line typed in the view (kept in the settings).
//
// The view belongs to its document window and shows what refresh() is given; it holds copies,
// never pointers to items, so it may outlive a run or an edit of the list.

#include "data/dpct_data.h"

#include <vector>

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class DiagnosticsView : public QDialog
{
    Q_OBJECT

public:
    DiagnosticsView(Settings& settings, QWidget* parent = nullptr);

    /// Shows the diagnostics of `items` (null pointers skipped).
    void refresh(const std::vector<const CDpctData*>& items);

    QTreeWidget* tree() const { return tree_; }
    QLineEdit* editorEdit() const { return editor_; }
    /// Opens the location of `row` (a code's row or an occurrence's row). False when it has none
    /// or it could not be opened (the user has been told).
    bool openRow(QTreeWidgetItem* row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editorEdited();

    Settings& settings_;
    QLabel* summary_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLineEdit* editor_ = nullptr;
};

} // namespace tovalo::gui
