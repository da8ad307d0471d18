#pragma once
// CMainFrame: the main window. It carries the menus, the toolbar, the status bar and the output
// pane, hosts the document windows in an MDI area, opens definition files, applies the look and
// the tab settings, and owns the console and the run engine.
//
// The run engine is driven on the UI thread: the console's reader thread only calls the wake
// function, which posts one queued call (several wakes collapse into one) that lets the engine
// process what has arrived. The engine reports back through the RunObserver interface.

#include "runner/run_engine.h"

#include <QAtomicInteger>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QToolBar;

namespace tovalo {
class Console;
class SettingsStore;
struct Settings;
}

namespace tovalo::gui {

class CDocumentWindow;
class COutputPane;

class CMainFrame : public QMainWindow, private RunObserver
{
    Q_OBJECT
public:
    /// Makes a new, empty document window (the main frame puts it into the MDI area).
    using DocumentFactory = std::function<CDocumentWindow*()>;

    CMainFrame(Settings& settings, SettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// Opens the console and starts the run engine's start-up sequence. Returns false with
    /// `error` when the interpreter cannot be started (the window still works; no run can start).
    bool openConsole(QString& error);
    /// Ends the console within a bounded time, stopping a run first. Safe to call twice.
    void closeConsole();
    /// Asks every document window's save question, as closing would, without closing anything.
    /// Returns false as soon as one answer keeps its document open (Cancel, or a save that did
    /// not happen). Used when the session ends, so that modified documents are not lost.
    bool querySaveAll();

    void setDocumentFactory(DocumentFactory factory);
    /// Marks the window as running on the simulated toolkit (title and status bar say so).
    void setDemoMode(bool demo);

    /// A new, empty document window, activated.
    CDocumentWindow* newDocumentWindow();
    /// Opens `path`, or activates the window that already shows it (letter case ignored).
    bool openDefinition(const QString& path);
    void applyTabSettings();
    /// Applies look `id` (205 to 215) and saves it at once.
    void applyLook(int id);
    /// Colours of the settings changed: recolour the output pane and every document window.
    void applyColors();

    QList<CDocumentWindow*> documentWindows() const;
    CDocumentWindow* activeDocument() const;
    COutputPane* outputPane() const { return outputPane_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    /// The action with `commandId` (see command_ids.h), or nullptr.
    QAction* action(int commandId) const;
    RunEngine* engine() const { return engine_.get(); }

    /// Recomputes every command's enabled state from the run phase and the active document.
    void updateActions();

Q_SIGNALS:
    /// The options command was chosen.
    void optionsRequested();
    /// The about command was chosen.
    void aboutRequested();
    /// A status-bar pane got a new text (1 = run phase, 2 = dpct version).
    void runStatusChanged(int pane, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // RunObserver
    void phaseChanged(RunPhase phase) override;
    void statusText(int pane, const std::string& text) override;
    void itemStatusChanged(CDpctData& item) override;
    void itemFinished(CDpctData& item) override;
    void advance(bool nextItem) override;
    void progress(int done, int total) override;
    void consoleText(std::string_view utf8) override;

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void retranslate();
    void updateTitle();
    void refreshTitle();
    void updateMenusForDocuments();
    void rebuildRecentMenu();
    void rebuildWindowMenu();
    void openFromDialog();
    void openRecent(int index);
    void startRun();
    void stopRun();
    void togglePause();
    void processConsole();
    void setPaneText(QLabel* pane, const QString& text);
    QString phaseText(RunPhase phase) const;
    void documentClosing(CDocumentWindow* doc);
    QMdiSubWindow* addDocument(CDocumentWindow* doc);
    QAction* makeAction(int id, const char* objectName);

    Settings& settings_;
    SettingsStore& store_;
    DocumentFactory documentFactory_;
    bool demo_ = false;

    QMdiArea* mdiArea_ = nullptr;
    COutputPane* outputPane_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* phasePane_ = nullptr;
    QLabel* versionPane_ = nullptr;
    QLabel* demoPane_ = nullptr;
    QProgressBar* progress_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* convertMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* lookMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QActionGroup* lookGroup_ = nullptr;
    QList<QAction*> actions_;
    QList<QAction*> lookActions_;

    std::unique_ptr<Console> console_;
    std::unique_ptr<RunEngine> engine_;
    QAtomicInteger<int> wakePosted_{0};
    QPointer<CDocumentWindow> runFrame_;
    bool destroying_ = false;
    bool quitting_ = false; ///< the program is closing: document windows close in any phase
    QTimer titleTimer_;
};

} // namespace tovalo::gui
