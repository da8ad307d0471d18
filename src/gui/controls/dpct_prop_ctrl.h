#pragma once
// CDpctPropCtrl: the read-only option grid of a document window. It shows a copy of one
// conversion item in two groups: "File" (directory and file name of the item's path) and
// "Conversion options" (every dpct option with its value when it is switched on, "-" when it is
// off). Rows whose option the option-setting page changed are drawn bold. Selecting a row shows
// its description under the grid. The grid never changes an item.
//
// Several items show as one: each option with the value they share, and "(mixed)" in italics
// where they differ.

#include "data/dpct_data.h"

#include <array>
#include <vector>

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tovalo::gui {

class CDpctPropCtrl : public QWidget
{
    Q_OBJECT

public:
    /// Item data role holding whether a row is enabled (its option is switched on). Disabled
    /// rows stay selectable, so that every row can be reached with the keyboard.
    static constexpr int kEnabledRole = Qt::UserRole + 1;

    explicit CDpctPropCtrl(QWidget* parent = nullptr);
    ~CDpctPropCtrl() override;

    /// Shows a copy of `item`, or the default record (every row "-") for null.
    void Fill(const tovalo::CDpctData* item);

    /// Shows what `items` (not empty, no null) have in common: the shared value of each option,
    /// mixedText() in italics where they differ (in the switch or the value), and the same for
    /// the folder and the file name.
    void FillCommon(const std::vector<const tovalo::CDpctData*>& items);
    /// True when the row shows that the items on show differ.
    bool isRowMixed(int slot) const;
    /// The text of an option whose items differ.
    static QString mixedText();

    /// The record on show.
    const tovalo::CDpctData& shownRecord() const { return shown_; }

    /// The slots in the order the grid shows them: the two file rows, then the options in the
    /// option table's grid order.
    static const std::array<int, tovalo::kSlotCount>& displayOrder();

    QTreeWidget* grid() const { return grid_; }
    QTreeWidgetItem* row(int slot) const;
    QString valueText(int slot) const;
    bool isRowEnabled(int slot) const;
    /// True when the row is drawn marked (bold).
    bool isRowMarked(int slot) const;
    /// The description area's text (name line and description).
    QString descriptionText() const;

    /// Shares the grid's width: the names take what the longest of them needs as long as the
    /// values keep valueRoom(); a grid too narrow for both gives the names three fifths (long
    /// names are cut with an ellipsis; every cut text shows in full as its tool tip).
    void fitColumns();
    /// The width the value column keeps when it can: about twelve characters.
    int valueRoom() const;
    /// The width of the name column that shows every name uncut.
    int namesWidth() const;
    /// The width of the control that shows every name uncut and keeps valueRoom() for the values.
    int preferredWidth() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRow(int slot, bool marked, const QString& text);
    void retranslate();
    void showDescription(QTreeWidgetItem* item);
    void updateFonts();
    /// The space a cell leaves on each side of its text.
    int cellMargin() const;
    /// The width of the name column that shows the name of `row` in `font` uncut.
    int nameWidth(const QTreeWidgetItem* row, const QFont& font) const;
    /// Gives the rows whose names the name column cuts their name as tool tip.
    void updateNameTips();

    QTreeWidget* grid_ = nullptr;
    QTreeWidgetItem* fileGroup_ = nullptr;
    QTreeWidgetItem* optionGroup_ = nullptr;
    std::array<QTreeWidgetItem*, tovalo::kSlotCount> rows_{};
    QLabel* descriptionName_ = nullptr;
    QLabel* descriptionBody_ = nullptr;
    tovalo::CDpctData shown_;
};

} // namespace tovalo::gui
