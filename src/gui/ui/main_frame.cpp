#include "ui/main_frame.h"

#include "app/app_settings.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_window.h"
#include "ui/looks.h"
#include "ui/message_box.h"
#include "ui/output_pane.h"
#include "runner/console.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include "controls/commui/dialog_seam.h"
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
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

/// An icon that draws nothing, for tabs without document icons.
QIcon emptyIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

} // namespace

CMainFrame::CMainFrame(Settings& settings, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), settings_(settings), store_(store)
{
    setObjectName(QStringLiteral("mainFrame"));
    titleTimer_.setSingleShot(true);
    titleTimer_.setInterval(0);
    connect(&titleTimer_, &QTimer::timeout, this, &CMainFrame::refreshTitle);
    setDocumentFactory([this] { return new CChildFrame(settings_); });

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setDocumentMode(true);
    mdiArea_->setTabsMovable(true);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        if (destroying_)
            return;
        updateMenusForDocuments();
        updateTitle();
        updateActions();
    });

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    applyTabSettings();
    applyLook(settings_.applicationLook);

    outputPane_ = new COutputPane(this);
    outputPane_->applyColors(settings_);
    addDockWidget(Qt::BottomDockWidgetArea, outputPane_);
    resizeDocks({outputPane_}, {220}, Qt::Vertical);

    setWindowIcon(QIcon(QStringLiteral(":/icons/tovalo.png")));
    setAcceptDrops(true);
    resize(1100, 760);
    retranslate();
    updateMenusForDocuments();
    updateActions();
}

