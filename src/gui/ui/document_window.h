#pragma once
// DocumentWindow: what the main frame needs from a document window (one open definition file).
//
// The main frame opens files into document windows, routes the run commands and the document
// commands (document_commands.h) to the active one, enables those from the window's state and asks
// each window before the program closes. A document window owns its conversion items (in a
// DefinitionDocument); the run engine only references them while a run is under way.

#include "runner/run_engine.h"
#include "ui/document_commands.h"

#include <string_view>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QWidget>

namespace tovalo {
class CDpctData;
}

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class DocumentWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    /// Path of the definition file; empty for a new, unsaved document.
    virtual QString filePath() const = 0;
    /// Reads a definition file into this (empty) window. On failure returns false with `error`.
    virtual bool loadDefinition(const QString& path, QString& error) = 0;

    /// True when the item list exists.
    virtual bool hasList() const = 0;
    virtual int rowCount() const = 0;
    /// The item of every row in list order (the run queue is built from this).
    virtual std::vector<CDpctData*> runItems() = 0;
    /// Row the run has reached; -1 when no run of this window is under way.
    virtual int currentRow() const = 0;

    /// A run of this window started: the first row becomes the current row and is shown.
    virtual void runStarted() = 0;
    /// A run of some of this window's items started (`items`, in run order): the row of the first
    /// becomes the current row, and runAdvance(true) moves to the row of the next one.
    virtual void runStartedFor(const std::vector<CDpctData*>& items)
    {
        (void)items;
        runStarted();
    }
    /// The items of the rows selected in the list, in list order.
    virtual std::vector<CDpctData*> selectedRunItems() { return {}; }
    /// The run moves on to the next row (`next`) or ended / was stopped (`!next`).
    virtual void runAdvance(bool next) = 0;
    /// Item statuses or outputs changed: repaint the list and the shown item.
    virtual void itemsChanged() = 0;

    /// Asks the save question when the document is modified. Returns false when the user
    /// cancelled, or chose to save and the save did not happen (the window must stay open).
    /// The main frame calls it whenever the window is about to close.
    virtual bool queryClose() = 0;
    /// The document has changes that are not saved (closing would ask the save question).
    virtual bool isModified() const { return false; }
    /// True when the list holds an item for `path` (the duplicate rule of the list).
    virtual bool listsPath(std::string_view path) const
    {
        (void)path;
        return false;
    }
    /// Appends the items whose paths the list does not hold yet, as one undo step; the first one
    /// added is selected. Returns how many were added.
    virtual int addItems(std::vector<CDpctData> items)
    {
        (void)items;
        return 0;
    }
    /// Colours of the settings changed.
    virtual void applyColors(const Settings& settings) = 0;
    /// Split proportions after the window was maximised.
    virtual void setProportions() {}

    /// The application's run phase changed; the window locks its editing outside RunPhase::Idle
    /// and its list's input while a run is under way (isRunPhase).
    virtual void setRunPhase(RunPhase phase) { (void)phase; }
    /// What the rules of the document commands look at now. A window without the commands
    /// (the default) enables none of them.
    virtual DocumentCommandState commandState() const { return {}; }
    /// Runs `command` when its rule allows it now; does nothing otherwise. The commands' actions
    /// are the document window's (CChildFrame); a window without them runs none.
    virtual void run(const DocumentCommand& command) { (void)command; }
    /// Whether `command` may run now.
    bool canRun(const DocumentCommand& command) const { return command.enabled(commandState()); }
    /// canRun() and run() by command id (command_ids.h); false and nothing for an id that is no
    /// document command.
    bool commandEnabled(int commandId) const
    {
        const DocumentCommand* command = documentCommand(commandId);
        return command && canRun(*command);
    }
    void runCommand(int commandId)
    {
        if (const DocumentCommand* command = documentCommand(commandId))
            run(*command);
    }
    /// The folder the relative paths of the list count from, native separators: the folder of
    /// its file, or the program's current folder for a list never saved. dpct runs there.
    QString listFolder() const
    {
        const QString path = filePath();
        return QDir::toNativeSeparators(path.isEmpty() ? QDir::currentPath()
                                                       : QFileInfo(path).absolutePath());
    }

Q_SIGNALS:
    /// Rows, selection, path or modified state changed; the main frame re-evaluates its commands.
    void stateChanged();
    /// The user asked to convert the selected items (selectedRunItems()).
    void convertSelectedRequested();
};

} // namespace tovalo::gui
