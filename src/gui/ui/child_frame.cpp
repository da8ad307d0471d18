#include "ui/child_frame.h"

#include "app/app_settings.h"
#include "base/codec.h"
#include "base/file_io.h"
#include "base/path_text.h"
#include "controls/commui/dialog_seam.h"
#include "controls/definition_model.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/list_colors.h"
#include "data/definition_file.h"
#include "data/dpct_data.h"
#include "data/run_results.h"
#include "settings/settings.h"
#include "ui/command_ids.h"
#include "ui/core_messages.h"
#include "ui/diagnostics_view.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/message_box.h"
#include "ui/wait_cursor.h"

#include <algorithm>
#include <unordered_map>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

namespace tovalo::gui {

CChildFrame::CChildFrame(Settings& settings, QWidget* parent)
    : CDocumentWindow(parent), settings_(settings), folders_(settings),
      model_(std::make_unique<DefinitionModel>(document_))
{
    setObjectName(QStringLiteral("childFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.png")));
    folders_.setBesideFolder([this] {
        const QString path = filePath();
        return path.isEmpty() ? std::string() : QFileInfo(path).absolutePath().toStdString();
    });

    outer_ = new QSplitter(Qt::Horizontal, this);
    outer_->setObjectName(QStringLiteral("outerSplitter"));
    outer_->setChildrenCollapsible(false);
    inner_ = new QSplitter(Qt::Vertical, outer_);
    inner_->setObjectName(QStringLiteral("innerSplitter"));
    inner_->setChildrenCollapsible(false);
    // The list pane: the filter box above the list.
    auto* listPane = new QWidget(inner_);
    listPane->setObjectName(QStringLiteral("listPane"));
    auto* filterBar = new QHBoxLayout;
    filterBar->setContentsMargins(4, 2, 4, 2);
    filterLabel_ = new QLabel(listPane);
    filterLabel_->setObjectName(QStringLiteral("filterLabel"));
    filterEdit_ = new QLineEdit(listPane);
    filterEdit_->setObjectName(QStringLiteral("filterEdit"));
    filterEdit_->setClearButtonEnabled(true);
    filterLabel_->setBuddy(filterEdit_);
    filterCount_ = new QLabel(listPane);
    filterCount_->setObjectName(QStringLiteral("filterCount"));
    filterBar->addWidget(filterLabel_);
    filterBar->addWidget(filterEdit_, 1);
    filterBar->addWidget(filterCount_);
    list_ = new CDpctTreeCtrl(listPane);
    list_->setModel(model_.get());
    auto* paneLayout = new QVBoxLayout(listPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addLayout(filterBar);
    paneLayout->addWidget(list_, 1);
    // Escape in the filter box empties it.
    auto* clearFilter = new QAction(filterEdit_);
    clearFilter->setShortcut(QKeySequence(Qt::Key_Escape));
    clearFilter->setShortcutContext(Qt::WidgetShortcut);
    filterEdit_->addAction(clearFilter);
    connect(clearFilter, &QAction::triggered, filterEdit_, &QLineEdit::clear);
    connect(filterEdit_, &QLineEdit::textChanged, this, &CChildFrame::filterChanged);
    filterEdit_->installEventFilter(this);
    result_ = new CDpctResultCtrl(inner_);
    prop_ = new CDpctPropCtrl(outer_);
    outer_->addWidget(inner_);
    outer_->addWidget(prop_);
    inner_->addWidget(listPane);
    inner_->addWidget(result_);
    connect(outer_, &QSplitter::splitterMoved, this, &CChildFrame::rememberProportions);
    connect(inner_, &QSplitter::splitterMoved, this, &CChildFrame::rememberProportions);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer_);

    // The focus given to the window goes to the list; Tab then visits result and grid, and the
    // filter box comes before the list.
    setFocusProxy(list_);
    setTabOrder(filterEdit_, list_);
    setTabOrder(list_, result_);
    setTabOrder(result_, prop_);

