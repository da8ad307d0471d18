#include "ui/list_editor.h"

#include "base/path_text.h"
#include "base/text.h"
#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/common_options.h"
#include "data/definition_document.h"
#include "data/dpct_data.h"
#include "settings/settings.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/message_box.h"
#include "ui/settings_folder_memory.h"
#include "ui/wait_cursor.h"

#include <algorithm>
#include <numeric>

#include <QDir>

namespace tovalo::gui {

ListEditor::ListEditor(DefinitionDocument& document, DefinitionModel& model, CDpctTreeCtrl& list,
                       Settings& settings, SettingsFolderMemory& folders, QWidget* window)
    : document_(document), model_(model), list_(list), settings_(settings), folders_(folders), window_(window)
{}

int ListEditor::selectedItemRow() const
{
    return model_.documentRow(list_.selectedRow());
}

std::vector<int> ListEditor::selectedItemRows() const
{
    std::vector<int> rows = list_.selectedRows();
    for (int& r : rows)
        r = model_.documentRow(r);
    std::erase(rows, -1);
    return rows;
}

void ListEditor::addItem()
{
    CDpctData confirmed;
    CDpctDataDlg dialog(
        CDpctDataDlg::Mode::Add, confirmed, &settings_.defaultItem,
        [this](std::string_view path) { return document_.contains(path); }, &folders_, window_);
    dialog.setBaseFolder(folderOfFile(document_.path()));
    if (dialog.exec() != QDialog::Accepted)
        return;

    if (confirmed.kind == ItemKind::File) {
        const int row = document_.add(confirmed);
        Q_EMIT rowChosen(row);
        list_.ensureVisible(list_.selectedRow());
    } else {
        // The scan runs off the UI thread, skips the listed paths (the document's duplicate
        // rule) and shows message 732 itself when it finds nothing.
        DirectoryScanResult scan = runDirectoryScan(window_, confirmed, document_.paths());
        if (scan.cancelled)
            return;
        if (document_.add(std::move(scan.items)) >= 0) {
            // The selection goes to the list's first row, not to the first one added.
            Q_EMIT rowChosen(model_.documentRow(0));
        }
    }
    // A finished add marks the document, even a scan that found nothing new.
    document_.setModified(true);
    model_.checkFiles();
    Q_EMIT edited();
}

int ListEditor::addItems(std::vector<CDpctData> items)
{
    PathIndex taken;
    std::erase_if(items, [&](const CDpctData& item) {
        if (item.path.empty() || document_.contains(item.path) || taken.contains(item.path))
            return true;
        taken.insert(item.path);
        return false;
    });
    const int count = static_cast<int>(items.size());
    const int first = document_.add(std::move(items));
    if (first < 0)
        return 0;
    Q_EMIT rowChosen(first);
    if (list_.selectedRow() >= 0)
        list_.ensureVisible(list_.selectedRow());
    model_.checkFiles();
    Q_EMIT edited();
    return count;
}

void ListEditor::updateItem()
{
    if (const std::vector<int> rows = selectedItemRows(); rows.size() > 1) {
        updateItems(rows);
        return;
    }
    const int row = selectedItemRow();
    CDpctData changed = *document_.item(row);
    CDpctDataDlg dialog(CDpctDataDlg::Mode::Update, changed, nullptr, {}, &folders_, window_);
    dialog.setBaseFolder(folderOfFile(document_.path()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    document_.update(row, changed);
    model_.checkFiles();
    Q_EMIT edited();
    Q_EMIT itemShown(document_.item(row));
}

void ListEditor::updateItems(const std::vector<int>& documentRows)
{
    std::vector<const CDpctData*> items;
    items.reserve(documentRows.size());
    for (const int r : documentRows)
        items.push_back(document_.item(r));
    CDpctDataDlg dialog(items, &folders_, window_);
    dialog.setBaseFolder(folderOfFile(document_.path()));
    if (dialog.exec() != QDialog::Accepted || !dialog.touches().any())
        return;
    WaitCursor wait;
    if (updateTouchedOptions(document_, documentRows, dialog.workingRecord(), dialog.touches()) == 0)
        return;
    Q_EMIT edited();
    Q_EMIT selectionEdited();
}

QString ListEditor::namedRows(const std::vector<int>& documentRows) const
{
    constexpr std::size_t kNamed = 3;
    QString text;
    for (std::size_t i = 0; i < documentRows.size() && i < kNamed; ++i) {
        const CDpctData* item = document_.item(documentRows[i]);
        text += QLatin1Char('\n') +
                (item ? QDir::toNativeSeparators(QString::fromStdString(item->path)) : QString());
    }
    if (documentRows.size() > kNamed)
        text += QLatin1Char('\n') +
                tr("and %n more", nullptr, static_cast<int>(documentRows.size()) - static_cast<int>(kNamed));
    return text;
}

QString ListEditor::selectedDeleteQuestion(const std::vector<int>& documentRows) const
{
    return tr("Are you sure you want to delete the %n selected item(s) from the list?", nullptr,
              static_cast<int>(documentRows.size())) +
           namedRows(documentRows);
}

QString ListEditor::deleteQuestion(const std::vector<int>& documentRows) const
{
    const auto shown = [this](int row) {
        const CDpctData* item = document_.item(row);
        return item ? QDir::toNativeSeparators(QString::fromStdString(item->path)) : QString();
    };
    if (documentRows.size() == 1)
        return tr("Are you sure you want to delete %1 from the list?").arg(shown(documentRows.front()));
    const auto count = static_cast<int>(documentRows.size());
    QString text = tr("Are you sure you want to delete all %n item(s) from the list?", nullptr, count);
    text += namedRows(documentRows);
    const int hidden = count - model_.rowCount();
    if (model_.isFiltered() && hidden > 0)
        text += QStringLiteral("\n\n") + tr("%n of them are hidden by the filter.", nullptr, hidden);
    return text;
}

void ListEditor::deleteItem()
{
    if (const std::vector<int> rows = selectedItemRows(); rows.size() > 1) {
        if (MessageBox::askYesNo(window_, selectedDeleteQuestion(rows)) != QMessageBox::Yes)
            return;
        WaitCursor wait;
        // The row that follows the first deleted one in the list takes the selection.
        const int firstShown = model_.rowOf(rows.front());
        document_.remove(rows);
        const int next = std::min(firstShown, model_.rowCount() - 1);
        Q_EMIT rowChosen(model_.documentRow(next));
        Q_EMIT edited();
        return;
    }
    const int row = selectedItemRow();
    if (MessageBox::askYesNo(window_, deleteQuestion({row})) != QMessageBox::Yes)
        return;
    WaitCursor wait;
    // The row after the deleted one takes the selection, or the one before it at the end.
    const int shownRow = list_.selectedRow();
    document_.remove(row);
    const int next = shownRow < model_.rowCount() ? shownRow : shownRow - 1;
    Q_EMIT rowChosen(model_.documentRow(next));
    Q_EMIT edited();
}

void ListEditor::deleteAllItems()
{
    std::vector<int> rows(static_cast<std::size_t>(document_.size()));
    std::iota(rows.begin(), rows.end(), 0);
    if (MessageBox::askYesNo(window_, deleteQuestion(rows)) != QMessageBox::Yes)
        return;
    WaitCursor wait;
    document_.removeAll();
    Q_EMIT itemShown(nullptr);
    Q_EMIT edited();
}

void ListEditor::moveItem(int step)
{
    const int shownRow = list_.selectedRow();
    moveRow(shownRow, shownRow + step);
}

void ListEditor::moveRow(int from, int to)
{
    const int documentFrom = model_.documentRow(from);
    const int documentTo = model_.documentRow(to);
    if (documentFrom < 0 || documentTo < 0 || !document_.move(documentFrom, documentTo))
        return;
    // The list's selection followed the moved row.
    list_.ensureVisible(list_.selectedRow());
    Q_EMIT edited();
}

void ListEditor::undo()
{
    WaitCursor wait;
    historyMoved(document_.undo());
}

void ListEditor::redo()
{
    WaitCursor wait;
    historyMoved(document_.redo());
}

void ListEditor::historyMoved(int documentRow)
{
    Q_EMIT rowChosen(documentRow);
    if (list_.selectedRow() >= 0)
        list_.ensureVisible(list_.selectedRow());
    model_.checkFiles();
    Q_EMIT edited();
}

} // namespace tovalo::gui
