#pragma once
// CMainFrame: the main window. It hosts the document windows in an MDI area, the output pane,
// the commands (MainCommands) and the status bar (MainStatusBar); opens definition files,
// has the look and the tab settings applied (WindowLooks), and decides from the run phase and the
// active document which commands are enabled.
//
// Runs belong to its RunController, which owns the console and the run engine; the main frame
// only forwards the run commands to it and shows what it reports.

#include "runner/run_engine.h"

#include <functional>
#include <memory>

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace tovalo {
class SettingsStore;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class CompileDbImporter;
class DocumentWindow;
class MainCommands;
struct DocumentCommand;
class MainStatusBar;
class MainTitle;
class OutputHeightKeeper;
class COutputPane;
class RunController;
class WindowLooks;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    /// Makes a new, empty document window (the main frame puts it into the MDI area).
    using DocumentFactory = std::function<DocumentWindow*()>;

    CMainFrame(Settings& settings, SettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    /// Opens the console with the settings' oneAPI folder and starts the start-up sequence.
    /// Returns false with `error` when the interpreter cannot be started (the window still
    /// works; no run can start).
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
    DocumentWindow* newDocumentWindow();
    /// Opens `path`, or activates the window that already shows it (paths compared as the
    /// platform compares file names).
    bool openDefinition(const QString& path);
    void applyTabSettings();
    /// Applies look `id` (205 to 215) and saves it at once.
    void applyLook(int id);
    /// Colours of the settings changed: recolour the output pane and every document window.
    void applyColors();

    QList<DocumentWindow*> documentWindows() const;
    DocumentWindow* activeDocument() const;
    COutputPane* outputPane() const { return outputPane_; }
    CompileDbImporter* importer() const { return importer_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    RunController* runController() const { return run_; }
    /// The action with `commandId` (see command_ids.h), or nullptr.
    QAction* action(int commandId) const;

    /// Puts the window where the settings remember it (size, position, state, docks, the
    /// output pane's height); called at construction.
    void restoreLayout();
    /// Writes the window's layout into the settings (saved with them at exit).
    void storeLayout();
    /// The output pane's height the user chose (kept after a shrink and a maximise).
    int preferredOutputHeight() const;

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
    void connectCommands();
    void connectRun();
    void runPhaseChanged(tovalo::RunPhase phase);
    void retranslate();
    void updateTitle();
    void documentsChanged();
    void refreshRecentFiles();
    void openFromDialog();
    void openRecent(int index);
    void openUserGuide();
    void routeToDocument(const DocumentCommand& command);
    QMdiSubWindow* showDocument(DocumentWindow* doc);
    /// The document window under `pos` (main-window coordinates), else the active one.
    DocumentWindow* documentAt(const QPoint& pos) const;

    Settings& settings_;
    SettingsStore& store_;
    DocumentFactory documentFactory_;
    bool quitting_ = false; ///< the program is closing, every question answered: document windows
                            ///< close in any phase without asking

    QMdiArea* mdiArea_ = nullptr;
    COutputPane* outputPane_ = nullptr;
    MainCommands* commands_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
    RunController* run_ = nullptr;
    std::unique_ptr<WindowLooks> looks_;
    MainTitle* title_ = nullptr;
    OutputHeightKeeper* outputHeight_ = nullptr;
    CompileDbImporter* importer_ = nullptr;
};

} // namespace tovalo::gui
