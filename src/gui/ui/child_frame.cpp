#include "ui/child_frame.h"

#include "controls/definition_model.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "controls/list_colors.h"
#include "data/dpct_data.h"
#include "settings/settings.h"
#include "ui/command_ids.h"
#include "ui/diagnostics_view.h"
#include "ui/document_commands.h"
#include "ui/document_files.h"
#include "ui/dpct_result_ctrl.h"
#include "ui/list_editor.h"
#include "ui/list_filter_bar.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

namespace tovalo::gui {

namespace {

// The numbers the open untitled lists hold.
std::set<int>& untitledNumbers()
{
    static std::set<int> taken;
    return taken;
}

} // namespace

CChildFrame::CChildFrame(Settings& settings, QWidget* parent)
    : DocumentWindow(parent), settings_(settings), folders_(settings),
      model_(std::make_unique<DefinitionModel>(document_)),
      files_(std::make_unique<DocumentFiles>(document_, settings, this))
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
    filterBar_ = new ListFilterBar(listPane);
    list_ = new CDpctTreeCtrl(listPane);
    list_->setModel(model_.get());
    auto* paneLayout = new QVBoxLayout(listPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addWidget(filterBar_);
    paneLayout->addWidget(list_, 1);
    connect(filterBar_, &ListFilterBar::textChanged, this, &CChildFrame::filterChanged);
    connect(filterBar_, &ListFilterBar::toList, this, [this] {
        list_->setFocus(Qt::TabFocusReason);
        if (list_->selectedRow() < 0 && list_->count() > 0)
            list_->selectNextRow();
    });
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
    setTabOrder(filterBar_->edit(), list_);
    setTabOrder(list_, result_);
    setTabOrder(result_, prop_);

    editor_ = std::make_unique<ListEditor>(document_, *model_, *list_, settings_, folders_, this);
    connect(editor_.get(), &ListEditor::rowChosen, this, &CChildFrame::selectItemRow);
    connect(editor_.get(), &ListEditor::itemShown, this, &CChildFrame::showItem);
    connect(editor_.get(), &ListEditor::edited, this, &CChildFrame::edited);
    connect(files_.get(), &DocumentFiles::saved, this, &CChildFrame::stateChanged);

    connect(list_, &CDpctTreeCtrl::selectionMoved, this, &CChildFrame::selectionMoved);
    connect(editor_.get(), &ListEditor::selectionEdited, this, &CChildFrame::showSelection);
    // The update command acts on the selection; a double-click over empty space too, as long as
    // there is one. During a run the command is disabled.
    connect(list_, &CDpctTreeCtrl::rowDoubleClicked, this, [this] { runCommand(cmd::UpdateItem); });
    connect(list_, &CDpctTreeCtrl::contextMenuRequested, this, &CChildFrame::showContextMenu);
    connect(list_, &CDpctTreeCtrl::rowMoveRequested, this, [this](int from, int to) {
        // Only between runs: the run converts the items in list order.
        if (isIdle())
            editor_->moveRow(from, to);
    });
    connect(model_.get(), &DefinitionModel::modifiedChanged, this, &CChildFrame::edited);
    connect(model_.get(), &DefinitionModel::pathChanged, this, &CChildFrame::edited);
    connect(model_.get(), &DefinitionModel::historyChanged, this, &CChildFrame::stateChanged);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, &CChildFrame::updateFilterCount);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, &CChildFrame::updateFilterCount);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &CChildFrame::updateFilterCount);

    applyColors(settings_);
    showItem(nullptr);
    updateTitle();
}