    connect(list_, &CDpctTreeCtrl::selectionChanged, this, &CChildFrame::selectionMoved);
    connect(list_, &CDpctTreeCtrl::rowDoubleClicked, this, [this] {
        // The update command acts on the selection; a double-click over empty space too, as
        // long as there is one. During a run the command is disabled.
        if (commandEnabled(cmd::UpdateItem))
            updateItem();
    });
    connect(list_, &CDpctTreeCtrl::contextMenuRequested, this, &CChildFrame::showContextMenu);
    connect(list_, &CDpctTreeCtrl::rowMoveRequested, this, &CChildFrame::moveRequested);
    connect(model_.get(), &DefinitionModel::modifiedChanged, this, &CChildFrame::edited);
    connect(model_.get(), &DefinitionModel::pathChanged, this, &CChildFrame::edited);
    connect(model_.get(), &DefinitionModel::historyChanged, this, &CChildFrame::stateChanged);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, &CChildFrame::updateFilterCount);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, &CChildFrame::updateFilterCount);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &CChildFrame::updateFilterCount);

    retranslateFilter();
    applyColors(settings_);
    ShowItem(nullptr);
    UpdateTitle();
}

CChildFrame::~CChildFrame()
{
    delete diagnostics_.data();
    // The list outlives the members (it is a child widget); let it drop the model first.
    list_->setModel(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Rows and the view

int CChildFrame::rowCount() const
{
    return document_.size();
}

std::vector<CDpctData*> CChildFrame::runItems()
{
    return document_.runItems();
}

int CChildFrame::currentRow() const
{
    return currentRow_;
}

void CChildFrame::ShowItem(const CDpctData* item)
{
    prop_->Fill(item);
    shownItem_ = item;
    shownSize_ = item ? item->resultText.size() : 0;
    result_->setText(item ? std::string_view(item->resultText) : std::string_view());
    result_->setDiagnostics(item ? item->diagnostics : std::vector<DpctDiagnostic>{});
}

int CChildFrame::selectedItemRow() const
{
    return model_->documentRow(list_->selectedRow());
}

void CChildFrame::selectItemRow(int documentRow)
{
    list_->selectRow(model_->rowOf(documentRow));
    ShowItem(document_.item(selectedItemRow()));
}

void CChildFrame::selectionMoved(int row)
{
    ShowItem(document_.item(model_->documentRow(row)));
    Q_EMIT stateChanged();
}

void CChildFrame::filterChanged(const QString& text)
{
    // The selection stays on its item when the item is still shown.
    const int selected = selectedItemRow();
    model_->setFilterText(text.trimmed());
    selectItemRow(selected);
    if (list_->selectedRow() >= 0)
        list_->ensureVisible(list_->selectedRow());
    Q_EMIT stateChanged();
}

void CChildFrame::updateFilterCount()
{
    if (!model_->isFiltered()) {
        filterCount_->clear();
        filterCount_->hide();
        return;
    }
    filterCount_->setText(tr("%1 of %2").arg(model_->rowCount()).arg(document_.size()));
    filterCount_->show();
}

void CChildFrame::retranslateFilter()
{
    filterLabel_->setText(tr("Fi&lter:"));
    filterEdit_->setPlaceholderText(tr("Part of a path"));
    filterEdit_->setToolTip(tr("Shows only the items whose path contains this text (letter case is "
                               "ignored). Esc empties it."));
    updateFilterCount();
}

void CChildFrame::SetProportions()
{
    // Two thirds for the list, unless the user moved a divider before (remembered per mille).
    const int w = outer_->width();
    const int h = inner_->height();
    const int wide = settings_.window.listWidthShare > 0 ? settings_.window.listWidthShare : 667;
    const int high = settings_.window.listHeightShare > 0 ? settings_.window.listHeightShare : 667;
    const int left = w * wide / 1000;
    const int top = h * high / 1000;
    outer_->setSizes({std::max(0, left), std::max(0, w - left)});
    inner_->setSizes({std::max(0, top), std::max(0, h - top)});
}

void CChildFrame::rememberProportions()
{
    // Only what the user set by moving a divider is remembered.
    const auto share = [](const QSplitter* s) {
        const QList<int> sizes = s->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        return total > 0 ? std::clamp(sizes.value(0) * 1000 / total, 1, 999) : 0;
    };
    if (const int w = share(outer_); w > 0)
        settings_.window.listWidthShare = w;
    if (const int h = share(inner_); h > 0)
        settings_.window.listHeightShare = h;
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
    const QString path = filePath();
    QString title = path.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(path);
    if (document_.isModified())
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
        retranslateFilter();
    }
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event)
{
    // In the filter box Enter and Down go on to the list, rather than to the item commands
    // (Enter is the update command's key).
    if (watched == filterEdit_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool toList = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
        if (toList && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                list_->setFocus(Qt::TabFocusReason);
                if (list_->selectedRow() < 0 && list_->count() > 0)
                    list_->selectNextRow();
            }
            return true;
        }
    }
    return CDocumentWindow::eventFilter(watched, event);
}