CMainFrame::~CMainFrame()
{
    closeConsole();
    // The document windows go now, while this is still a main frame; their signals are ignored.
    destroying_ = true;
    delete mdiArea_;
    mdiArea_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Building the window

QAction* CMainFrame::makeAction(int id, const char* objectName)
{
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setProperty(kCommandId, id);
    actions_.append(a);
    return a;
}

QAction* CMainFrame::action(int commandId) const
{
    for (QAction* a : actions_) {
        if (a->property(kCommandId).toInt() == commandId)
            return a;
    }
    return nullptr;
}

void CMainFrame::createActions()
{
    QAction* a = makeAction(cmd::New, "actionNew");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    a->setIcon(toolbarIcon(QStringLiteral("new")));
    connect(a, &QAction::triggered, this, [this] { newDocumentWindow(); });

    a = makeAction(cmd::Open, "actionOpen");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    a->setIcon(toolbarIcon(QStringLiteral("open")));
    connect(a, &QAction::triggered, this, &CMainFrame::openFromDialog);

    // Saving and the item commands belong to the active document window.
    const auto routeToDocument = [this](int id) {
        if (CDocumentWindow* doc = activeDocument())
            doc->runCommand(id);
        updateActions();
    };
    a = makeAction(cmd::Save, "actionSave");
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    a->setIcon(toolbarIcon(QStringLiteral("save")));
    connect(a, &QAction::triggered, this, [routeToDocument] { routeToDocument(cmd::Save); });
    a = makeAction(cmd::SaveAs, "actionSaveAs");
    a->setIcon(toolbarIcon(QStringLiteral("saveas")));
    connect(a, &QAction::triggered, this, [routeToDocument] { routeToDocument(cmd::SaveAs); });

    a = makeAction(cmd::Close, "actionClose");
    connect(a, &QAction::triggered, mdiArea_, &QMdiArea::closeActiveSubWindow);

    // A new document window, like New (the window menu leaves it out, as the main menu has New).
    a = makeAction(cmd::NewWindow, "actionNewWindow");
    connect(a, &QAction::triggered, this, [this] {
        if (action(cmd::New)->isEnabled())
            newDocumentWindow();
    });

    a = makeAction(cmd::RecentPlaceholder, "actionRecentPlaceholder");
    a = makeAction(cmd::Exit, "actionExit");
    connect(a, &QAction::triggered, this, &QWidget::close);

    // The item accelerators act only while the focus is in the document area, so that the keys
    // keep their ordinary meaning in the output pane.
    const struct
    {
        int id;
        const char* name;
        QKeySequence key;
        const char* icon;
    } itemCommands[] = {
        {cmd::AddItem, "actionAddItem", QKeySequence(Qt::Key_Insert), "add"},
        {cmd::UpdateItem, "actionUpdateItem", QKeySequence(Qt::Key_Return), "update"},
        {cmd::DeleteItem, "actionDeleteItem", QKeySequence(Qt::Key_Delete), "delete"},
        {cmd::DeleteAll, "actionDeleteAll", QKeySequence(Qt::CTRL | Qt::Key_Delete), "deleteall"},
    };
    for (const auto& c : itemCommands) {
        a = makeAction(c.id, c.name);
        a->setShortcut(c.key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        a->setIcon(toolbarIcon(QString::fromLatin1(c.icon)));
        mdiArea_->addAction(a);
        const int id = c.id;
        connect(a, &QAction::triggered, this, [routeToDocument, id] { routeToDocument(id); });
    }

    a = makeAction(cmd::Start, "actionStart");
    a->setShortcut(QKeySequence(Qt::Key_F5));
    a->setIcon(toolbarIcon(QStringLiteral("start")));
    connect(a, &QAction::triggered, this, &CMainFrame::startRun);
    a = makeAction(cmd::Stop, "actionStop");
    a->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    a->setIcon(toolbarIcon(QStringLiteral("stop")));
    connect(a, &QAction::triggered, this, &CMainFrame::stopRun);
    a = makeAction(cmd::PauseResume, "actionPause");
    a->setShortcut(QKeySequence(Qt::Key_F6));
    a->setCheckable(true);
    a->setIcon(toolbarIcon(QStringLiteral("pause")));
    connect(a, &QAction::triggered, this, &CMainFrame::togglePause);

    a = makeAction(cmd::Options, "actionOptions");
    a->setIcon(toolbarIcon(QStringLiteral("options")));
    connect(a, &QAction::triggered, this, &CMainFrame::optionsRequested);

    a = makeAction(cmd::About, "actionAbout");
    connect(a, &QAction::triggered, this, &CMainFrame::aboutRequested);

    a = makeAction(cmd::ViewToolbar, "actionViewToolbar");
    a->setCheckable(true);
    a->setChecked(true);
    a = makeAction(cmd::ViewStatusBar, "actionViewStatusBar");
    a->setCheckable(true);
    a->setChecked(true);
    connect(a, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    lookGroup_ = new QActionGroup(this);
    lookGroup_->setExclusive(true);
    for (const Look& look : looks()) {
        a = makeAction(look.id, "actionLook");
        a->setObjectName(QStringLiteral("actionLook%1").arg(look.id));
        a->setCheckable(true);
        lookGroup_->addAction(a);
        lookActions_.append(a);
        const int id = look.id;
        connect(a, &QAction::triggered, this, [this, id] { applyLook(id); });
    }
}

void CMainFrame::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    fileMenu_ = bar->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("menuFile"));
    fileMenu_->addAction(action(cmd::New));
    fileMenu_->addAction(action(cmd::Open));
    fileMenu_->addAction(action(cmd::Save));
    fileMenu_->addAction(action(cmd::SaveAs));
    fileMenu_->addAction(action(cmd::Close));
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::RecentPlaceholder));
    recentMenu_ = new QMenu(fileMenu_);
    recentMenu_->setObjectName(QStringLiteral("menuRecent"));
    fileMenu_->addMenu(recentMenu_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(action(cmd::Exit));
    connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::rebuildRecentMenu);

    editMenu_ = bar->addMenu(QString());
    editMenu_->setObjectName(QStringLiteral("menuEdit"));
    for (int id : {cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll})
        editMenu_->addAction(action(id));

    convertMenu_ = bar->addMenu(QString());
    convertMenu_->setObjectName(QStringLiteral("menuConvert"));
    for (int id : {cmd::Start, cmd::Stop, cmd::PauseResume})
        convertMenu_->addAction(action(id));

    viewMenu_ = bar->addMenu(QString());
    viewMenu_->setObjectName(QStringLiteral("menuView"));
    viewMenu_->addAction(action(cmd::ViewToolbar));
    viewMenu_->addAction(action(cmd::ViewStatusBar));
    lookMenu_ = viewMenu_->addMenu(QString());
    lookMenu_->setObjectName(QStringLiteral("menuLook"));
    lookMenu_->addActions(lookActions_);

    toolsMenu_ = bar->addMenu(QString());
    toolsMenu_->setObjectName(QStringLiteral("menuTools"));
    toolsMenu_->addAction(action(cmd::Options));

    windowMenu_ = bar->addMenu(QString());
    windowMenu_->setObjectName(QStringLiteral("menuWindow"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::rebuildWindowMenu);

    helpMenu_ = bar->addMenu(QString());
    helpMenu_->setObjectName(QStringLiteral("menuHelp"));
    helpMenu_->addAction(action(cmd::About));
    rebuildRecentMenu();
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(48, 48));
    toolBar_->setMovable(false);
    toolBar_->addAction(action(cmd::New));
    toolBar_->addAction(action(cmd::Open));
    toolBar_->addAction(action(cmd::Save));
    toolBar_->addAction(action(cmd::SaveAs));
    toolBar_->addSeparator();
    toolBar_->addAction(action(cmd::AddItem));
    toolBar_->addAction(action(cmd::UpdateItem));
    toolBar_->addAction(action(cmd::DeleteItem));
    toolBar_->addSeparator();
    toolBar_->addAction(action(cmd::DeleteAll));
    toolBar_->addSeparator();
    toolBar_->addAction(action(cmd::Start));
    toolBar_->addAction(action(cmd::Stop));
    toolBar_->addAction(action(cmd::PauseResume));
    toolBar_->addSeparator();
    toolBar_->addAction(action(cmd::Options));
    QAction* show = action(cmd::ViewToolbar);
    connect(show, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, show, &QAction::setChecked);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    progress_ = new QProgressBar(bar);
    progress_->setObjectName(QStringLiteral("runProgress"));
    progress_->setTextVisible(true);
    progress_->setFormat(QStringLiteral("%p%"));
    progress_->hide();
    bar->addWidget(progress_, 1);

    demoPane_ = new QLabel(bar);
    demoPane_->setObjectName(QStringLiteral("statusDemo"));
    demoPane_->hide();
    bar->addPermanentWidget(demoPane_);
    phasePane_ = new QLabel(bar);
    phasePane_->setObjectName(QStringLiteral("statusPhase"));
    bar->addPermanentWidget(phasePane_);
    versionPane_ = new QLabel(bar);
    versionPane_->setObjectName(QStringLiteral("statusVersion"));
    bar->addPermanentWidget(versionPane_);
    setPaneText(phasePane_, QStringLiteral(" "));
    setPaneText(versionPane_, QStringLiteral(" "));
}

