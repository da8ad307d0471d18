#include "ui/child_frame.h"

#include "base/text.h"
#include "ui/command_ids.h"
#include "data/definition_file.h"
#include "data/dpct_data.h"
#include "controls/commui/dialog_seam.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "controls/dpct_prop_ctrl.h"
#include "ui/dpct_result_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/list_colors.h"
#include "ui/message_box.h"
#include "settings/settings.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

namespace tovalo::gui {
namespace {

/// Wait cursor for the life of the object.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

CChildFrame::CChildFrame(Settings& settings, QWidget* parent)
    : CDocumentWindow(parent), settings_(settings), folders_(settings)
{
    setObjectName(QStringLiteral("childFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.png")));

    outer_ = new QSplitter(Qt::Horizontal, this);
    outer_->setObjectName(QStringLiteral("outerSplitter"));
    outer_->setChildrenCollapsible(false);
    inner_ = new QSplitter(Qt::Vertical, outer_);
    inner_->setObjectName(QStringLiteral("innerSplitter"));
    inner_->setChildrenCollapsible(false);
    list_ = new CDpctTreeCtrl(inner_);
    result_ = new CDpctResultCtrl(inner_);
    prop_ = new CDpctPropCtrl(outer_);
    outer_->addWidget(inner_);
    outer_->addWidget(prop_);
    inner_->addWidget(list_);
    inner_->addWidget(result_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer_);

    // The focus given to the window goes to the list; Tab then visits result and grid.
    setFocusProxy(list_);
    setTabOrder(list_, result_);
    setTabOrder(result_, prop_);

    connect(list_, &CDpctTreeCtrl::selectionChanged, this, &CChildFrame::selectionMoved);
    connect(list_, &CDpctTreeCtrl::rowDoubleClicked, this, [this](CDpctTreeItem* row) {
        // The update command acts on the selection; a double-click over empty space too, as
        // long as there is one. During a run the command is disabled.
        (void)row;
        if (commandEnabled(cmd::UpdateItem))
            updateItem();
    });
    connect(list_, &CDpctTreeCtrl::contextMenuRequested, this, &CChildFrame::showContextMenu);

