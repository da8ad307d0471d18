#include "ui/main_commands.h"

#include "settings/settings.h"
#include "ui/command_ids.h"
#include "ui/looks.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

namespace tovalo::gui {
namespace {

constexpr auto kCommandId = "commandId";

QIcon toolbarIcon(const QString& name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(name), QSize(48, 48), QIcon::Normal);
    icon.addFile(QStringLiteral(":/icons/%1-disabled.png").arg(name), QSize(48, 48), QIcon::Disabled);
    icon.addFile(QStringLiteral(":/icons/%1-hot.png").arg(name), QSize(48, 48), QIcon::Active);
    return icon;
}

} // namespace

CMainCommands::CMainCommands(QMainWindow* window, QMdiArea* documentArea) : QObject(window)
{
    setObjectName(QStringLiteral("mainCommands"));
    createActions(documentArea);
    createMenus(window, documentArea);
    createToolBar(window);
}

QAction* CMainCommands::makeAction(int id, const char* objectName)
{
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setProperty(kCommandId, id);
    actions_.append(a);
    return a;
}

QAction* CMainCommands::action(int commandId) const
{
    for (QAction* a : actions_) {
        if (a->property(kCommandId).toInt() == commandId)
            return a;
    }
    return nullptr;
}

void CMainCommands::createActions(QMdiArea* documentArea)
{
    const struct
    {
        int id;
        const char* name;
        QKeySequence key;
        const char* icon;
        bool itemCommand; ///< acts only while the focus is in the document area
    } commands[] = {
        {cmd::New, "actionNew", QKeySequence(Qt::CTRL | Qt::Key_N), "new", false},
        {cmd::Open, "actionOpen", QKeySequence(Qt::CTRL | Qt::Key_O), "open", false},
        {cmd::Save, "actionSave", QKeySequence(Qt::CTRL | Qt::Key_S), "save", false},
        {cmd::SaveAs, "actionSaveAs", QKeySequence(), "saveas", false},
        {cmd::Close, "actionClose", QKeySequence(), nullptr, false},
        {cmd::NewWindow, "actionNewWindow", QKeySequence(), nullptr, false},
        {cmd::RecentPlaceholder, "actionRecentPlaceholder", QKeySequence(), nullptr, false},
        {cmd::Exit, "actionExit", QKeySequence(), nullptr, false},
        {cmd::AddItem, "actionAddItem", QKeySequence(Qt::Key_Insert), "add", true},
        {cmd::UpdateItem, "actionUpdateItem", QKeySequence(Qt::Key_Return), "update", true},
        {cmd::DeleteItem, "actionDeleteItem", QKeySequence(Qt::Key_Delete), "delete", true},
        {cmd::DeleteAll, "actionDeleteAll", QKeySequence(Qt::CTRL | Qt::Key_Delete), "deleteall", true},
        {cmd::MoveItemUp, "actionMoveItemUp", QKeySequence(Qt::ALT | Qt::Key_Up), nullptr, true},
        {cmd::MoveItemDown, "actionMoveItemDown", QKeySequence(Qt::ALT | Qt::Key_Down), nullptr, true},
        {cmd::Undo, "actionUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), nullptr, true},
        {cmd::Redo, "actionRedo", QKeySequence(Qt::CTRL | Qt::Key_Y), nullptr, true},
        {cmd::Start, "actionStart", QKeySequence(Qt::Key_F5), "start", false},
        {cmd::Stop, "actionStop", QKeySequence(Qt::SHIFT | Qt::Key_F5), "stop", false},
        {cmd::PauseResume, "actionPause", QKeySequence(Qt::Key_F6), "pause", false},
        {cmd::RerunFailed, "actionRerunFailed", QKeySequence(Qt::CTRL | Qt::Key_F5), nullptr, false},
        {cmd::Diagnostics, "actionDiagnostics", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), nullptr,
         false},
        {cmd::ExportCsv, "actionExportCsv", QKeySequence(), nullptr, false},
        {cmd::ExportJson, "actionExportJson", QKeySequence(), nullptr, false},
        {cmd::Options, "actionOptions", QKeySequence(), "options", false},
        {cmd::About, "actionAbout", QKeySequence(), nullptr, false},
        {cmd::UserGuide, "actionUserGuide", QKeySequence(QKeySequence::HelpContents), nullptr, false},
        {cmd::DpctDocs, "actionDpctDocs", QKeySequence(), nullptr, false},
        {cmd::WindowCascade, "actionWindowCascade", QKeySequence(), nullptr, false},
        {cmd::WindowTile, "actionWindowTile", QKeySequence(), nullptr, false},
        {cmd::WindowNext, "actionWindowNext", QKeySequence(Qt::CTRL | Qt::Key_F6), nullptr, false},
        {cmd::WindowPrevious, "actionWindowPrevious", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
         nullptr, false},
        {cmd::WindowCloseAll, "actionWindowCloseAll", QKeySequence(), nullptr, false},
        {cmd::ViewToolbar, "actionViewToolbar", QKeySequence(), nullptr, false},
        {cmd::ViewStatusBar, "actionViewStatusBar", QKeySequence(), nullptr, false},
    };
    for (const auto& c : commands) {
        QAction* a = makeAction(c.id, c.name);
        if (!c.key.isEmpty())
            a->setShortcut(c.key);
        if (c.icon)
            a->setIcon(toolbarIcon(QString::fromLatin1(c.icon)));
        if (c.itemCommand) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            documentArea->addAction(a);
        }
    }
    // Ctrl+Shift+Z redoes as well, as in most programs on Linux.
    action(cmd::Redo)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (int id : {cmd::PauseResume, cmd::ViewToolbar, cmd::ViewStatusBar})
        action(id)->setCheckable(true);
    action(cmd::ViewToolbar)->setChecked(true);
    action(cmd::ViewStatusBar)->setChecked(true);

    lookGroup_ = new QActionGroup(this);
    lookGroup_->setExclusive(true);
    for (const Look& look : looks()) {
        QAction* a = makeAction(look.id, "actionLook");
        a->setObjectName(QStringLiteral("actionLook%1").arg(look.id));
        a->setCheckable(true);
        lookGroup_->addAction(a);
        lookActions_.append(a);
        const int id = look.id;
        connect(a, &QAction::triggered, this, [this, id] { Q_EMIT lookChosen(id); });
    }
}