void CMainFrame::retranslate()
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
        {cmd::Start, tr("&Start Conversion"), tr("Convert every item of the list with dpct\nStart")},
        {cmd::Stop, tr("S&top Conversion"), tr("Stop the conversion\nStop")},
        {cmd::PauseResume, tr("&Pause/Resume Conversion"),
         tr("Pause or resume the conversion\nPause/Resume")},
        {cmd::Options, tr("&Settings...\tF12"), tr("Change the settings\nSettings")},
        {cmd::About, tr("&About Tovalo..."), tr("Show the program's version\nAbout")},
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
    demoPane_->setText(tr("DEMO: simulated oneAPI toolkit"));
    if (engine_ && !phaseText(engine_->phase()).isEmpty())
        setPaneText(phasePane_, phaseText(engine_->phase()));
    updateTitle();
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void CMainFrame::setDemoMode(bool demo)
{
    demo_ = demo;
    demoPane_->setVisible(demo);
    refreshTitle();
}

void CMainFrame::updateTitle()
{
    // After the MDI area has finished activating and maximising, so the state read is final.
    if (!titleTimer_.isActive())
        titleTimer_.start();
}

void CMainFrame::refreshTitle()
{
    if (destroying_)
        return;
    QString app = tr("Intel® oneAPI DPC++ Compatibility Tool\nSupport App\n<< Tovalo >>");
    app.remove(QStringLiteral("<< ")).remove(QStringLiteral(" >>"));
    // A title bar holds one line: the line breaks become blanks.
    app.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (demo_)
        app += QStringLiteral(" [") + tr("DEMO") + QLatin1Char(']');
    // The document's name comes first. A maximised sub-window adds " - [name]" to the title by
    // itself, so then the program's name stands alone.
    QString title = app;
    QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    const bool qtAddsName = sub && sub->isMaximized() && mdiArea_->viewMode() == QMdiArea::SubWindowView;
    if (qtAddsName && windowTitle() == app + QStringLiteral(" - [") + sub->windowTitle() + QLatin1Char(']'))
        return;
    if (CDocumentWindow* doc = activeDocument(); doc && !qtAddsName)
        title = doc->windowTitle() + QStringLiteral(" - ") + app;
    setWindowTitle(title);
}

