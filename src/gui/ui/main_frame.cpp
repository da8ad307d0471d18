#include "ui/main_frame.h"

#include "app/app_settings.h"
#include "base/path_text.h"
#include "controls/commui/dialog_seam.h"
#include "data/definition_file.h"
#include "runner/run_engine.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/compile_db_importer.h"
#include "ui/document_commands.h"
#include "ui/document_window.h"
#include "ui/help_links.h"
#include "ui/looks.h"
#include "ui/main_commands.h"
#include "ui/main_status_bar.h"
#include "ui/main_title.h"
#include "ui/message_box.h"
#include "ui/output_height_keeper.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"
#include "ui/window_looks.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QUrl>

namespace tovalo::gui {

CMainFrame::CMainFrame(Settings& settings, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), settings_(settings), store_(store)
{
    setObjectName(QStringLiteral("mainFrame"));
    title_ = new MainTitle(*this);
    setDocumentFactory([this] { return new CChildFrame(settings_); });

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setDocumentMode(true);
    mdiArea_->setTabsMovable(true);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::documentsChanged);
    looks_ = std::make_unique<WindowLooks>(settings_, store_, *mdiArea_);

    commands_ = new MainCommands(this, mdiArea_);
    statusBar_ = new MainStatusBar(this);
    setStatusBar(statusBar_);
    connect(statusBar_, &MainStatusBar::paneTextChanged, this, &CMainFrame::runStatusChanged);
    run_ = new RunController(this);
    importer_ = new CompileDbImporter(
        settings_, this, [this] { return newDocumentWindow(); },
        [this]() -> DocumentWindow* {
            DocumentWindow* doc = activeDocument();
            return doc && doc->commandEnabled(cmd::AddItem) ? doc : nullptr;
        });
    connect(importer_, &CompileDbImporter::busyChanged, this, &CMainFrame::updateActions);
    connectCommands();
    connectRun();
    applyTabSettings();
    applyLook(settings_.applicationLook);

    outputPane_ = new COutputPane(this);
    outputPane_->applyColors(settings_);
    addDockWidget(Qt::BottomDockWidgetArea, outputPane_);
    resizeDocks({outputPane_}, {220}, Qt::Vertical);

    setWindowIcon(QIcon(QStringLiteral(":/icons/tovalo.png")));
    setAcceptDrops(true);
    // Small enough for a laptop screen, large enough that the list, the output and the run
    // commands of the toolbar stay in reach.
    setMinimumSize(640, 480);
    resize(1100, 760);
    outputHeight_ = new OutputHeightKeeper(*this, *outputPane_);
    restoreLayout();
    retranslate();
    documentsChanged();
}

void CMainFrame::restoreLayout()
{
    const WindowLayout& w = settings_.window;
    if (!w.placement.empty())
        restoreGeometry(QByteArray::fromStdString(w.placement));
    if (!w.docks.empty())
        restoreState(QByteArray::fromStdString(w.docks));
    if (w.outputHeight > 0)
        outputHeight_->restore(w.outputHeight);
}

int CMainFrame::preferredOutputHeight() const
{
    return outputHeight_->height();
}

void CMainFrame::storeLayout()
{
    WindowLayout& w = settings_.window;
    w.placement = saveGeometry().toStdString();
    w.docks = saveState().toStdString();
    w.outputHeight = outputHeight_->height();
}

