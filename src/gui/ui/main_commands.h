#pragma once
// MainCommands: the main window's commands and where they appear: one QAction per command id
// (command_ids.h) with its shortcut, toolbar icon, menu text, status-bar prompt and tool tip, made
// from the table of the window's own commands here and from the document commands' table
// (document_commands.h); the menu bar (File with the recent files, Edit, Convert, View with the
// looks, Tools, Window, Help) and the toolbar. It only builds and words them: the main frame
// connects each action to what it does and decides when it is enabled.

#include <functional>

#include <QObject>
#include <QStringList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMdiArea;
class QMenu;
class QToolBar;

namespace tovalo::gui {

class MainCommands : public QObject
{
    Q_OBJECT
public:
    /// Builds the actions, the menu bar and the toolbar of `window`. The item commands act only
    /// while the focus is inside `documentArea`, so their keys keep their meaning elsewhere.
    MainCommands(QMainWindow* window, QMdiArea* documentArea);

    /// The action with `commandId` (see command_ids.h, or a look id), or nullptr.
    QAction* action(int commandId) const;
    /// The look actions (ids 205 to 215), in menu order.
    const QList<QAction*>& lookActions() const { return lookActions_; }
    QToolBar* toolBar() const { return toolBar_; }

    /// Ticks the look `id` in the View menu.
    void setCheckedLook(int id);
    /// Rebuilds the recent-files sub-menu from `paths` (at most 16); entries are enabled when
    /// `enabled`. Without paths the File menu shows the disabled placeholder instead.
    void setRecentFiles(const QStringList& paths, bool enabled);
    /// Shows or hides the menus and File commands that need a document window.
    void setDocumentsOpen(bool any);
    /// Sets every text in the interface language.
    void retranslate();

Q_SIGNALS:
    /// The recent file at `index` was chosen.
    void recentChosen(int index);
    /// A look was chosen in the View menu.
    void lookChosen(int id);
    /// The File menu is about to show (the recent list may need a refresh).
    void fileMenuAboutToShow();

private:
    QAction* makeAction(int id, const char* objectName);
    void createActions(QMdiArea* documentArea);
    void createMenus(QMainWindow* window, QMdiArea* documentArea);
    void createToolBar(QMainWindow* window);
    void rebuildWindowMenu(QMdiArea* documentArea);

    QList<QAction*> actions_;
    QList<QAction*> lookActions_;
    QActionGroup* lookGroup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* convertMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* lookMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
};

} // namespace tovalo::gui