void CMainCommands::createMenus(QMainWindow* window, QMdiArea* documentArea)
{
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto addMenu = [bar](const char* name) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    fileMenu_ = addMenu("menuFile");
    for (int id : {cmd::New, cmd::Open, cmd::Save, cmd::SaveAs, cmd::Close})
        fileMenu_->addAction(action(id));
    fileMenu_->addSeparator();
    for (int id : {cmd::ExportCsv, cmd::ExportJson})
        fileMenu_->addAction(action(id));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::RecentPlaceholder));
    recentMenu_ = new QMenu(fileMenu_);
    recentMenu_->setObjectName(QStringLiteral("menuRecent"));
    fileMenu_->addMenu(recentMenu_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::Exit));
    connect(fileMenu_, &QMenu::aboutToShow, this, &CMainCommands::fileMenuAboutToShow);

    editMenu_ = addMenu("menuEdit");
    for (int id : {cmd::Undo, cmd::Redo, 0, cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll, 0,
                   cmd::MoveItemUp, cmd::MoveItemDown}) {
        if (id == 0)
            editMenu_->addSeparator();
        else
            editMenu_->addAction(action(id));
    }

    convertMenu_ = addMenu("menuConvert");
    for (int id : {cmd::Start, cmd::Stop, cmd::PauseResume})
        convertMenu_->addAction(action(id));
    convertMenu_->addSeparator();
    for (int id : {cmd::RerunFailed, cmd::Diagnostics})
        convertMenu_->addAction(action(id));

    viewMenu_ = addMenu("menuView");
    viewMenu_->addAction(action(cmd::ViewToolbar));
    viewMenu_->addAction(action(cmd::ViewStatusBar));
    lookMenu_ = viewMenu_->addMenu(QString());
    lookMenu_->setObjectName(QStringLiteral("menuLook"));
    lookMenu_->addActions(lookActions_);

    toolsMenu_ = addMenu("menuTools");
    toolsMenu_->addAction(action(cmd::Options));

    windowMenu_ = addMenu("menuWindow");
    rebuildWindowMenu(documentArea);
    connect(windowMenu_, &QMenu::aboutToShow, this,
            [this, documentArea] { rebuildWindowMenu(documentArea); });

    helpMenu_ = addMenu("menuHelp");
    helpMenu_->addAction(action(cmd::UserGuide));
    helpMenu_->addAction(action(cmd::DpctDocs));
    helpMenu_->addSeparator();
    helpMenu_->addAction(action(cmd::About));
    setRecentFiles({}, true);
}

