#pragma once
// CChildFrame: the document window. One open definition document with three panes: the item
// list (CDpctTreeCtrl) above the result pane (CDpctResultCtrl) in the left column, and the option
// grid (CDpctPropCtrl) in the right column. The left column takes 2/3 of the width and the list
// 2/3 of the column's height. There is no separate document object: the window is the document.
//
// It carries the file path and the modified mark, shows them in its title, and offers the
// editing commands (add, update, delete, delete all), saving, and closing with a save question.
// The run commands reach it from the main frame; during a run (and during the start-up
// sequence) every editing, saving and closing command is disabled.
//
// Ownership: the list owns the rows and their items. The settings record (default item,
// remembered folders, recent list, colours) belongs to the application and must outlive the
// window.

#include "ui/document_window.h"
#include "ui/settings_folder_memory.h"

#include <string_view>

class QMenu;
class QSplitter;

namespace tovalo::gui {

class CDpctPropCtrl;
class CDpctResultCtrl;
class CDpctTreeCtrl;
class CDpctTreeItem;

class CChildFrame : public CDocumentWindow
{
    Q_OBJECT
public:
    explicit CChildFrame(Settings& settings, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // CDocumentWindow
    QString filePath() const override { return path_; }
    bool loadDefinition(const QString& path, QString& error) override;
    bool hasList() const override { return list_ != nullptr; }
    int rowCount() const override;
    std::vector<CDpctData*> runItems() override;
    int currentRow() const override;
    void runStarted() override;
    void runAdvance(bool next) override;
    void itemsChanged() override;
    bool queryClose() override;
    void applyColors(const Settings& settings) override;
    void setProportions() override { SetProportions(); }
    void setRunPhase(tovalo::RunPhase phase) override;
    bool commandEnabled(int commandId) const override;
    void runCommand(int commandId) override;

    /// Outer column 0 := width * 2 / 3, inner row 0 := height * 2 / 3.
    void SetProportions();
    /// The window text: the path or "Untitled", followed by " *" while modified.
    void UpdateTitle();
    /// Shows `item` in the option grid and its output in the result pane; null empties both.
    void ShowItem(const CDpctData* item);

    bool isModified() const { return modified_; }
    /// The rows in list order.
    std::vector<CDpctTreeItem*> rows() const;
    CDpctTreeItem* currentRowItem() const { return currentRow_; }

    // Commands (each does nothing when it is not enabled).
    void addItem();
    void updateItem();
    void deleteItem();
    void deleteAllItems();
    /// Saves to the file path, or asks for one when there is none. True when written.
    bool save();
    /// Asks for a file name and writes to it. True when written.
    bool saveAs();

    // Panes, for the main frame's tests.
    CDpctTreeCtrl* list() const { return list_; }
    CDpctResultCtrl* resultCtrl() const { return result_; }
    CDpctPropCtrl* propCtrl() const { return prop_; }
    QSplitter* outerSplitter() const { return outer_; }
    QSplitter* innerSplitter() const { return inner_; }
    /// The context menu as it was last built (for tests); null before the first one.
    QMenu* contextMenu() const { return contextMenu_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool isIdle() const { return runPhase_ == tovalo::RunPhase::Idle; }
    bool write(const QString& path);
    void setModified(bool modified);
    bool isListed(std::string_view path) const;
    void showContextMenu(const QPoint& globalPos);
    void selectionMoved(CDpctTreeItem* row);

    Settings& settings_;
    SettingsFolderMemory folders_;
    QSplitter* outer_ = nullptr;
    QSplitter* inner_ = nullptr;
    CDpctTreeCtrl* list_ = nullptr;
    CDpctResultCtrl* result_ = nullptr;
    CDpctPropCtrl* prop_ = nullptr;
    QMenu* contextMenu_ = nullptr; ///< child of this window, made on first use

    CDpctTreeItem* currentRow_ = nullptr;  ///< row the run has reached; null outside a run
    const CDpctData* shownItem_ = nullptr; ///< item on show in the grid and the result pane
    std::size_t shownSize_ = 0;            ///< size of its output when it was shown
    QString path_;
    bool modified_ = false;
    bool splitDone_ = false;
    tovalo::RunPhase runPhase_ = tovalo::RunPhase::Idle;
};

} // namespace tovalo::gui