CChildFrame::~CChildFrame()
{
    if (untitledNumber_ != 0)
        untitledNumbers().erase(untitledNumber_);
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

void CChildFrame::showItem(const CDpctData* item)
{
    prop_->Fill(item);
    shownItem_ = item;
    shownSize_ = item ? item->resultText.size() : 0;
    result_->setText(item ? std::string_view(item->resultText) : std::string_view());
    // A reference to the item's own list, never a copy (an item may hold tens of thousands).
    static const std::vector<DpctDiagnostic> kNone;
    result_->setDiagnostics(item ? item->diagnostics : kNone, item ? item->diagnosticsDropped : 0);
}

QLineEdit* CChildFrame::filterEdit() const
{
    return filterBar_->edit();
}

QLabel* CChildFrame::filterCount() const
{
    return filterBar_->count();
}

int CChildFrame::selectedItemRow() const
{
    return model_->documentRow(list_->selectedRow());
}

void CChildFrame::selectItemRow(int documentRow)
{
    list_->selectRow(model_->rowOf(documentRow));
    showItem(document_.item(selectedItemRow()));
}

void CChildFrame::selectionMoved(int /*row*/)
{
    showSelection();
    Q_EMIT stateChanged();
}

void CChildFrame::showSelection()
{
    // The result pane shows the row the keys are on; the grid what the selected items share.
    const std::vector<int> rows = selectedItemRows();
    const int current = model_->documentRow(list_->currentIndex().row());
    showItem(document_.item(current >= 0 ? current : selectedItemRow()));
    if (rows.size() > 1) {
        std::vector<const CDpctData*> items;
        items.reserve(rows.size());
        for (const int r : rows)
            items.push_back(document_.item(r));
        prop_->FillCommon(items);
    }
}

std::vector<int> CChildFrame::selectedItemRows() const
{
    std::vector<int> rows = list_->selectedRows();
    for (int& r : rows)
        r = model_->documentRow(r);
    std::erase(rows, -1);
    return rows;
}

std::vector<CDpctData*> CChildFrame::selectedRunItems()
{
    std::vector<CDpctData*> items;
    for (const int r : selectedItemRows())
        items.push_back(document_.item(r));
    return items;
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
    filterBar_->showCount(model_->isFiltered(), model_->rowCount(), document_.size());
}

void CChildFrame::setProportions()
{
    // Two thirds for the list, unless the user moved a divider before (remembered per mille). By
    // default the option grid gets more where its names and values need it, as long as the list
    // keeps half.
    const int w = outer_->width();
    const int h = inner_->height();
    const int wide = settings_.window.listWidthShare > 0 ? settings_.window.listWidthShare : 667;
    const int high = settings_.window.listHeightShare > 0 ? settings_.window.listHeightShare : 667;
    int left = w * wide / 1000;
    if (settings_.window.listWidthShare <= 0)
        left = std::max(w / 2, std::min(left, w - outer_->handleWidth() - prop_->preferredWidth()));
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
    DocumentWindow::resizeEvent(event);
    // The first real size gives the panes their proportions; later the user's divider
    // positions are kept (the splitters share out size changes themselves).
    if (!splitDone_ && width() > 0 && height() > 0) {
        splitDone_ = true;
        setProportions();
    }
}

void CChildFrame::updateTitle()
{
    const QString path = filePath();
    if (path.isEmpty() && untitledNumber_ == 0) {
        std::set<int>& taken = untitledNumbers();
        untitledNumber_ = 1;
        while (taken.contains(untitledNumber_))
            ++untitledNumber_;
        taken.insert(untitledNumber_);
    } else if (!path.isEmpty() && untitledNumber_ != 0) {
        untitledNumbers().erase(untitledNumber_);
        untitledNumber_ = 0;
    }
    QString title = !path.isEmpty()        ? QDir::toNativeSeparators(path)
                    : untitledNumber_ == 1 ? tr("Untitled")
                                           : tr("Untitled %1").arg(untitledNumber_);
    if (document_.isModified())
        title += QStringLiteral(" *");
    if (title != windowTitle()) {
        setWindowTitle(title);
        Q_EMIT stateChanged();
    }
}

void CChildFrame::changeEvent(QEvent* event)
{
    DocumentWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // Force the new "Untitled" text through.
        setWindowTitle(QString());
        updateTitle();
    }
}

