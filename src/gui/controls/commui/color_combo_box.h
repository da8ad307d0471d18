#pragma once
// CColorComboBox: a drop-down list whose entries can each carry a text colour, a background
// colour and a bold flag. The marks live in the entries' item data, so removing or clearing
// entries drops them and every newly added entry starts plain (automatic colours, not bold).
// The closed box draws the selected entry with its marks too, so a bold default stays bold
// when it is the current choice. An invalid QColor means automatic (the palette's colour).

#include <QColor>
#include <QComboBox>

namespace tovalo::gui {

class CColorComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CColorComboBox(QWidget* parent = nullptr);

    /// Marks entry `index` bold or plain; false when there is no such entry.
    bool setItemBold(int index, bool bold);
    bool itemBold(int index) const;

    bool setItemTextColor(int index, const QColor& color);
    bool setItemBackgroundColor(int index, const QColor& color);
    QColor itemTextColor(int index) const;
    QColor itemBackgroundColor(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tovalo::gui
