#pragma once
// The document commands: what a document window offers to the main window's menus, toolbar and
// keys, and to its list's context menu. One row per command holds everything about it: the
// command id (command_ids.h), the object name of the main window's action, the menu text, the
// status-bar prompt and tool tip, the keys, the toolbar picture, the entry in the list's context
// menu, the rule that enables it and what it does.
//
// The main window makes one action of each row (MainCommands), enables it from the active
// document window's state and routes it there; the document window builds its context menu from
// the same rows. Whichever way a command is chosen, it runs only while its rule allows it
// (DocumentWindow::run).

#include <span>

#include <QKeyCombination>
#include <QList>
#include <QString>

class QKeySequence;

namespace tovalo::gui {

class CChildFrame;

/// The translation context of the document commands' texts.
inline constexpr char kDocumentCommandsContext[] = "tovalo::gui::DocumentCommands";

/// What the rules of the document commands look at: the document window's state now.
struct DocumentCommandState
{
    bool idle = false;    ///< no run and no start-up sequence under way
    int rows = 0;         ///< items in the document
    int shownRows = 0;    ///< rows the list shows (fewer while the filter hides some)
    int selectedRow = -1; ///< the list's selected row (of the rows shown), -1 for none
    int selectedRows = 0; ///< how many rows the list has selected
    bool modified = false;
    bool canUndo = false;
    bool canRedo = false;
};

struct DocumentCommand
{
    int id = 0;                        ///< command_ids.h; the action's "commandId" property
    const char* objectName = nullptr;  ///< of the main window's action
    const char* text = nullptr;        ///< menu text (untranslated, kDocumentCommandsContext)
    const char* tip = nullptr;         ///< status-bar prompt, a line break, then the tool tip
    QKeyCombination keys[2] = {};      ///< Qt::Key_unknown where there is none
    const char* icon = nullptr;        ///< toolbar picture (":/icons/<icon>.png"); null for none
    bool listKeys = false;             ///< the keys act only while the focus is in the document area
                                       ///< (elsewhere they keep their own meaning)
    const char* contextName = nullptr; ///< object name of the list's context-menu entry; null: none
    const char* contextText = nullptr; ///< its text, with the key after a tab
    bool (*enabled)(const DocumentCommandState&) = nullptr;
    void (*run)(CChildFrame&) = nullptr;
};

/// Every document command.
std::span<const DocumentCommand> documentCommands();
/// The document command with `id`; null for any other id.
const DocumentCommand* documentCommand(int id);

/// The command's keys as shortcuts (none when it has no key).
QList<QKeySequence> commandShortcuts(const DocumentCommand& command);
/// One of the command's texts (`text`, `tip`, `contextText`) in the interface language.
QString documentCommandText(const char* source);

} // namespace tovalo::gui