// ---------------------------------------------------------------------------------------------
// Documents

void CMainFrame::setDocumentFactory(DocumentFactory factory)
{
    documentFactory_ = std::move(factory);
}

QMdiSubWindow* CMainFrame::addDocument(CDocumentWindow* doc)
{
    QMdiSubWindow* sub = mdiArea_->addSubWindow(doc);
    sub->setObjectName(QStringLiteral("documentSubWindow"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(settings_.tabMode[kTabIcons] ? QIcon(QStringLiteral(":/icons/document.png"))
                                                    : emptyIcon());
    doc->applyColors(settings_);
    doc->setRunPhase(static_cast<int>(engine_ ? engine_->phase() : RunPhase::Idle));
    connect(doc, &CDocumentWindow::stateChanged, this, [this] {
        if (destroying_)
            return;
        updateTitle();
        updateActions();
    });
    connect(sub, &QObject::destroyed, this, [this] {
        if (destroying_)
            return;
        updateMenusForDocuments();
        updateTitle();
        updateActions();
    });
    doc->installEventFilter(this);
    return sub;
}

CDocumentWindow* CMainFrame::newDocumentWindow()
{
    CDocumentWindow* doc = documentFactory_();
    QMdiSubWindow* sub = addDocument(doc);
    if (settings_.tabMode[kTabMdiOn] == 0)
        sub->showMaximized();
    else
        sub->show();
    mdiArea_->setActiveSubWindow(sub);
    doc->setProportions();
    updateMenusForDocuments();
    updateActions();
    return doc;
}

QList<CDocumentWindow*> CMainFrame::documentWindows() const
{
    QList<CDocumentWindow*> docs;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* doc = qobject_cast<CDocumentWindow*>(sub->widget()))
            docs.append(doc);
    }
    return docs;
}

CDocumentWindow* CMainFrame::activeDocument() const
{
    QMdiSubWindow* sub = mdiArea_->activeSubWindow();
    if (!sub) {
        // Offscreen and while another window has the focus the MDI area reports no active
        // sub-window; the current one is still the document the commands act on.
        sub = mdiArea_->currentSubWindow();
    }
    return sub ? qobject_cast<CDocumentWindow*>(sub->widget()) : nullptr;
}

bool CMainFrame::openDefinition(const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    const QList<CDocumentWindow*> docs = documentWindows();
    for (qsizetype i = docs.size() - 1; i >= 0; --i) {
        const QString open = docs.at(i)->filePath();
        if (!open.isEmpty() && QFileInfo(open).absoluteFilePath().compare(wanted, Qt::CaseInsensitive) == 0) {
            mdiArea_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(docs.at(i)->parentWidget()));
            return true;
        }
    }
    CDocumentWindow* doc = documentFactory_();
    QString error;
    if (!doc->loadDefinition(wanted, error)) {
        delete doc;
        MessageBox::error(this, tr("%1\n%2").arg(QDir::toNativeSeparators(wanted), error));
        return false;
    }
    QMdiSubWindow* sub = addDocument(doc);
    if (settings_.tabMode[kTabMdiOn] == 0)
        sub->showMaximized();
    else
        sub->show();
    mdiArea_->setActiveSubWindow(sub);
    doc->setProportions();
    settings_.addRecent(wanted.toStdString());
    rebuildRecentMenu();
    updateMenusForDocuments();
    updateActions();
    return true;
}

void CMainFrame::openFromDialog()
{
    if (!action(cmd::Open)->isEnabled())
        return;
    const QString path = DialogSeam::openFileName(this, tr("Open Definition File"), QString(),
                                                      tr("Definition file (*.txt);;All Files (*)"));
    if (!path.isEmpty())
        openDefinition(path);
}