CMainFrame::~CMainFrame()
{
    run_->close();
    // The document windows go now, while this is still a main frame; nothing they or the MDI
    // area say on the way out needs an answer.
    mdiArea_->disconnect(this);
    // Closed sub-windows waiting for their deferred deletion are no longer listed by the area.
    for (QMdiSubWindow* sub : mdiArea_->findChildren<QMdiSubWindow*>()) {
        sub->disconnect(this);
        if (sub->widget())
            sub->widget()->disconnect(this);
    }
    delete mdiArea_;
    mdiArea_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Commands

QAction* CMainFrame::action(int commandId) const
{
    return commands_->action(commandId);
}

void CMainFrame::routeToDocument(const DocumentCommand& command)
{
    // The document commands belong to the active document window.
    if (DocumentWindow* doc = activeDocument())
        doc->run(command);
    updateActions();
}

void CMainFrame::connectCommands()
{
    const auto on = [this](int id, auto&& slot) {
        connect(action(id), &QAction::triggered, this, slot);
    };
    on(cmd::New, [this] { newDocumentWindow(); });
    on(cmd::Open, &CMainFrame::openFromDialog);
    on(cmd::ImportCompileDb, [this] {
        if (action(cmd::ImportCompileDb)->isEnabled())
            importer_->start();
    });
    for (const DocumentCommand& c : documentCommands())
        on(c.id, [this, &c] { routeToDocument(c); });
    // A new document window, like New (the window menu leaves it out, as the main menu has New).
    on(cmd::NewWindow, [this] {
        if (action(cmd::New)->isEnabled())
            newDocumentWindow();
    });
    on(cmd::Exit, &QWidget::close);
    for (const auto& [id, scope] :
         {std::pair{cmd::Start, RunScope::All}, {cmd::RerunFailed, RunScope::Failed}}) {
        on(id, [this, id, scope] {
            run_->setParallelConversions(settings_.parallelConversions);
            if (action(id)->isEnabled())
                run_->startAfterAsking(activeDocument(), scope, this);
            updateActions();
        });
    }
    on(cmd::Stop, [this] {
        if (action(cmd::Stop)->isEnabled())
            run_->stop();
        updateActions();
    });
    on(cmd::PauseResume, [this] {
        if (action(cmd::PauseResume)->isEnabled())
            run_->togglePause();
        updateActions();
    });
    on(cmd::Options, &CMainFrame::optionsRequested);
    on(cmd::About, &CMainFrame::aboutRequested);
    on(cmd::UserGuide, &CMainFrame::openUserGuide);
    on(cmd::DpctDocs, [this] {
        if (!DesktopSeam::openUrl(dpctDocumentationUrl()))
            MessageBox::error(
                this,
                tr("The web browser could not be started for %1.").arg(dpctDocumentationUrl().toString()));
    });
    on(cmd::WindowCascade, [this] { mdiArea_->cascadeSubWindows(); });
    on(cmd::WindowTile, [this] { mdiArea_->tileSubWindows(); });
    on(cmd::WindowNext, [this] { mdiArea_->activateNextSubWindow(); });
    on(cmd::WindowPrevious, [this] { mdiArea_->activatePreviousSubWindow(); });
    on(cmd::WindowCloseAll, [this] {
        // Each window asks its own save question; a Cancel keeps that window and the ones after.
        const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList(QMdiArea::CreationOrder);
        for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
            if (!(*it)->close())
                break;
        }
    });
    connect(action(cmd::ViewStatusBar), &QAction::toggled, statusBar_, &QWidget::setVisible);
    connect(commands_, &MainCommands::lookChosen, this, &CMainFrame::applyLook);
    connect(commands_, &MainCommands::recentChosen, this, &CMainFrame::openRecent);
    connect(commands_, &MainCommands::fileMenuAboutToShow, this, &CMainFrame::refreshRecentFiles);
}

void CMainFrame::connectRun()
{
    connect(run_, &RunController::runPhaseChanged, this, &CMainFrame::runPhaseChanged);
    connect(run_, &RunController::runAdvanced, this, &CMainFrame::updateActions);
    connect(run_, &RunController::progressChanged, this, [this](int done, int total) {
        statusBar_->showProgress(done, total);
        title_->setRunProgress(total < 0 ? QString() : QStringLiteral("%1/%2").arg(done).arg(total));
    });
    connect(run_, &RunController::runFinished, this, [this](const RunSummary& summary) {
        const DocumentWindow* active = activeDocument();
        statusBar_->setSummaryShown(active && active == run_->runDocument());
        statusBar_->showSummary(summary);
        title_->setRunProgress(QString());
    });
    connect(run_, &RunController::dpctVersionKnown, statusBar_,
            [this](const QString& version, const QString& codebase) {
                statusBar_->showVersion(version);
                // Results exported from a document name the dpct that produced them.
                settings_.dpctVersion = version.toStdString();
                settings_.dpctCodebase = codebase.toStdString();
            });
    connect(run_, &RunController::outputArrived, this,
            [this](std::string_view utf8) { outputPane_->appendUtf8(utf8); });
    connect(run_, &RunController::outputLinesArrived, this,
            [this](int console, const QString& tag, std::string_view lines) {
                outputPane_->appendTagged(console, tag, lines);
            });
    connect(run_, &RunController::runningChanged, statusBar_, &MainStatusBar::showRunning);
}

