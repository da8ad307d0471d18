#pragma once
// ListEditor: the editing commands of one document window's list: add (one file through the item
// dialog, or the CUDA files of a folder, scanned off the UI thread), update the selected items
// (several at once: the options the user touches go to every one of them), delete them or every
// item after a question, move it up and down, undo and redo. Each is an
// operation on the document; the editor decides where the selection goes afterwards and asks the
// questions. The document commands (document_commands.h) call it only while their rules allow.
//
// It works on the rows the list shows (the filter's rows, translated to document rows through the
// model). The window owns the editor, the document, the model and the list; the settings record
// (the default item) and the folder memory belong to the window's owner and outlive it.

#include <vector>

#include <QObject>
#include <QString>

class QWidget;

namespace tovalo {
class CDpctData;
class DefinitionDocument;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

class CDpctTreeCtrl;
class DefinitionModel;
class SettingsFolderMemory;

class ListEditor : public QObject
{
    Q_OBJECT
public:
    /// `window` is the parent of the dialogs and questions.
    ListEditor(DefinitionDocument& document, DefinitionModel& model, CDpctTreeCtrl& list, Settings& settings,
               SettingsFolderMemory& folders, QWidget* window);

    void addItem();
    /// Appends the items whose paths are not listed yet (nor earlier in `items`), as one undo
    /// step, and selects the first one added. Returns how many were added.
    int addItems(std::vector<CDpctData> items);
    void updateItem();
    void deleteItem();
    void deleteAllItems();
    /// Moves the selected item one row up (`step` -1) or down (1) in the list as shown (past
    /// hidden items when the list is filtered).
    void moveItem(int step);
    /// Moves the item of shown row `from` to shown row `to` (a dragged row); the selection follows.
    void moveRow(int from, int to);
    void undo();
    void redo();
    /// The text of the delete question for the items of `documentRows`.
    QString deleteQuestion(const std::vector<int>& documentRows) const;
    /// The text of the delete question for the selected items of `documentRows` (several).
    QString selectedDeleteQuestion(const std::vector<int>& documentRows) const;

Q_SIGNALS:
    /// The selection goes to document row `documentRow` (none when the filter hides it, or for
    /// -1), and its item is shown.
    void rowChosen(int documentRow);
    /// `item` (null: none) is shown in the window's panes; the selection stays.
    void itemShown(const tovalo::CDpctData* item);
    /// The document changed: the title and the main window's commands follow.
    void edited();
    /// Several items were edited at once: the window shows the selection again.
    void selectionEdited();

private:
    /// The document row of the list's selection, -1 for none.
    int selectedItemRow() const;
    /// The document rows of the list's selection, ascending.
    std::vector<int> selectedItemRows() const;
    /// The item dialog for several items; applies what the user touched as one step.
    void updateItems(const std::vector<int>& documentRows);
    /// The paths of the first few of `documentRows` after a question's first line, and how many
    /// more there are.
    QString namedRows(const std::vector<int>& documentRows) const;
    /// After undo and redo: `documentRow` selected and in view, the files checked again.
    void historyMoved(int documentRow);

    DefinitionDocument& document_;
    DefinitionModel& model_;
    CDpctTreeCtrl& list_;
    Settings& settings_;
    SettingsFolderMemory& folders_;
    QWidget* window_;
};

} // namespace tovalo::gui