void CMainFrame::openRecent(int index)
{
    if (index < 0 || index >= static_cast<int>(kRecentLimit) ||
        index >= static_cast<int>(settings_.recent.size()))
        return;
    if (engine_ && engine_->phase() != RunPhase::Idle)
        return;
    openDefinition(QString::fromStdString(settings_.recent[static_cast<std::size_t>(index)]));
}

void CMainFrame::rebuildRecentMenu()
{
    recentMenu_->clear();
    const QStringList recent = recentFiles(settings_);
    const bool empty = recent.isEmpty();
    QAction* placeholder = action(cmd::RecentPlaceholder);
    placeholder->setVisible(empty);
    placeholder->setEnabled(false);
    recentMenu_->menuAction()->setVisible(!empty);
    const bool idle = !engine_ || engine_->phase() == RunPhase::Idle;
    for (int i = 0; i < recent.size() && i < static_cast<int>(kRecentLimit); ++i) {
        const QString label =
            QStringLiteral("(&%1) %2")
                .arg(QString::number(i, 16).toUpper(), QDir::toNativeSeparators(recent.at(i)));
        QAction* a = recentMenu_->addAction(label);
        a->setObjectName(QStringLiteral("actionRecent%1").arg(i));
        a->setProperty(kCommandId, cmd::RecentFirst + i);
        a->setEnabled(idle);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
    }
}

