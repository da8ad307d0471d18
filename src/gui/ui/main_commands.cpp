#include "ui/main_commands.h"

#include "settings/settings.h"
#include "ui/command_ids.h"
#include "ui/document_commands.h"
#include "ui/looks.h"

#include <vector>

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QKeySequence>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

namespace tovalo::gui {
namespace {

constexpr auto kCommandId = "commandId";

/// A command of the main window itself (the document commands have their own table).
struct WindowCommand
{
    int id;
    const char* objectName;
    const char* text; ///< menu text (untranslated)
    const char* tip;  ///< status-bar prompt, a line break, then the tool tip; null for none
    QKeySequence key;
    const char* icon; ///< toolbar picture; null for none
};

const std::vector<WindowCommand>& windowCommands()
{
    static const std::vector<WindowCommand> commands = {
        {cmd::New, "actionNew", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&New"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Create a new definition file\nNew"),
         QKeySequence(Qt::CTRL | Qt::Key_N), "new"},
        {cmd::Open, "actionOpen", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Open Definition File..."),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Open a definition file\nOpen"),
         QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
        {cmd::ImportCompileDb, "actionImportCompileDb",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Import Compilation Database..."),
         QT_TRANSLATE_NOOP(
             "tovalo::gui::MainCommands",
             "Make conversion items from a compilation database (compile_commands.json)\nImport "
             "Compilation Database"),
         QKeySequence(), nullptr},
        {cmd::NewWindow, "actionNewWindow", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&New Window"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands",
                           "Open another window for a new definition file\nNew Window"),
         QKeySequence(), nullptr},
        {cmd::RecentPlaceholder, "actionRecentPlaceholder",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Recent &Files"), nullptr, QKeySequence(), nullptr},
        {cmd::Exit, "actionExit", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "E&xit"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Quit the application\nExit"), QKeySequence(),
         nullptr},
        {cmd::Start, "actionStart", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Start Conversion"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Convert every item of the list with dpct\nStart"),
         QKeySequence(Qt::Key_F5), "start"},
        {cmd::Stop, "actionStop", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "S&top Conversion"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Stop the conversion\nStop"),
         QKeySequence(Qt::SHIFT | Qt::Key_F5), "stop"},
        {cmd::PauseResume, "actionPause",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Pause/Resume Conversion"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Pause or resume the conversion\nPause/Resume"),
         QKeySequence(Qt::Key_F6), "pause"},
        {cmd::RerunFailed, "actionRerunFailed",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Re-run Failed Items"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands",
                           "Convert again only the items whose last result was not OK\nRe-run Failed"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), nullptr},
        {cmd::Options, "actionOptions", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Settings...\tF12"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Change the settings\nSettings"),
         QKeySequence(Qt::Key_F12), "options"},
        {cmd::About, "actionAbout", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&About Tovalo..."),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Show the program's version\nAbout"), QKeySequence(),
         nullptr},
        {cmd::UserGuide, "actionUserGuide",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Tovalo &User Guide"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Open the user guide of Tovalo\nUser Guide"),
         QKeySequence(QKeySequence::HelpContents), nullptr},
        {cmd::DpctDocs, "actionDpctDocs",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&dpct Documentation (Web)"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands",
                           "Open the documentation of dpct in the web browser\ndpct Documentation"),
         QKeySequence(), nullptr},
        {cmd::WindowCascade, "actionWindowCascade",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Cascade"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Arrange the windows so that they overlap\nCascade"),
         QKeySequence(), nullptr},
        {cmd::WindowTile, "actionWindowTile", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Tile"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Arrange the windows side by side\nTile"),
         QKeySequence(), nullptr},
        {cmd::WindowNext, "actionWindowNext", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Ne&xt Window"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Activate the next window\nNext Window"),
         QKeySequence(Qt::CTRL | Qt::Key_F6), nullptr},
        {cmd::WindowPrevious, "actionWindowPrevious",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Previous Window"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Activate the previous window\nPrevious Window"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), nullptr},
        {cmd::WindowCloseAll, "actionWindowCloseAll",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Close &All"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Close every document window\nClose All"),
         QKeySequence(), nullptr},
        {cmd::ViewToolbar, "actionViewToolbar", QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Toolbar"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Show or hide the toolbar\nToolbar"), QKeySequence(),
         nullptr},
        {cmd::ViewStatusBar, "actionViewStatusBar",
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Status Bar"),
         QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Show or hide the status bar\nStatus Bar"),
         QKeySequence(), nullptr},
    };
    return commands;
}

