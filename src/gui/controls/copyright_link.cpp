#include "controls/copyright_link.h"

#include "controls/list_colors.h"

#include <algorithm>

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tovalo::gui {

CCopyrightLink::CCopyrightLink(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("copyrightLink"));
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    updateFont();
    connect(this, &QAbstractButton::clicked, this, &CCopyrightLink::follow);
    // Pressing and releasing changes the colour.
    connect(this, &QAbstractButton::pressed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::released, this, qOverload<>(&QWidget::update));
}

void CCopyrightLink::setVisited(bool visited)
{
    visited_ = visited;
    update();
}

QColor CCopyrightLink::textColor() const
{
    QColor state = kNormalColor;
    if (visited_)
        state = kVisitedColor;
    else if (isDown() || hasFocus())
        state = kActiveColor;
    // The state's hue, lighter or darker as the look needs, so that it reads on the window colour.
    return readableOn(state, {palette().color(QPalette::Window)});
}

void CCopyrightLink::follow()
{
    setVisited(true);
    if (url_.isValid())
        QDesktopServices::openUrl(url_);
}

void CCopyrightLink::updateFont()
{
    // The application's regular font, underlined, its weight one unit further from zero.
    QFont own = QApplication::font();
    own.setUnderline(true);
    own.setWeight(static_cast<QFont::Weight>(std::min(1000, static_cast<int>(own.weight()) + 1)));
    setFont(own);
}

QSize CCopyrightLink::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 4};
}

void CCopyrightLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(textColor());
    const QRect area = rect().adjusted(2, 0, 0, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CCopyrightLink::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        updateFont();
    QAbstractButton::changeEvent(event);
}

} // namespace tovalo::gui
