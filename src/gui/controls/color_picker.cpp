#include "controls/color_picker.h"

#include "controls/color_popup.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace tovalo::gui {

CColorPicker::CColorPicker(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("colorPicker"));
    color_ = palette().color(QPalette::ButtonText);
    connect(this, &QPushButton::clicked, this, &CColorPicker::showPopup);
}

CColorPicker::~CColorPicker() = default;

void CColorPicker::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void CColorPicker::setAutomaticColor(const QColor& color)
{
    automatic_ = color;
    update();
}

QColor CColorPicker::swatchColor() const
{
    if (!isEnabled())
        return palette().color(QPalette::Dark);
    if (color_.isValid())
        return color_;
    return automatic_.isValid() ? automatic_ : palette().color(QPalette::ButtonText);
}

int CColorPicker::separatorX() const
{
    return rect().right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

QRect CColorPicker::swatchRect() const
{
    const QRect r = rect();
    return QRect(QPoint(r.left() + 4, r.top() + 4), QPoint(separatorX() - 3, r.bottom() - 4));
}

QSize CColorPicker::sizeHint() const
{
    const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {std::max(80, thumb * 4), std::max(QPushButton::sizeHint().height(), 24)};
}

void CColorPicker::showPopup()
{
    if (popup_)
        return;
    const QRect anchor(mapToGlobal(QPoint(0, 0)), size());
    popup_ = new CColorPopup(this, anchor, color_);
    connect(popup_, &CColorPopup::colorChosen, this, &CColorPicker::popupChose);
    popup_->show();
    popup_->setFocus(Qt::PopupFocusReason);
}

void CColorPicker::popupChose(const QColor& color)
{
    color_ = color;
    update();
    Q_EMIT colorChosen(color);
}

void CColorPicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                                       (event->modifiers() & Qt::AltModifier))) {
        showPopup();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CColorPicker::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    const QRect r = rect();
    const int sep = separatorX();
    const QPalette& pal = palette();

    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(sep, r.top() + 4, sep, r.bottom() - 4);

    // The arrow: lines of 7, 5, 3 and 1 pixels, centred right of the separator.
    p.setPen(isEnabled() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button));
    const int cx = (sep + 1 + r.right()) / 2;
    const int top = r.center().y() - 2;
    for (int i = 0; i < 4; ++i)
        p.drawLine(cx - 3 + i, top + i, cx + 3 - i, top + i);

    const QRect swatch = swatchRect();
    p.fillRect(swatch, swatchColor());
    if (isEnabled()) {
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

} // namespace tovalo::gui