QIcon toolbarIcon(const QString& name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(name), QSize(48, 48), QIcon::Normal);
    icon.addFile(QStringLiteral(":/icons/%1-disabled.png").arg(name), QSize(48, 48), QIcon::Disabled);
    icon.addFile(QStringLiteral(":/icons/%1-hot.png").arg(name), QSize(48, 48), QIcon::Active);
    return icon;
}

void setTexts(QAction* action, const QString& text, const QString& tip)
{
    action->setText(text);
    // The first line is the status-bar prompt, the second the tooltip.
    const QStringList lines = tip.split(QLatin1Char('\n'));
    action->setStatusTip(lines.value(0));
    action->setToolTip(lines.value(1, lines.value(0)));
}

} // namespace

MainCommands::MainCommands(QMainWindow* window, QMdiArea* documentArea) : QObject(window)
{
    setObjectName(QStringLiteral("mainCommands"));
    createActions(documentArea);
    createMenus(window, documentArea);
    createToolBar(window);
}

QAction* MainCommands::makeAction(int id, const char* objectName)
{
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setProperty(kCommandId, id);
    actions_.append(a);
    return a;
}

QAction* MainCommands::action(int commandId) const
{
    for (QAction* a : actions_) {
        if (a->property(kCommandId).toInt() == commandId)
            return a;
    }
    return nullptr;
}

void MainCommands::createActions(QMdiArea* documentArea)
{
    for (const WindowCommand& c : windowCommands()) {
        QAction* a = makeAction(c.id, c.objectName);
        if (!c.key.isEmpty())
            a->setShortcut(c.key);
        if (c.icon)
            a->setIcon(toolbarIcon(QString::fromLatin1(c.icon)));
    }
    for (const DocumentCommand& c : documentCommands()) {
        QAction* a = makeAction(c.id, c.objectName);
        if (const QList<QKeySequence> keys = commandShortcuts(c); !keys.isEmpty())
            a->setShortcuts(keys);
        if (c.icon)
            a->setIcon(toolbarIcon(QString::fromLatin1(c.icon)));
        if (c.listKeys) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            documentArea->addAction(a);
        }
    }
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

void MainCommands::createMenus(QMainWindow* window, QMdiArea* documentArea)
{
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto addMenu = [bar](const char* name) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    fileMenu_ = addMenu("menuFile");
    for (int id : {cmd::New, cmd::Open, cmd::ImportCompileDb, cmd::Save, cmd::SaveAs, cmd::Close})
        fileMenu_->addAction(action(id));
    fileMenu_->addSeparator();
    for (int id : {cmd::ExportCsv, cmd::ExportJson, cmd::ExportReport})
        fileMenu_->addAction(action(id));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::RecentPlaceholder));
    recentMenu_ = new QMenu(fileMenu_);
    recentMenu_->setObjectName(QStringLiteral("menuRecent"));
    fileMenu_->addMenu(recentMenu_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::Exit));
    connect(fileMenu_, &QMenu::aboutToShow, this, &MainCommands::fileMenuAboutToShow);

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
    for (int id : {cmd::RerunFailed, cmd::ConvertSelected, cmd::Diagnostics})
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

void MainCommands::createToolBar(QMainWindow* window)
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

void MainCommands::setCheckedLook(int id)
{
    for (QAction* a : std::as_const(lookActions_))
        a->setChecked(a->property(kCommandId).toInt() == id);
}

void MainCommands::setRecentFiles(const QStringList& paths, bool enabled)
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

void MainCommands::rebuildWindowMenu(QMdiArea* documentArea)
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

void MainCommands::setDocumentsOpen(bool any)
{
    // Without a document window only File, View and Help are shown, and File only has New,
    // Open, the recent files and Exit.
    for (QMenu* m : {editMenu_, convertMenu_, toolsMenu_, windowMenu_})
        m->menuAction()->setVisible(any);
    for (QAction* a : fileMenu_->actions()) {
        if (documentCommand(a->property(kCommandId).toInt()))
            a->setVisible(any);
    }
}

void MainCommands::retranslate()
{
    for (const WindowCommand& c : windowCommands())
        setTexts(action(c.id), tr(c.text), c.tip ? tr(c.tip) : QString());
    for (const DocumentCommand& c : documentCommands())
        setTexts(action(c.id), documentCommandText(c.text), documentCommandText(c.tip));
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