void CMainFrame::rebuildWindowMenu()
{
    windowMenu_->clear();
    const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs.at(i);
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        a->setObjectName(QStringLiteral("actionWindow%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(sub == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdiArea_->setActiveSubWindow(sub); });
    }
}

void CMainFrame::updateMenusForDocuments()
{
    // Without a document window only File, View and Help are shown, and File only has New,
    // Open, the recent files and Exit.
    const bool any = !mdiArea_->subWindowList().isEmpty();
    for (QMenu* m : {editMenu_, convertMenu_, toolsMenu_, windowMenu_})
        m->menuAction()->setVisible(any);
    for (int id : {cmd::Save, cmd::SaveAs, cmd::Close})
        action(id)->setVisible(any);
}

// ---------------------------------------------------------------------------------------------
// Looks and tabs

void CMainFrame::applyLook(int id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (id < kLookFirst || id > kLookLast)
        id = kDefaultLook;
    settings_.applicationLook = id;
    applyLookToApplication(id);
    for (QAction* a : std::as_const(lookActions_))
        a->setChecked(a->property(kCommandId).toInt() == id);
    update();
    std::string error;
    saveSettings(store_, settings_, kSaveLook, error);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::applyTabSettings()
{
    const auto& t = settings_.tabMode;
    mdiArea_->setViewMode(t[kTabMdiOn] ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    mdiArea_->setTabPosition(t[kTabLocation] == 0 ? QTabWidget::South : QTabWidget::North);
    mdiArea_->setTabShape(t[kTabStyle] % 2 == 0 ? QTabWidget::Rounded : QTabWidget::Triangular);
    mdiArea_->setTabsClosable(t[kTabActiveCloseButton] != 0);
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        sub->setWindowIcon(t[kTabIcons] ? QIcon(QStringLiteral(":/icons/document.png")) : emptyIcon());
    if (QTabBar* tabs = mdiArea_->findChild<QTabBar*>()) {
        // A colour per tab: a fixed cycle of distinct hues on the tab text.
        static const QColor cycle[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0x2e, 0x8b, 0x57),
                                       QColor(0xb8, 0x5c, 0x00), QColor(0x8b, 0x22, 0x8b),
                                       QColor(0xb2, 0x22, 0x22)};
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabTextColor(i, t[kTabAutoColor] ? cycle[i % 5] : QColor());
    }
    if (!t[kTabMdiOn]) {
        if (QMdiSubWindow* active = mdiArea_->activeSubWindow())
            active->showMaximized();
    }
}

void CMainFrame::applyColors()
{
    outputPane_->applyColors(settings_);
    for (CDocumentWindow* doc : documentWindows())
        doc->applyColors(settings_);
}

// ---------------------------------------------------------------------------------------------
// Enabling rules

void CMainFrame::updateActions()
{
    const RunPhase phase = engine_ ? engine_->phase() : RunPhase::Idle;
    const bool idle = phase == RunPhase::Idle;
    CDocumentWindow* doc = activeDocument();
    const bool docReady = doc && doc->hasList() && doc->rowCount() > 0;

    action(cmd::Open)->setEnabled(idle);
    action(cmd::New)->setEnabled(idle);
    action(cmd::Options)->setEnabled(idle);
    for (QAction* a : recentMenu_->actions())
        a->setEnabled(idle);

    const bool canStart = engine_ && engine_->canStart() && docReady && doc->currentRow() < 0;
    const bool canStopOrPause = engine_ && engine_->canPauseOrStop() && docReady && doc->currentRow() >= 0;
    action(cmd::Start)->setEnabled(canStart);
    action(cmd::Stop)->setEnabled(canStopOrPause);
    action(cmd::PauseResume)->setEnabled(canStopOrPause);
    action(cmd::PauseResume)->setChecked(phase == RunPhase::Paused);

    action(cmd::NewWindow)->setEnabled(idle);
    for (int id :
         {cmd::Save, cmd::SaveAs, cmd::AddItem, cmd::UpdateItem, cmd::DeleteItem, cmd::DeleteAll, cmd::Close})
        action(id)->setEnabled(doc && doc->commandEnabled(id));
}

// ---------------------------------------------------------------------------------------------
// The run

bool CMainFrame::openConsole(QString& error)
{
    closeConsole();
    console_ = createPlatformConsole();
    RunEngineConfig config;
    config.oneApiRoot = settings_.oneapiRoot;
    // The reader thread only posts one queued call; further wakes before it runs collapse into it.
    auto wake = [this] {
        if (wakePosted_.testAndSetOrdered(0, 1))
            QMetaObject::invokeMethod(this, &CMainFrame::processConsole, Qt::QueuedConnection);
    };
    RunObserver& observer = *this;
    engine_ = std::make_unique<RunEngine>(*console_, observer, config, wake);
    std::string why;
    const bool ok = engine_->startUp(why);
    if (!ok)
        error = QString::fromStdString(why);
    updateActions();
    return ok;
}

void CMainFrame::processConsole()
{
    wakePosted_.storeRelease(0);
    if (engine_)
        engine_->processPending();
}

void CMainFrame::closeConsole()
{
    if (!engine_)
        return;
    if (isRunPhase(engine_->phase())) {
        // Stop the run and let the engine reset its queue now, so no item is referenced later.
        engine_->stop();
        engine_->interruptCommand();
        engine_->processPending();
    }
    console_->close();
    engine_.reset();
    console_.reset();
    runFrame_.clear();
}

void CMainFrame::startRun()
{
    CDocumentWindow* doc = activeDocument();
    if (!engine_ || !doc || !action(cmd::Start)->isEnabled())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runFrame_ = doc;
    if (engine_->start(doc->runItems()))
        doc->runStarted();
    QApplication::restoreOverrideCursor();
    updateActions();
}

void CMainFrame::stopRun()
{
    CDocumentWindow* doc = activeDocument();
    if (!engine_ || !action(cmd::Stop)->isEnabled())
        return;
    engine_->stop();
    if (runFrame_)
        runFrame_->runAdvance(false);
    progress_->hide();
    if (doc && doc != runFrame_)
        doc->runAdvance(false);
    updateActions();
}

void CMainFrame::togglePause()
{
    if (!engine_ || !action(cmd::PauseResume)->isEnabled()) {
        action(cmd::PauseResume)->setChecked(engine_ && engine_->isPaused());
        return;
    }
    engine_->togglePause();
    if (runFrame_)
        runFrame_->itemsChanged();
    updateActions();
}

void CMainFrame::documentClosing(CDocumentWindow* doc)
{
    // The engine references the items of the run's document: a run of a closing document is
    // stopped and its queue reset before the items go away.
    if (engine_ && doc == runFrame_ && isRunPhase(engine_->phase())) {
        engine_->stop();
        engine_->processPending();
    }
    if (doc == runFrame_)
        runFrame_.clear();
}

QString CMainFrame::phaseText(RunPhase phase) const
{
    switch (phase) {
    case RunPhase::Idle:
        return QStringLiteral(" ");
    case RunPhase::AwaitPrompt:
        return QString();
    case RunPhase::SetvarsRequested:
        return tr("Starting setvars");
    case RunPhase::SetvarsRunning:
        return tr("Running setvars...");
    case RunPhase::VersionRequested:
        return tr("Querying the dpct version");
    case RunPhase::VersionRunning:
        return tr("Querying the dpct version...");
    case RunPhase::ItemRequested:
        return tr("dpct conversion started");
    case RunPhase::ItemRunning:
        return tr("dpct converting...");
    case RunPhase::StopRequested:
        return QStringLiteral("  ");
    case RunPhase::Paused:
        return tr("dpct run paused");
    }
    return QString();
}

void CMainFrame::setPaneText(QLabel* pane, const QString& text)
{
    // The pane is as wide as its text in the status bar's font, plus two pixels.
    pane->setText(text);
    Q_EMIT runStatusChanged(pane == phasePane_ ? 1 : 2, text);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 2 + pane->contentsMargins().left() +
                        pane->contentsMargins().right());
}

void CMainFrame::phaseChanged(RunPhase phase)
{
    // The pane text comes with statusText(1); here the commands and the windows' input locks
    // follow the phase.
    for (CDocumentWindow* doc : documentWindows())
        doc->setRunPhase(static_cast<int>(phase));
    rebuildRecentMenu();
    updateActions();
}

void CMainFrame::statusText(int pane, const std::string& /*text*/)
{
    if (!engine_)
        return;
    if (pane == 1) {
        const QString text = phaseText(engine_->phase());
        if (!text.isEmpty())
            setPaneText(phasePane_, text);
    } else if (pane == 2 && !engine_->dpctVersion().empty()) {
        setPaneText(versionPane_, tr("dpct ver: %1").arg(QString::fromStdString(engine_->dpctVersion())));
    }
}

void CMainFrame::itemStatusChanged(CDpctData& /*item*/)
{
    if (runFrame_)
        runFrame_->itemsChanged();
}

void CMainFrame::itemFinished(CDpctData& /*item*/)
{
    if (runFrame_)
        runFrame_->itemsChanged();
}

void CMainFrame::advance(bool nextItem)
{
    if (runFrame_)
        runFrame_->runAdvance(nextItem);
    updateActions();
}

void CMainFrame::progress(int done, int total)
{
    if (total < 0) {
        progress_->hide();
        return;
    }
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
    progress_->show();
}

void CMainFrame::consoleText(std::string_view utf8)
{
    outputPane_->appendUtf8(utf8);
}

// ---------------------------------------------------------------------------------------------
// Closing, drops

void CMainFrame::closeEvent(QCloseEvent* event)
{
    const QString text =
        tr("\"Intel®  oneAPI DPC++ Compatibility Tool\" Support App\nDo you really want to quit?");
    if (MessageBox::askYesNo(this, text) != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    quitting_ = true;
    for (qsizetype i = subs.size() - 1; i >= 0; --i) {
        if (!subs.at(i)->close()) {
            quitting_ = false;
            event->ignore();
            return;
        }
    }
    quitting_ = false;
    closeConsole();
    event->accept();
}

bool CMainFrame::querySaveAll()
{
    const QList<CDocumentWindow*> docs = documentWindows();
    return std::all_of(docs.begin(), docs.end(), [](CDocumentWindow* doc) { return doc->queryClose(); });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && event->isAccepted()) {
        if (auto* doc = qobject_cast<CDocumentWindow*>(watched)) {
            // A document window's close box and close command do nothing while a run or the
            // start-up sequence is under way; quitting the program still closes it.
            const bool idle = !engine_ || engine_->phase() == RunPhase::Idle;
            if (!idle && !quitting_) {
                event->ignore();
                return true;
            }
            // Filters see the close before the window does: the save question is asked here,
            // and a run of this document is stopped before its items go away.
            if (!doc->queryClose()) {
                event->ignore();
                return true;
            }
            documentClosing(doc);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isFile())
            openDefinition(path);
    }
    event->acceptProposedAction();
}

} // namespace tovalo::gui
