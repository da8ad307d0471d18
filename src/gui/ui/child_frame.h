#pragma once
// CChildFrame: the document window. One open definition document with three panes: the item
// list (CDpctTreeCtrl) above the result pane (CDpctResultCtrl) in the left column, and the option
// grid (CDpctPropCtrl) in the right column. The left column takes 2/3 of the width (less where
// the grid needs more to show its option names whole, down to half) and the list 2/3 of the
// column's height.
//
// The window is built around one DefinitionDocument (the items, the file path and the modified
// mark, reading and writing, the duplicate rule), which the list shows through a DefinitionModel.
// The window shows the path and the mark in its title and offers the document commands
// (document_commands.h): its ListEditor edits the list, its DocumentFiles reads, saves and
// exports, and asks the save question before the window closes. A filter box above the list
// (ListFilterBar) narrows it to the items whose path contains the text typed; the list's rows are then the
// model's, which the window translates to document rows. The window has the source files checked
// for existence (off the UI thread) when a file is opened, after an edit and whenever the window
// becomes active again, and the list marks the missing ones. The run commands reach it from the
// main frame; during a run (and during the start-up sequence) every editing, saving and closing
// command is disabled.
//
// Ownership: the window owns the document, the model, the editor and the files; the list only
// views them. The run engine references the document's items while a run is under way. The
// settings record (default item, remembered folders, recent list, colours) belongs to the
// application and must outlive the window.

#include "data/definition_document.h"
#include "ui/document_window.h"
#include "ui/settings_folder_memory.h"

#include <memory>

#include <QPointer>

class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;

namespace tovalo::gui {

class DiagnosticsView;
class CDpctPropCtrl;
class CDpctResultCtrl;
class CDpctTreeCtrl;
class DefinitionModel;
class DocumentFiles;
class ListEditor;
class ListFilterBar;

class CChildFrame : public DocumentWindow
{
    Q_OBJECT
public:
    explicit CChildFrame(Settings& settings, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // DocumentWindow
    QString filePath() const override { return QString::fromStdString(document_.path()); }
    bool loadDefinition(const QString& path, QString& error) override;
    bool hasList() const override { return list_ != nullptr; }
    int rowCount() const override;
    std::vector<CDpctData*> runItems() override;
    std::vector<CDpctData*> selectedRunItems() override;
    int currentRow() const override;
    void runStarted() override;
    void runStartedFor(const std::vector<CDpctData*>& items) override;
    void runAdvance(bool next) override;
    void itemsChanged() override;
    bool queryClose() override;
    void applyColors(const Settings& settings) override;
    /// Keeps the dividers' positions in the settings (called when the user moves one).
    void rememberProportions();
    void setRunPhase(RunPhase phase) override;
    DocumentCommandState commandState() const override;
    void run(const DocumentCommand& command) override;

    /// Outer column 0 := width * 2 / 3 (or less, see above), inner row 0 := height * 2 / 3.
    void setProportions() override;
    /// The window text: the path or "Untitled", followed by " *" while modified.
    void updateTitle();
    /// Shows `item` in the option grid and its output in the result pane; null empties both.
    void showItem(const CDpctData* item);

    bool isModified() const override { return document_.isModified(); }
    bool listsPath(std::string_view path) const override { return document_.contains(path); }
    int addItems(std::vector<CDpctData> items) override;
    DefinitionDocument& document() { return document_; }
    const DefinitionDocument& document() const { return document_; }
    DefinitionModel* model() const { return model_.get(); }
    /// The editing commands of the list.
    ListEditor* editor() const { return editor_.get(); }
    /// Reading, saving and exporting.
    DocumentFiles* files() const { return files_.get(); }
    /// The application's settings record the window works with.
    Settings& settings() const { return settings_; }

    /// Shows the diagnostics view of this document (made on first use).
    void showDiagnostics();
    /// The diagnostics view; null before it was first shown.
    DiagnosticsView* diagnosticsView() const;

    // Panes, for the main frame's tests.
    CDpctTreeCtrl* list() const { return list_; }
    QLineEdit* filterEdit() const;
    QLabel* filterCount() const;
    /// The document row of the list's selection, -1 for none.
    int selectedItemRow() const;
    /// The document rows of every selected row, ascending.
    std::vector<int> selectedItemRows() const;
    CDpctResultCtrl* resultCtrl() const { return result_; }
    CDpctPropCtrl* propCtrl() const { return prop_; }
    QSplitter* outerSplitter() const { return outer_; }
    QSplitter* innerSplitter() const { return inner_; }
    /// The context menu as it was last built (for tests); null before the first one.
    QMenu* contextMenu() const { return contextMenu_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool isIdle() const { return runPhase_ == RunPhase::Idle; }
    /// After an edit: the title and the main frame's commands follow.
    void edited();
    void showContextMenu(const QPoint& globalPos);
    void selectionMoved(int row);
    /// Shows the selection in the panes: the current item's output, and in the grid the item or
    /// what the selected items share.
    void showSelection();
    /// The run changed statuses or outputs in place: the list repaints through the model.
    void runChangedItems();
    /// Selects the row of document row `documentRow` (none when the filter hides it) and shows
    /// that item.
    void selectItemRow(int documentRow);
    void filterChanged(const QString& text);
    void updateFilterCount();

    Settings& settings_;
    SettingsFolderMemory folders_;
    // The model observes the document, so it is declared after it (and goes first); the editor
    // and the files work on both.
    DefinitionDocument document_;
    std::unique_ptr<DefinitionModel> model_;
    std::unique_ptr<DocumentFiles> files_;
    QSplitter* outer_ = nullptr;
    QSplitter* inner_ = nullptr;
    CDpctTreeCtrl* list_ = nullptr;
    std::unique_ptr<ListEditor> editor_; ///< made once the list exists
    ListFilterBar* filterBar_ = nullptr;
    CDpctResultCtrl* result_ = nullptr;
    CDpctPropCtrl* prop_ = nullptr;
    QMenu* contextMenu_ = nullptr;          ///< child of this window, made on first use
    QPointer<DiagnosticsView> diagnostics_; ///< a window of the main window, made on first use

    int currentRow_ = -1;                  ///< row of the run's next item in run order (one on per finished
                                           ///< item); -1 outside a run
    std::vector<int> runRows_;             ///< rows of the run's items, in run order
    std::size_t runPos_ = 0;               ///< index of currentRow_ in runRows_
    const CDpctData* shownItem_ = nullptr; ///< item on show in the grid and the result pane
    std::size_t shownSize_ = 0;            ///< size of its output when it was shown
    bool splitDone_ = false;
    RunPhase runPhase_ = RunPhase::Idle;
    /// The number of "Untitled" while the list has no file: the lowest one no other open
    /// untitled list holds (1 is shown without a number); 0 once it has a file.
    int untitledNumber_ = 0;
};

} // namespace tovalo::gui
