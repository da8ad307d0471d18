#pragma once
// CColorPopup: the palette that a CColorPicker drops down. From top to bottom: an "Automatic"
// button, a grid of 40 named colours (8 per row, the name of each in its tool tip) and a
// "More Colours..." button that opens the platform's colour chooser (through DialogSeam).
//
// The item under the mouse or moved to with the arrow keys is hot and drawn highlighted; the item
// matching the colour the popup was opened with is marked as selected. A click on an item,
// Enter or Space commits the hot item (colorChosen); Escape, a click outside the popup, a
// cancelled colour chooser or the application losing the focus cancel (nothing is reported).
// Either way the popup closes and deletes itself.
//
// Colours are QColor; an invalid QColor means automatic (the user of the colour applies its own
// default).

#include <QColor>
#include <QRect>
#include <QWidget>

namespace tovalo::gui {

class CColorPopup : public QWidget
{
    Q_OBJECT

public:
    /// Item indices: 0 to kCount - 1 are the cells.
    static constexpr int kAutomatic = -3;
    static constexpr int kMore = -2;
    static constexpr int kNone = -1;
    static constexpr int kCount = 40;
    static constexpr int kColumns = 8;
    static constexpr int kRows = (kCount + kColumns - 1) / kColumns;
    static constexpr int kCellSize = 20;
    static constexpr int kEdge = 2; ///< width of a window edge

    /// Opens the popup below `anchor` (a rectangle in screen coordinates, normally the picker's),
    /// or above it when there is no room below, owned by `owner`.
    CColorPopup(QWidget* owner, const QRect& anchor, const QColor& initial);
    ~CColorPopup() override;

    // The palette ---------------------------------------------------------------------------------

    static QColor paletteColor(int index);
    /// The colour's name in the interface language.
    static QString paletteName(int index);
    /// The cell holding `color`, or -1.
    static int paletteIndex(const QColor& color);
    /// The item reached from `from` with an arrow key (Qt::Key_Up, _Down, _Left, _Right); any
    /// other key leaves `from`.
    static int navigate(int from, int key);
    /// The popup's background: the button face colour lightened towards white.
    static QColor lightenedFace(const QColor& buttonFace);

    // State ---------------------------------------------------------------------------------------

    int hotItem() const { return hot_; }
    int selectedItem() const { return selected_; }
    /// What a commit would report now.
    QColor currentColor() const { return current_; }
    QColor initialColor() const { return initial_; }
    /// The colour shown on the "More Colours..." button: the initial colour when the palette does
    /// not hold it, or the one chosen in the colour chooser; invalid for none.
    QColor customColor() const { return custom_; }
    QColor faceColor() const { return face_; }
    /// The area of an item in the popup's coordinates (empty for kNone).
    QRect itemRect(int item) const;
    /// The item at a point of the popup, or kNone.
    int itemAt(QPoint pos) const;

    /// Makes `item` hot: repaints and, for a cell or the automatic button, makes its colour the
    /// current one.
    void setHot(int item);
    /// Commits the hot item (the colour chooser opens first for "More Colours...").
    void commit();
    /// Closes without reporting anything.
    void cancel();

Q_SIGNALS:
    /// The user chose `color` (invalid for automatic).
    void colorChosen(const QColor& color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void computeLayout(const QRect& anchor);
    void paintItem(QPainter& p, int item);
    QString automaticText() const;
    QString moreText() const;

    QColor initial_;
    QColor current_;
    QColor custom_;
    QColor face_;
    int hot_ = kNone;
    int selected_ = kNone;
    bool finished_ = false;
    QRect automaticBox_;
    QRect moreBox_;
    QRect gridBox_;
};

} // namespace tovalo::gui