void CMainCommands::createToolBar(QMainWindow* window)
{
    toolBar_ = window->addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(48, 48));
    toolBar_->setMovable(false);
    // 0 stands for a separator.
    for (int id :
         {cmd::New, cmd::Open, cmd::Save, cmd::SaveAs, 0, cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, 0,
          cmd::DeleteAll, 0, cmd::Start, cmd::Stop, cmd::PauseResume, 0, cmd::Options}) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(id));
    }
    QAction* show = action(cmd::ViewToolbar);
    connect(show, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, show, &QAction::setChecked);
}

void CMainCommands::setCheckedLook(int id)
{
    for (QAction* a : std::as_const(lookActions_))
        a->setChecked(a->property(kCommandId).toInt() == id);
}

void CMainCommands::setRecentFiles(const QStringList& paths, bool enabled)
{
    recentMenu_->clear();
    const bool empty = paths.isEmpty();
    QAction* placeholder = action(cmd::RecentPlaceholder);
    placeholder->setVisible(empty);
    placeholder->setEnabled(false);
    recentMenu_->menuAction()->setVisible(!empty);
    for (int i = 0; i < paths.size() && i < static_cast<int>(kRecentLimit); ++i) {
        const QString label =
            QStringLiteral("(&%1) %2")
                .arg(QString::number(i, 16).toUpper(), QDir::toNativeSeparators(paths.at(i)));
        QAction* a = recentMenu_->addAction(label);
        a->setObjectName(QStringLiteral("actionRecent%1").arg(i));
        a->setProperty(kCommandId, cmd::RecentFirst + i);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, i] { Q_EMIT recentChosen(i); });
    }
}

