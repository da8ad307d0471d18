#pragma once
// CToolOptionPageColor: the "Colour settings" page of the options sheet. It lists the ten display
// colours of the settings (slot order: six of the item list, two of the conversion result
// window, two of the output window) as a two-level tree, and lets the user give the selected
// line a colour with a colour picker, undo the change of one line or of all, or reset every line
// to automatic.
//
// Every line of the tree keeps its slot number (upper 32 bits) and its colour (lower 32 bits,
// 0x00BBGGRR or 0xFF000000 for automatic) as item data. The page writes the changed colours to
// the settings only in apply(), when the sheet ends with OK.

#include <array>
#include <cstdint>
#include <vector>

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tovalo {
struct Settings;
}

namespace tovalo::gui {

class CColorPicker;
class CGroupBox;
class CStaticTreeCtrl;
class CStaticTreeNode;

class CToolOptionPageColor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSlotCount = 10;

    CToolOptionPageColor(Settings& settings, QWidget* parent = nullptr);

    /// Writes every line whose colour differs from the settings into them; returns the sheet's
    /// 0x40 when something changed, else 0.
    unsigned apply();

    CStaticTreeCtrl* tree() const { return tree_; }
    CColorPicker* picker() const { return picker_; }
    CGroupBox* colorGroup() const { return colorGroup_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* undoAllButton() const { return undoAll_; }
    QPushButton* resetButton() const { return reset_; }
    /// The line of slot `slot` (0 to 9).
    CStaticTreeNode* line(int slot) const;
    /// The colour a line holds now (0xFF000000 for automatic).
    static std::uint32_t lineColor(const CStaticTreeNode* line);
    static int lineSlot(const CStaticTreeNode* line);
    /// The colour a line is drawn with: its own, or its slot's automatic colour.
    QColor displayColor(const CStaticTreeNode* line) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    void buildTree();
    void retranslate();
    void selectionChanged(CStaticTreeNode* leaf);
    void colorChosen(const QColor& color);
    void undoLine();
    void undoAll();
    void resetAll();
    CStaticTreeNode* selectedLine() const;
    void setLineColor(CStaticTreeNode* line, std::uint32_t color);
    void showLine(CStaticTreeNode* line);

    Settings& settings_;
    std::array<std::uint32_t, kSlotCount> baseline_{};
    std::vector<CStaticTreeNode*> lines_;
    std::vector<CStaticTreeNode*> groups_;
    CStaticTreeCtrl* tree_ = nullptr;
    CGroupBox* colorGroup_ = nullptr;
    QLabel* colorLabel_ = nullptr;
    CColorPicker* picker_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* undoAll_ = nullptr;
    QPushButton* reset_ = nullptr;
};

} // namespace tovalo::gui