bool CChildFrame::event(QEvent* event)
{
    // Back from another program or another window: files may have come or gone meanwhile.
    if (event->type() == QEvent::WindowActivate && !document_.empty())
        model_->checkFiles();
    return CDocumentWindow::event(event);
}

void CChildFrame::edited()
{
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

// ---------------------------------------------------------------------------------------------
// Reading and writing

bool CChildFrame::loadDefinition(const QString& path, QString& error)
{
    WaitCursor wait;
    Message reason;
    if (!document_.load(path.toStdString(), reason)) {
        switch (document_.lastReadFailure()) {
        case ReadFailure::Binary:
            error = tr("This is not a definition file: it holds binary data.");
            break;
        case ReadFailure::NotDefinition:
            error = tr("This is not a definition file: it has neither a [Common] section nor a section of "
                       "a .cu file.");
            break;
        default:
            error = wordMessage(reason);
            break;
        }
        return false;
    }
    if (!document_.loadedEncodingKeptBySave()) {
        const QString shown = QDir::toNativeSeparators(path);
        if (document_.loadedReplacedBytes() > 0)
            MessageBox::inform(this,
                               tr("%1\nThis file has byte sequences that are not UTF-8 (%2, the first on "
                                  "line %3); they are shown as U+FFFD. Saving over the file writes "
                                  "U+FFFD in their place; Tovalo asks before it does.")
                                   .arg(shown)
                                   .arg(static_cast<qulonglong>(document_.loadedReplacedBytes()))
                                   .arg(document_.loadedFirstReplacedLine()));
        else
            MessageBox::inform(this, tr("%1\nThis file was read as %2; Tovalo saves in %3. Saving over the "
                                        "file changes its encoding; Tovalo asks before it does.")
                                         .arg(shown, QString::fromStdString(document_.loadedEncoding()),
                                              QString::fromStdString(fileCodeSet())));
    }
    if (document_.loadedWithSkippedLines()) {
        MessageBox::inform(this, tr("%1\nThis file has lines that Tovalo does not read (sections of other "
                                    "files, unknown options or values). Saving over the file drops them; "
                                    "Tovalo asks before it does.")
                                     .arg(QDir::toNativeSeparators(path)));
    }
    // The list followed the reload (scrolled to the top, no selection); the first row shown is
    // selected.
    selectItemRow(model_->documentRow(0));
    model_->checkFiles();
    edited();
    return true;
}

bool CChildFrame::write(const QString& path)
{
    const bool overTheFile = samePathText(path.toStdString(), document_.path());
    if (overTheFile && !document_.loadedEncodingKeptBySave()) {
        const QString shown = QDir::toNativeSeparators(path);
        const QString question = document_.loadedReplacedBytes() > 0
                                     ? tr("%1\nThe file has byte sequences that are not UTF-8; saving writes "
                                          "U+FFFD in their place. "
                                          "Save anyway?")
                                           .arg(shown)
                                     : tr("%1\nThe file was read as %2; saving writes %3. Save anyway?")
                                           .arg(shown, QString::fromStdString(document_.loadedEncoding()),
                                                QString::fromStdString(fileCodeSet()));
        if (MessageBox::askYesNo(this, question) != QMessageBox::Yes)
            return false;
    }
    if (document_.loadedWithSkippedLines() && samePathText(path.toStdString(), document_.path()) &&
        MessageBox::askYesNo(this, tr("%1\nSaving replaces the file and drops the lines that Tovalo did not "
                                      "read. Save anyway?")
                                       .arg(QDir::toNativeSeparators(path))) != QMessageBox::Yes)
        return false;
    Message error;
    bool ok = false;
    {
        WaitCursor wait;
        ok = document_.save(path.toStdString(), error);
    }
    if (!ok) {
        MessageBox::error(this, tr("%1\n%2").arg(QDir::toNativeSeparators(path), wordMessage(error)));
        return false;
    }
    // The document took the path and cleared its mark (the title followed).
    settings_.addRecent(path.toStdString());
    Q_EMIT stateChanged();
    return true;
}

bool CChildFrame::save()
{
    const QString path = filePath();
    if (path.isEmpty())
        return saveAs();
    return write(path);
}

bool CChildFrame::saveAs()
{
    // Beside the file itself, else in the folder last saved to, never in the program's folder.
    QString start = filePath();
    if (start.isEmpty())
        start = chooserStartFolder(QString::fromStdString(settings_.folders[kDirTextSave]),
                                   QString::fromStdString(settings_.folders[kDirTextOpen]));
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
    if (!document_.isModified())
        return true;
    const QString path = filePath();
    const QString question = path.isEmpty()
                                 ? tr("Do you want to save (%1)?").arg(tr("Untitled"))
                                 : tr("Do you want to save %1?").arg(QDir::toNativeSeparators(path));
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
    list_->setInputLocked(isRunPhase(phase));
    list_->setPaused(phase == RunPhase::Paused);
}

bool CChildFrame::commandEnabled(int commandId) const
{
    // The diagnostics view only reads: it may be open while a run goes on.
    if (commandId == cmd::Diagnostics)
        return !document_.empty();
    if (!isIdle())
        return false;
    const bool haveRows = !document_.empty();
    const int selected = list_->selectedRow();
    switch (commandId) {
    case cmd::Close:
    case cmd::AddItem:
        return true;
    case cmd::UpdateItem:
    case cmd::DeleteItem:
        return haveRows && selected >= 0;
    case cmd::MoveItemUp:
        return selected > 0;
    case cmd::MoveItemDown:
        return selected >= 0 && selected + 1 < list_->count();
    case cmd::Undo:
        return document_.canUndo();
    case cmd::Redo:
        return document_.canRedo();
    case cmd::DeleteAll:
    case cmd::SaveAs:
        return haveRows;
    case cmd::ExportCsv:
    case cmd::ExportJson:
        return haveRows;
    case cmd::Save:
        return haveRows && document_.isModified();
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
    case cmd::MoveItemUp:
        moveItem(-1);
        break;
    case cmd::MoveItemDown:
        moveItem(1);
        break;
    case cmd::Undo:
        undo();
        break;
    case cmd::Redo:
        redo();
        break;
    case cmd::Save:
        if (commandEnabled(cmd::Save))
            save();
        break;
    case cmd::SaveAs:
        if (commandEnabled(cmd::SaveAs))
            saveAs();
        break;
    case cmd::Diagnostics:
        if (commandEnabled(cmd::Diagnostics))
            showDiagnostics();
        break;
    case cmd::ExportCsv:
    case cmd::ExportJson:
        if (commandEnabled(commandId))
            exportResults(commandId == cmd::ExportJson);
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
        [this](std::string_view path) { return document_.contains(path); }, &folders_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    if (confirmed.kind == 0) {
        const int row = document_.add(confirmed);
        selectItemRow(row);
        list_->ensureVisible(list_->selectedRow());
    } else {
        // The scan runs off the UI thread, skips the listed paths (the document's duplicate
        // rule) and shows message 732 itself when it finds nothing.
        DirectoryScanResult scan = runDirectoryScan(this, confirmed, document_.paths());
        if (scan.cancelled)
            return;
        if (document_.add(std::move(scan.items)) >= 0) {
            // The selection goes to the list's first row, not to the first one added.
            selectItemRow(model_->documentRow(0));
        }
    }
    // A finished add marks the document, even a scan that found nothing new.
    document_.setModified(true);
    model_->checkFiles();
    edited();
}

void CChildFrame::updateItem()
{
    if (!commandEnabled(cmd::UpdateItem))
        return;
    const int row = selectedItemRow();
    CDpctData changed = *document_.item(row);
    CDpctDataDlg dialog(CDpctDataDlg::Mode::Update, changed, nullptr, {}, &folders_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    document_.update(row, changed);
    model_->checkFiles();
    edited();
    ShowItem(document_.item(row));
}

QString CChildFrame::deleteQuestion(const std::vector<int>& documentRows) const
{
    const auto shown = [this](int row) {
        const CDpctData* item = document_.item(row);
        return item ? QDir::toNativeSeparators(QString::fromStdString(item->path)) : QString();
    };
    if (documentRows.size() == 1)
        return tr("Are you sure you want to delete %1 from the list?").arg(shown(documentRows.front()));
    constexpr std::size_t kNamed = 3;
    const auto count = static_cast<int>(documentRows.size());
    QString text = tr("Are you sure you want to delete all %n item(s) from the list?", nullptr, count);
    for (std::size_t i = 0; i < documentRows.size() && i < kNamed; ++i)
        text += QLatin1Char('\n') + shown(documentRows[i]);
    if (documentRows.size() > kNamed)
        text += QLatin1Char('\n') + tr("and %n more", nullptr, count - static_cast<int>(kNamed));
    const int hidden = count - model_->rowCount();
    if (model_->isFiltered() && hidden > 0)
        text += QStringLiteral("\n\n") + tr("%n of them are hidden by the filter.", nullptr, hidden);
    return text;
}

void CChildFrame::deleteItem()
{
    if (!commandEnabled(cmd::DeleteItem))
        return;
    const int row = selectedItemRow();
    if (MessageBox::askYesNo(this, deleteQuestion({row})) != QMessageBox::Yes)
        return;
    WaitCursor wait;
    // The row after the deleted one takes the selection, or the one before it at the end.
    const int shownRow = list_->selectedRow();
    document_.remove(row);
    const int next = shownRow < model_->rowCount() ? shownRow : shownRow - 1;
    selectItemRow(model_->documentRow(next));
    edited();
}

void CChildFrame::deleteAllItems()
{
    if (!commandEnabled(cmd::DeleteAll))
        return;
    std::vector<int> rows(static_cast<std::size_t>(document_.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(i);
    if (MessageBox::askYesNo(this, deleteQuestion(rows)) != QMessageBox::Yes)
        return;
    WaitCursor wait;
    document_.removeAll();
    ShowItem(nullptr);
    edited();
}

void CChildFrame::moveItem(int step)
{
    const int id = step < 0 ? cmd::MoveItemUp : cmd::MoveItemDown;
    if (!commandEnabled(id))
        return;
    const int shownRow = list_->selectedRow();
    moveRequested(shownRow, shownRow + step);
}

void CChildFrame::moveRequested(int from, int to)
{
    // Only between runs: the run converts the items in list order.
    if (!isIdle())
        return;
    const int documentFrom = model_->documentRow(from);
    const int documentTo = model_->documentRow(to);
    if (documentFrom < 0 || documentTo < 0 || !document_.move(documentFrom, documentTo))
        return;
    // The list's selection followed the moved row.
    list_->ensureVisible(list_->selectedRow());
    edited();
}

void CChildFrame::undo()
{
    if (!commandEnabled(cmd::Undo))
        return;
    WaitCursor wait;
    const int row = document_.undo();
    selectItemRow(row);
    if (list_->selectedRow() >= 0)
        list_->ensureVisible(list_->selectedRow());
    model_->checkFiles();
    edited();
}

void CChildFrame::redo()
{
    if (!commandEnabled(cmd::Redo))
        return;
    WaitCursor wait;
    const int row = document_.redo();
    selectItemRow(row);
    if (list_->selectedRow() >= 0)
        list_->ensureVisible(list_->selectedRow());
    model_->checkFiles();
    edited();
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
        {0, QString(), nullptr},
        {cmd::MoveItemUp, tr("Move U&p\tAlt+Up"), "contextMoveUp"},
        {cmd::MoveItemDown, tr("Move Do&wn\tAlt+Down"), "contextMoveDown"},
        {0, QString(), nullptr},
        {cmd::Undo, tr("U&ndo\tCtrl+Z"), "contextUndo"},
        {cmd::Redo, tr("&Redo\tCtrl+Y"), "contextRedo"},
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
    runStartedFor(document_.runItems());
}

void CChildFrame::runStartedFor(const std::vector<CDpctData*>& items)
{
    // Rows by item in one pass: a list may hold hundreds of thousands of items.
    std::unordered_map<const CDpctData*, int> rowOf;
    const std::vector<CDpctData*> all = document_.runItems();
    rowOf.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        rowOf.emplace(all[i], static_cast<int>(i));
    runRows_.clear();
    for (const CDpctData* item : items) {
        if (const auto it = rowOf.find(item); it != rowOf.end())
            runRows_.push_back(it->second);
    }
    runPos_ = 0;
    currentRow_ = runRows_.empty() ? -1 : runRows_.front();
    if (currentRow_ >= 0) {
        list_->selectRow(model_->rowOf(currentRow_));
        list_->ensureVisible(model_->rowOf(currentRow_));
        ShowItem(document_.item(currentRow_));
    }
    // The run set every status to waiting.
    runChangedItems();
    Q_EMIT stateChanged();
}

void CChildFrame::runAdvance(bool next)
{
    if (!next) {
        currentRow_ = -1;
        runChangedItems();
        Q_EMIT stateChanged();
        return;
    }
    if (currentRow_ < 0 || !isRunPhase(runPhase_))
        return;
    ++runPos_;
    currentRow_ = runPos_ < runRows_.size() ? runRows_[runPos_] : -1;
    // The selection moves along, so that the row the grid and the result pane show is the one
    // that update and delete act on once the run has ended.
    if (currentRow_ >= 0) {
        list_->selectRow(model_->rowOf(currentRow_));
        list_->ensureVisible(model_->rowOf(currentRow_));
    }
    runChangedItems();
    ShowItem(document_.item(currentRow_));
    Q_EMIT stateChanged();
}

void CChildFrame::runChangedItems()
{
    document_.notifyChanged(0, document_.size() - 1);
}

void CChildFrame::showDiagnostics()
{
    if (!diagnostics_) {
        // A window of the main window, not of this document window: keys typed in the view
        // (Enter, Del, Ins) must not reach the list's commands, which act in the document area.
        diagnostics_ = new CDiagnosticsView(settings_, window());
        diagnostics_->setWindowTitle(tr("dpct Diagnostics - %1").arg(windowTitle()));
    }
    const std::vector<CDpctData*> items = document_.runItems();
    diagnostics_->refresh(std::vector<const CDpctData*>(items.begin(), items.end()));
    diagnostics_->show();
    diagnostics_->raise();
    diagnostics_->activateWindow();
}

CDiagnosticsView* CChildFrame::diagnosticsView() const
{
    return diagnostics_.data();
}

bool CChildFrame::exportResults(bool json)
{
    const QString base = document_.path().empty()
                             ? tr("results")
                             : QFileInfo(QString::fromStdString(document_.path())).completeBaseName();
    const QString suffix = json ? QStringLiteral("json") : QStringLiteral("csv");
    const QString start = QDir(QString::fromStdString(settings_.folders[kDirTextSave]))
                              .filePath(base + QLatin1Char('.') + suffix);
    const QString path = DialogSeam::saveFileName(
        this, json ? tr("Export Results as JSON") : tr("Export Results as CSV"), start,
        json ? tr("JSON files (*.json);;All files (*)") : tr("CSV files (*.csv);;All files (*)"), suffix);
    if (path.isEmpty())
        return false;
    const std::vector<CDpctData*> items = document_.runItems();
    const std::vector<const CDpctData*> list(items.begin(), items.end());
    const std::string text =
        json ? resultsJson(list, ResultsHeader{settings_.dpctVersion, settings_.dpctCodebase, {}}, false,
                           false)
             : resultsCsv(list);
    Message error;
    if (!writeFileAtomically(QDir::toNativeSeparators(path).toStdString(), text, error)) {
        DialogSeam::message(this, 742, QMessageBox::Warning,
                            tr("The results could not be saved to %1.\n%2").arg(path, wordMessage(error)));
        return false;
    }
    return true;
}

void CChildFrame::itemsChanged()
{
    runChangedItems();
    if (diagnostics_ && diagnostics_->isVisible()) {
        const std::vector<CDpctData*> items = document_.runItems();
        diagnostics_->refresh(std::vector<const CDpctData*>(items.begin(), items.end()));
    }
    // Outputs only grow or are replaced as a whole: a changed size means the shown output is
    // stale (the item's output arrives after it was shown as the run's current row).
    if (shownItem_ && shownItem_->resultText.size() != shownSize_)
        ShowItem(shownItem_);
}

} // namespace tovalo::gui