void CMainCommands::rebuildWindowMenu(QMdiArea* documentArea)
{
    windowMenu_->clear();
    for (int id :
         {cmd::WindowCascade, cmd::WindowTile, cmd::WindowNext, cmd::WindowPrevious, cmd::WindowCloseAll})
        windowMenu_->addAction(action(id));
    windowMenu_->addSeparator();
    const QList<QMdiSubWindow*> subs = documentArea->subWindowList(QMdiArea::CreationOrder);
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs.at(i);
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        a->setObjectName(QStringLiteral("actionWindow%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(sub == documentArea->activeSubWindow());
        connect(a, &QAction::triggered, documentArea,
                [documentArea, sub] { documentArea->setActiveSubWindow(sub); });
    }
}

void CMainCommands::setDocumentsOpen(bool any)
{
    // Without a document window only File, View and Help are shown, and File only has New,
    // Open, the recent files and Exit.
    for (QMenu* m : {editMenu_, convertMenu_, toolsMenu_, windowMenu_})
        m->menuAction()->setVisible(any);
    for (int id : {cmd::Save, cmd::SaveAs, cmd::Close, cmd::ExportCsv, cmd::ExportJson})
        action(id)->setVisible(any);
}

void CMainCommands::retranslate()
{
    struct Text
    {
        int id;
        QString text;
        QString tip;
    };
    const Text texts[] = {
        {cmd::New, tr("&New"), tr("Create a new definition file\nNew")},
        {cmd::Open, tr("&Open Definition File..."), tr("Open a definition file\nOpen")},
        {cmd::Save, tr("&Save Definition File"), tr("Save the definition file\nSave")},
        {cmd::SaveAs, tr("Save &As..."), tr("Save the definition file under a new name\nSave As")},
        {cmd::Close, tr("&Close"), tr("Close the active document\nClose")},
        {cmd::NewWindow, tr("&New Window"), tr("Open another window for a new definition file\nNew Window")},
        {cmd::RecentPlaceholder, tr("Recent &Files"), QString()},
        {cmd::Exit, tr("E&xit"), tr("Quit the application\nExit")},
        {cmd::AddItem, tr("&Add cu Files to List..."), tr("Add CUDA files to the list\nAdd")},
        {cmd::UpdateItem, tr("&Update Selected List Item..."), tr("Change the selected item\nUpdate")},
        {cmd::DeleteItem, tr("&Delete Selected List Item"), tr("Delete the selected item\nDelete")},
        {cmd::DeleteAll, tr("Delete &All Items..."), tr("Delete every item of the list\nDelete All")},
        {cmd::MoveItemUp, tr("Move U&p"),
         tr("Move the selected item one place up; items are converted in list order\nMove Up")},
        {cmd::MoveItemDown, tr("Move Do&wn"),
         tr("Move the selected item one place down; items are converted in list order\nMove Down")},
        {cmd::Undo, tr("U&ndo"), tr("Take back the last change to the list\nUndo")},
        {cmd::Redo, tr("&Redo"), tr("Make again the change last taken back\nRedo")},
        {cmd::Start, tr("&Start Conversion"), tr("Convert every item of the list with dpct\nStart")},
        {cmd::Stop, tr("S&top Conversion"), tr("Stop the conversion\nStop")},
        {cmd::PauseResume, tr("&Pause/Resume Conversion"),
         tr("Pause or resume the conversion\nPause/Resume")},
        {cmd::RerunFailed, tr("&Re-run Failed Items"),
         tr("Convert again only the items whose last result was not OK\nRe-run Failed")},
        {cmd::Diagnostics, tr("dpct &Diagnostics..."),
         tr("Show dpct's diagnostics of the last run by code\nDiagnostics")},
        {cmd::ExportCsv, tr("Export Results as &CSV..."),
         tr("Save the last run's results as a CSV file\nExport CSV")},
        {cmd::ExportJson, tr("Export Results as &JSON..."),
         tr("Save the last run's results as a JSON file\nExport JSON")},
        {cmd::Options, tr("&Settings...\tF12"), tr("Change the settings\nSettings")},
        {cmd::About, tr("&About Tovalo..."), tr("Show the program's version\nAbout")},
        {cmd::UserGuide, tr("Tovalo &User Guide"), tr("Open the user guide of Tovalo\nUser Guide")},
        {cmd::DpctDocs, tr("&dpct Documentation (Web)"),
         tr("Open the documentation of dpct in the web browser\ndpct Documentation")},
        {cmd::WindowCascade, tr("&Cascade"), tr("Arrange the windows so that they overlap\nCascade")},
        {cmd::WindowTile, tr("&Tile"), tr("Arrange the windows side by side\nTile")},
        {cmd::WindowNext, tr("Ne&xt Window"), tr("Activate the next window\nNext Window")},
        {cmd::WindowPrevious, tr("&Previous Window"), tr("Activate the previous window\nPrevious Window")},
        {cmd::WindowCloseAll, tr("Close &All"), tr("Close every document window\nClose All")},
        {cmd::ViewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar\nToolbar")},
        {cmd::ViewStatusBar, tr("&Status Bar"), tr("Show or hide the status bar\nStatus Bar")},
    };
    for (const Text& t : texts) {
        QAction* a = action(t.id);
        a->setText(t.text);
        // The first line is the status-bar prompt, the second the tooltip.
        const QStringList lines = t.tip.split(QLatin1Char('\n'));
        a->setStatusTip(lines.value(0));
        a->setToolTip(lines.value(1, lines.value(0)));
    }
    for (QAction* a : std::as_const(lookActions_))
        a->setText(tr(lookById(a->property(kCommandId).toInt()).menuText));

    fileMenu_->setTitle(tr("&File"));
    recentMenu_->setTitle(tr("Recent &Files", "submenu"));
    editMenu_->setTitle(tr("&Edit"));
    convertMenu_->setTitle(tr("&Convert"));
    viewMenu_->setTitle(tr("&View"));
    lookMenu_->setTitle(tr("&Application Look"));
    toolsMenu_->setTitle(tr("&Tools"));
    windowMenu_->setTitle(tr("&Window"));
    helpMenu_->setTitle(tr("&Help"));
    toolBar_->setWindowTitle(tr("Toolbar"));
}

} // namespace tovalo::gui