    applyColors(settings_);
    ShowItem(nullptr);
    UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

// ---------------------------------------------------------------------------------------------
// Rows and the view

int CChildFrame::rowCount() const
{
    return list_->GetCount();
}

std::vector<CDpctTreeItem*> CChildFrame::rows() const
{
    std::vector<CDpctTreeItem*> out;
    out.reserve(static_cast<std::size_t>(list_->GetCount()));
    for (int i = 0; i < list_->GetCount(); ++i)
        out.push_back(list_->ItemAt(i));
    return out;
}

std::vector<CDpctData*> CChildFrame::runItems()
{
    std::vector<CDpctData*> out;
    out.reserve(static_cast<std::size_t>(list_->GetCount()));
    for (int i = 0; i < list_->GetCount(); ++i) {
        if (CDpctData* item = list_->ItemAt(i)->data())
            out.push_back(item);
    }
    return out;
}

int CChildFrame::currentRow() const
{
    return list_->IndexOf(currentRow_);
}

void CChildFrame::ShowItem(const CDpctData* item)
{
    prop_->Fill(item);
    shownItem_ = item;
    shownSize_ = item ? item->resultText.size() : 0;
    result_->setText(item ? std::string_view(item->resultText) : std::string_view());
}

void CChildFrame::selectionMoved(CDpctTreeItem* row)
{
    ShowItem(row ? row->data() : nullptr);
    Q_EMIT stateChanged();
}

void CChildFrame::SetProportions()
{
    const int w = outer_->width();
    const int h = inner_->height();
    outer_->setSizes({std::max(0, w * 2 / 3), std::max(0, w - w * 2 / 3)});
    inner_->setSizes({std::max(0, h * 2 / 3), std::max(0, h - h * 2 / 3)});
}

void CChildFrame::resizeEvent(QResizeEvent* event)
{
    CDocumentWindow::resizeEvent(event);
    // The first real size gives the panes their proportions; later the user's divider
    // positions are kept (the splitters share out size changes themselves).
    if (!splitDone_ && width() > 0 && height() > 0) {
        splitDone_ = true;
        SetProportions();
    }
}

void CChildFrame::UpdateTitle()
{
    QString title = path_.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(path_);
    if (modified_)
        title += QStringLiteral(" *");
    if (title != windowTitle()) {
        setWindowTitle(title);
        Q_EMIT stateChanged();
    }
}

void CChildFrame::changeEvent(QEvent* event)
{
    CDocumentWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // Force the new "Untitled" text through.
        setWindowTitle(QString());
        UpdateTitle();
    }
}

void CChildFrame::setModified(bool modified)
{
    modified_ = modified;
    UpdateTitle();
    Q_EMIT stateChanged();
}

void CChildFrame::applyColors(const Settings& settings)
{
    ListColors colors;
    for (std::size_t i = 0; i < colors.values.size() && i < settings.colors.size(); ++i)
        colors.values[i] = settings.colors[i];
    list_->setColors(colors);
    result_->applyColors(settings);
}

bool CChildFrame::isListed(std::string_view path) const
{
    for (int i = 0; i < list_->GetCount(); ++i) {
        const CDpctData* item = list_->ItemAt(i)->data();
        if (item && caseFoldEquals(item->path, path))
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Reading and writing

bool CChildFrame::loadDefinition(const QString& path, QString& error)
{
    WaitCursor wait;
    ReadResult read = readDefinitionFile(path.toStdString());
    if (!read.ok) {
        error = QString::fromStdString(read.error);
        return false;
    }
    list_->DeleteAllItems(false);
    for (CDpctData& item : read.items)
        list_->AddItem(std::make_unique<CDpctData>(std::move(item)));
    list_->RecalcScroll(true);
    path_ = path;
    CDpctTreeItem* first = list_->GetFirstItem();
    if (first)
        list_->SelectItem(first);
    ShowItem(first ? first->data() : nullptr);
    UpdateTitle();
    Q_EMIT stateChanged();
    return true;
}

bool CChildFrame::write(const QString& path)
{
    std::vector<CDpctData> items;
    items.reserve(static_cast<std::size_t>(list_->GetCount()));
    for (int i = 0; i < list_->GetCount(); ++i) {
        if (const CDpctData* item = list_->ItemAt(i)->data())
            items.push_back(*item);
    }
    std::string error;
    bool ok = false;
    {
        WaitCursor wait;
        ok = writeDefinitionFile(path.toStdString(), items, error);
    }
    if (!ok) {
        MessageBox::error(this,
                          tr("%1\n%2").arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
        return false;
    }
    path_ = path;
    settings_.addRecent(path.toStdString());
    setModified(false);
    return true;
}

bool CChildFrame::save()
{
    if (path_.isEmpty())
        return saveAs();
    return write(path_);
}

bool CChildFrame::saveAs()
{
    QString start = path_;
    if (start.isEmpty())
        start = QString::fromStdString(settings_.folders[kDirTextSave]);
    const QString chosen = DialogSeam::saveFileName(
        this, tr("Save As"), start, tr("Definition file (*.txt);;All Files (*)"), QStringLiteral("txt"));
    if (chosen.isEmpty())
        return false;
    const QString absolute = QFileInfo(chosen).absoluteFilePath();
    settings_.folders[kDirTextSave] =
        QDir::toNativeSeparators(QFileInfo(absolute).absolutePath()).toStdString();
    return write(absolute);
}

bool CChildFrame::queryClose()
{
    if (!modified_)
        return true;
    const QString question = path_.isEmpty()
                                 ? tr("Do you want to save (%1)?").arg(tr("Untitled"))
                                 : tr("Do you want to save %1?").arg(QDir::toNativeSeparators(path_));
    switch (MessageBox::askYesNoCancel(this, question)) {
    case QMessageBox::Yes:
        // A save that was cancelled or failed keeps the window open, so nothing is lost.
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

void CChildFrame::setRunPhase(RunPhase phase)
{
    if (phase == runPhase_)
        return;
    runPhase_ = phase;
    list_->setRunPhase(static_cast<int>(phase));
}

bool CChildFrame::commandEnabled(int commandId) const
{
    if (!isIdle())
        return false;
    const bool haveRows = list_ && list_->GetCount() > 0;
    switch (commandId) {
    case cmd::Close:
    case cmd::AddItem:
        return true;
    case cmd::UpdateItem:
    case cmd::DeleteItem:
        return haveRows && list_->GetSelectedItem() != nullptr;
    case cmd::DeleteAll:
    case cmd::SaveAs:
        return haveRows;
    case cmd::Save:
        return haveRows && modified_;
    default:
        return false;
    }
}

void CChildFrame::runCommand(int commandId)
{
    switch (commandId) {
    case cmd::AddItem:
        addItem();
        break;
    case cmd::UpdateItem:
        updateItem();
        break;
    case cmd::DeleteItem:
        deleteItem();
        break;
    case cmd::DeleteAll:
        deleteAllItems();
        break;
    case cmd::Save:
        if (commandEnabled(cmd::Save))
            save();
        break;
    case cmd::SaveAs:
        if (commandEnabled(cmd::SaveAs))
            saveAs();
        break;
    default:
        break;
    }
}

void CChildFrame::addItem()
{
    if (!commandEnabled(cmd::AddItem))
        return;
    CDpctData confirmed;
    CDpctDataDlg dialog(
        CDpctDataDlg::Mode::Add, confirmed, &settings_.defaultItem,
        [this](std::string_view path) { return isListed(path); }, &folders_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    if (confirmed.kind == 0) {
        CDpctTreeItem* row = list_->AddItem(std::make_unique<CDpctData>(confirmed));
        list_->RecalcScroll(false);
        list_->SelectItem(row);
        ShowItem(row->data());
    } else {
        std::vector<std::string> existing;
        existing.reserve(static_cast<std::size_t>(list_->GetCount()));
        for (int i = 0; i < list_->GetCount(); ++i)
            existing.push_back(list_->ItemAt(i)->data()->path);
        // The scan runs off the UI thread and shows message 732 itself when it finds nothing.
        DirectoryScanResult scan = runDirectoryScan(this, confirmed, existing);
        if (scan.cancelled)
            return;
        if (!scan.items.empty()) {
            list_->setUpdatesEnabled(false);
            for (CDpctData& item : scan.items)
                list_->AddItem(std::make_unique<CDpctData>(std::move(item)));
            list_->setUpdatesEnabled(true);
            CDpctTreeItem* first = list_->GetFirstItem();
            list_->RecalcScroll(false);
            list_->SelectItem(first);
            ShowItem(first->data());
        }
    }
    setModified(true);
}

void CChildFrame::updateItem()
{
    if (!commandEnabled(cmd::UpdateItem))
        return;
    CDpctTreeItem* row = list_->GetSelectedItem();
    CDpctDataDlg dialog(CDpctDataDlg::Mode::Update, *row->data(), nullptr, {}, &folders_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    list_->UpdateItem(row);
    setModified(true);
    ShowItem(row->data());
}

void CChildFrame::deleteItem()
{
    if (!commandEnabled(cmd::DeleteItem))
        return;
    if (MessageBox::askYesNo(this, tr("Are you sure you want to delete the selected data?")) !=
        QMessageBox::Yes)
        return;
    WaitCursor wait;
    CDpctTreeItem* row = list_->GetSelectedItem();
    CDpctTreeItem* next = list_->GetNextItem(row);
    if (!next)
        next = list_->GetPrevItem(row);
    list_->DeleteItem(row, true);
    if (next)
        list_->SelectItem(next);
    ShowItem(next ? next->data() : nullptr);
    setModified(true);
}

void CChildFrame::deleteAllItems()
{
    if (!commandEnabled(cmd::DeleteAll))
        return;
    if (MessageBox::askYesNo(this, tr("Are you sure you want to delete all items?")) != QMessageBox::Yes)
        return;
    WaitCursor wait;
    list_->DeleteAllItems(true);
    ShowItem(nullptr);
    setModified(true);
}

void CChildFrame::showContextMenu(const QPoint& globalPos)
{
    if (!contextMenu_) {
        contextMenu_ = new QMenu(this);
        contextMenu_->setObjectName(QStringLiteral("listContextMenu"));
    }
    contextMenu_->clear();
    contextMenu_->setTitle(tr("&Edit"));
    const struct
    {
        int id;
        QString text;
        const char* name;
    } entries[] = {
        {cmd::AddItem, tr("&Add cu Files to List...\tIns"), "contextAddItem"},
        {cmd::UpdateItem, tr("&Update Selected List Item...\tEnter"), "contextUpdateItem"},
        {cmd::DeleteItem, tr("&Delete Selected List Item\tDel"), "contextDeleteItem"},
        {0, QString(), nullptr},
        {cmd::DeleteAll, tr("Delete &All Items...\tCtrl+Del"), "contextDeleteAll"},
    };
    for (const auto& e : entries) {
        if (e.id == 0) {
            contextMenu_->addSeparator();
            continue;
        }
        QAction* a = contextMenu_->addAction(e.text);
        a->setObjectName(QString::fromLatin1(e.name));
        a->setProperty("commandId", e.id);
        a->setEnabled(commandEnabled(e.id));
        const int id = e.id;
        // Queued, so that the menu has closed before a dialog or question opens.
        connect(a, &QAction::triggered, this, [this, id] {
            QMetaObject::invokeMethod(
                this, [this, id] { runCommand(id); }, Qt::QueuedConnection);
        });
    }
    contextMenu_->popup(globalPos);
}

// ---------------------------------------------------------------------------------------------
// The run

void CChildFrame::runStarted()
{
    currentRow_ = list_->GetFirstItem();
    if (currentRow_) {
        list_->SelectItem(currentRow_);
        list_->EnsureVisible(currentRow_);
        ShowItem(currentRow_->data());
    }
    list_->viewport()->update();
    Q_EMIT stateChanged();
}

void CChildFrame::runAdvance(bool next)
{
    if (!next) {
        currentRow_ = nullptr;
        list_->viewport()->update();
        Q_EMIT stateChanged();
        return;
    }
    if (!currentRow_ || !isRunPhase(runPhase_))
        return;
    currentRow_ = list_->GetNextItem(currentRow_);
    // The selection moves along, so that the row the grid and the result pane show is the one
    // that update and delete act on once the run has ended.
    if (currentRow_)
        list_->SelectItem(currentRow_);
    list_->viewport()->update();
    ShowItem(currentRow_ ? currentRow_->data() : nullptr);
    Q_EMIT stateChanged();
}

void CChildFrame::itemsChanged()
{
    list_->viewport()->update();
    // Outputs only grow or are replaced as a whole: a changed size means the shown output is
    // stale (the item's output arrives after it was shown as the run's current row).
    if (shownItem_ && shownItem_->resultText.size() != shownSize_)
        ShowItem(shownItem_);
}

} // namespace tovalo::gui