bool CChildFrame::event(QEvent* event)
{
    // Back from another program or another window: files may have come or gone meanwhile.
    if (event->type() == QEvent::WindowActivate && !document_.empty())
        model_->checkFiles();
    return DocumentWindow::event(event);
}

void CChildFrame::edited()
{
    updateTitle();
    Q_EMIT stateChanged();
}

int CChildFrame::addItems(std::vector<CDpctData> items)
{
    return editor_->addItems(std::move(items));
}

bool CChildFrame::loadDefinition(const QString& path, QString& error)
{
    if (!files_->load(path, error))
        return false;
    // The list followed the reload (scrolled to the top, no selection); the first row shown is
    // selected.
    selectItemRow(model_->documentRow(0));
    model_->checkFiles();
    edited();
    return true;
}

bool CChildFrame::queryClose()
{
    return files_->queryClose();
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
// Commands

void CChildFrame::setRunPhase(RunPhase phase)
{
    if (phase == runPhase_)
        return;
    runPhase_ = phase;
    // The list is not told of a pause: a paused run lets its running items finish, so their
    // rows go on saying "converting".
    list_->setInputLocked(isRunPhase(phase));
}

DocumentCommandState CChildFrame::commandState() const
{
    return {.idle = isIdle(),
            .rows = document_.size(),
            .shownRows = list_->count(),
            .selectedRow = list_->selectedRow(),
            .selectedRows = list_->selectedCount(),
            .modified = document_.isModified(),
            .canUndo = document_.canUndo(),
            .canRedo = document_.canRedo()};
}

void CChildFrame::run(const DocumentCommand& command)
{
    if (canRun(command))
        command.run(*this);
}

void CChildFrame::showContextMenu(const QPoint& globalPos)
{
    if (!contextMenu_) {
        contextMenu_ = new QMenu(this);
        contextMenu_->setObjectName(QStringLiteral("listContextMenu"));
    }
    contextMenu_->clear();
    contextMenu_->setTitle(tr("&Edit"));
    // 0 stands for a separator.
    for (int id : {cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, 0, cmd::DeleteAll, 0, cmd::MoveItemUp,
                   cmd::MoveItemDown, 0, cmd::Undo, cmd::Redo}) {
        const DocumentCommand* command = documentCommand(id);
        if (!command) {
            contextMenu_->addSeparator();
            continue;
        }
        QAction* a = contextMenu_->addAction(documentCommandText(command->contextText));
        a->setObjectName(QString::fromLatin1(command->contextName));
        a->setProperty("commandId", id);
        a->setEnabled(canRun(*command));
        // Queued, so that the menu has closed before a dialog or question opens.
        connect(a, &QAction::triggered, this, [this, command] {
            QMetaObject::invokeMethod(
                this, [this, command] { run(*command); }, Qt::QueuedConnection);
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
    // The list keeps the user's selection and scroll position: a row that starts shows it by
    // its status. The run sets every status to waiting.
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
    // One more item has finished; the rows that run show it by their status, and the grid and
    // the result pane stay with the selected item (its output follows in itemsChanged).
    ++runPos_;
    currentRow_ = runPos_ < runRows_.size() ? runRows_[runPos_] : -1;
    runChangedItems();
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
        diagnostics_ = new DiagnosticsView(settings_, window());
        diagnostics_->setWindowTitle(tr("dpct Diagnostics - %1").arg(windowTitle()));
    }
    const std::vector<CDpctData*> items = document_.runItems();
    diagnostics_->refresh(std::vector<const CDpctData*>(items.begin(), items.end()));
    diagnostics_->show();
    diagnostics_->raise();
    diagnostics_->activateWindow();
}

DiagnosticsView* CChildFrame::diagnosticsView() const
{
    return diagnostics_.data();
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
        showItem(shownItem_);
}

} // namespace tovalo::gui