void CMainFrame::runPhaseChanged(RunPhase phase)
{
    statusBar_->showPhase(phase, run_->isStopping());
    // Every document window locks its editing while a run or the start-up sequence is under way.
    for (DocumentWindow* doc : documentWindows())
        doc->setRunPhase(phase);
    refreshRecentFiles();
    updateActions();
}

void CMainFrame::updateActions()
{
    const bool idle = run_->isIdle();
    DocumentWindow* doc = activeDocument();
    const bool docReady = doc && doc->hasList() && doc->rowCount() > 0;

    for (int id : {cmd::Open, cmd::New, cmd::NewWindow, cmd::Options})
        action(id)->setEnabled(idle);
    action(cmd::ImportCompileDb)->setEnabled(idle && !importer_->isBusy());
    const bool canStart = run_->canStart() && docReady && doc->currentRow() < 0;
    const bool canStopOrPause = run_->canPauseOrStop() && docReady && doc->currentRow() >= 0;
    action(cmd::Start)->setEnabled(canStart);
    action(cmd::RerunFailed)->setEnabled(canStart && !RunController::failedItems(doc).empty());
    action(cmd::Stop)->setEnabled(canStopOrPause);
    action(cmd::PauseResume)->setEnabled(canStopOrPause);
    action(cmd::PauseResume)->setChecked(run_->phase() == RunPhase::Paused);
    for (const DocumentCommand& c : documentCommands())
        action(c.id)->setEnabled(doc && doc->canRun(c));
    action(cmd::ConvertSelected)->setEnabled(canStart && action(cmd::ConvertSelected)->isEnabled());
    const int windows = static_cast<int>(mdiArea_->subWindowList().size());
    const bool arranged = mdiArea_->viewMode() == QMdiArea::SubWindowView;
    action(cmd::WindowCascade)->setEnabled(windows > 0 && arranged);
    action(cmd::WindowTile)->setEnabled(windows > 0 && arranged);
    action(cmd::WindowNext)->setEnabled(windows > 1);
    action(cmd::WindowPrevious)->setEnabled(windows > 1);
    action(cmd::WindowCloseAll)->setEnabled(windows > 0 && idle);
}

void CMainFrame::openUserGuide()
{
    const QString guide = userGuidePath();
    if (guide.isEmpty()) {
        QStringList places;
        for (const QString& candidate : userGuideCandidates())
            places << QDir::toNativeSeparators(candidate);
        MessageBox::error(this, tr("The user guide was not found. It was looked for in:\n%1")
                                    .arg(places.join(QLatin1Char('\n'))));
        return;
    }
    if (!DesktopSeam::openUrl(QUrl::fromLocalFile(guide)))
        MessageBox::error(this,
                          tr("No program could be started to show %1.").arg(QDir::toNativeSeparators(guide)));
}

void CMainFrame::retranslate()
{
    commands_->retranslate();
    updateTitle();
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::WindowTitleChange)
        updateTitle(); // a maximised sub-window changed it
    QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// The run's console

bool CMainFrame::openConsole(QString& error)
{
    statusBar_->setConversionUnavailable(settings_.oneapiRoot.empty());
    return run_->open(settings_.oneapiRoot, error);
}

void CMainFrame::closeConsole()
{
    run_->close();
}

// ---------------------------------------------------------------------------------------------
// Title

void CMainFrame::setDemoMode(bool demo)
{
    statusBar_->setDemo(demo);
    title_->setDemo(demo);
}

void CMainFrame::updateTitle()
{
    title_->update();
}

// ---------------------------------------------------------------------------------------------
// Looks, tabs and colours

void CMainFrame::applyLook(int id)
{
    commands_->setCheckedLook(looks_->applyLook(id));
    // Panes with automatic colours take the new look's.
    if (outputPane_)
        applyColors();
    update();
}

void CMainFrame::applyTabSettings()
{
    looks_->applyTabSettings();
    // Cascade and Tile act only on sub-windows that are not tabs.
    updateActions();
    updateTitle();
}

void CMainFrame::applyColors()
{
    outputPane_->applyColors(settings_);
    for (DocumentWindow* doc : documentWindows())
        doc->applyColors(settings_);
}

} // namespace tovalo::gui
