#include "controls/commui/color_combo_box.h"

#include <QBrush>
#include <QFont>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace tovalo::gui {

CColorComboBox::CColorComboBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("colorComboBox"));
    setEditable(false);
}

bool CColorComboBox::setItemBold(int index, bool bold)
{
    if (index < 0 || index >= count())
        return false;
    if (bold) {
        QFont f = font();
        f.setBold(true);
        setItemData(index, f, Qt::FontRole);
    } else {
        setItemData(index, QVariant(), Qt::FontRole);
    }
    update();
    return true;
}

bool CColorComboBox::itemBold(int index) const
{
    const QVariant v = itemData(index, Qt::FontRole);
    return v.isValid() && v.value<QFont>().bold();
}

bool CColorComboBox::setItemTextColor(int index, const QColor& color)
{
    if (index < 0 || index >= count())
        return false;
    setItemData(index, color.isValid() ? QVariant(QBrush(color)) : QVariant(), Qt::ForegroundRole);
    update();
    return true;
}

bool CColorComboBox::setItemBackgroundColor(int index, const QColor& color)
{
    if (index < 0 || index >= count())
        return false;
    setItemData(index, color.isValid() ? QVariant(QBrush(color)) : QVariant(), Qt::BackgroundRole);
    update();
    return true;
}

QColor CColorComboBox::itemTextColor(int index) const
{
    const QVariant v = itemData(index, Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

QColor CColorComboBox::itemBackgroundColor(int index) const
{
    const QVariant v = itemData(index, Qt::BackgroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

void CColorComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);

    const int index = currentIndex();
    if (index >= 0 && itemBold(index))
        painter.setFont(itemData(index, Qt::FontRole).value<QFont>());
    if (index >= 0 && isEnabled()) {
        // The selected entry's own colours; a disabled box keeps the style's disabled colours.
        const QColor fg = itemTextColor(index);
        if (fg.isValid())
            opt.palette.setColor(QPalette::ButtonText, fg);
        const QColor bg = itemBackgroundColor(index);
        if (bg.isValid()) {
            const QRect field =
                style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
            painter.fillRect(field, bg);
        }
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

void CColorComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    update();
}

void CColorComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    update();
}

} // namespace tovalo::gui
