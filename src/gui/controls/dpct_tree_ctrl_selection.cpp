// CDpctTreeCtrl's selection: which rows are selected (a selection may span hundreds of thousands
// of rows, so it is read by ranges), selecting rows from code, stepping the selection up and down,
// and what follows a change: the selectionMoved signal and the description a screen reader reads.

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"

#include <algorithm>

#include <QItemSelectionModel>

namespace tovalo::gui {

int CDpctTreeCtrl::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const int current = currentIndex().row();
    if (current >= 0 && isRowSelected(current))
        return current;
    const QItemSelection selection = selectionModel()->selection();
    int first = -1;
    for (const QItemSelectionRange& range : selection) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

std::vector<int> CDpctTreeCtrl::selectedRows() const
{
    std::vector<int> rows;
    if (!selectionModel())
        return rows;
    // Ranges rather than one index per cell: a selection may span hundreds of thousands of rows.
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CDpctTreeCtrl::selectedCount() const
{
    int n = 0;
    if (selectionModel()) {
        for (const QItemSelectionRange& range : selectionModel()->selection())
            n += range.height();
    }
    return n;
}

bool CDpctTreeCtrl::isRowSelected(int row) const
{
    return hasRow(row) && selectionModel() && selectionModel()->isRowSelected(row, rootIndex());
}

void CDpctTreeCtrl::selectRow(int row)
{
    if (row != -1 && !hasRow(row))
        return;
    if (!selectionModel())
        return;
    if (row < 0) {
        selectionModel()->clear();
        viewport()->update();
        return;
    }
    selectionModel()->setCurrentIndex(indexOf(row),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ensureVisible(row);
}

void CDpctTreeCtrl::selectRows(const std::vector<int>& rows)
{
    if (!selectionModel() || rows.empty() || !hasRow(rows.front()))
        return;
    QItemSelection selection;
    for (const int r : rows) {
        if (hasRow(r))
            selection.select(indexOf(r), indexOf(r));
    }
    selectionModel()->setCurrentIndex(indexOf(rows.front()), QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ensureVisible(rows.front());
}

int CDpctTreeCtrl::selectNextRow()
{
    return stepSelection(1);
}

int CDpctTreeCtrl::selectPrevRow()
{
    return stepSelection(-1);
}

int CDpctTreeCtrl::stepSelection(int step)
{
    const int before = selectedRow();
    int target = -1;
    if (before >= 0) {
        target = hasRow(before + step) ? before + step : -1;
    } else if (count() > 0) {
        // No selection: the first row in view going down, the last one going up.
        const int first = rowAt(QPoint(kStripWidth, 0));
        int last = rowAt(QPoint(kStripWidth, viewport()->height() - 1));
        if (last < 0)
            last = count() - 1;
        target = step > 0 ? std::max(first, 0) : last;
    }
    if (target < 0)
        return -1;
    selectRow(target);
    if (target != before)
        Q_EMIT selectionMoved(target);
    return target;
}

void CDpctTreeCtrl::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    ++selectionSerial_;
    multiSelection_ = selectedCount() > 1;
    updateAccessibleDescription();
}

void CDpctTreeCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    updateAccessibleDescription();
}

void CDpctTreeCtrl::signalling(const std::function<void()>& action)
{
    const QPersistentModelIndex before = currentIndex();
    const quint64 serial = selectionSerial_;
    action();
    const bool moved = QPersistentModelIndex(currentIndex()) != before;
    if (moved && currentIndex().isValid())
        ensureVisible(currentIndex().row());
    if (moved || selectionSerial_ != serial)
        Q_EMIT selectionMoved(currentIndex().row());
}

void CDpctTreeCtrl::updateAccessibleDescription()
{
    // Besides the table a screen reader walks, the list's description names the row the
    // single-item commands act on.
    QString text;
    if (const int row = selectedRow(); hasRow(row)) {
        const QString status = model_->index(row, DefinitionModel::StatusColumn).data().toString();
        text = tr("Row %1 of %2: %3")
                   .arg(row + 1)
                   .arg(count())
                   .arg(indexOf(row).data(DefinitionModel::PathRole).toString());
        if (!status.isEmpty())
            text += QStringLiteral(", ") + status;
    }
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
}

} // namespace tovalo::gui
