#include "controls/list_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tovalo::gui {

namespace {

void drawDocument(QPainter& p, const QColor& ink, bool selectedLook)
{
    // A page with a folded top-right corner and three lines of text.
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(13.5, 5.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    const QColor paper = selectedLook ? ink : QColor(255, 255, 255);
    p.setPen(QPen(ink.darker(selectedLook ? 140 : 100), 1.0));
    p.setBrush(paper);
    p.drawPath(page);

    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 5.5);
    fold.lineTo(13.5, 5.5);
    fold.closeSubpath();
    p.setBrush(selectedLook ? ink.lighter(160) : ink.lighter(130));
    p.drawPath(fold);

    p.setPen(QPen(selectedLook ? QColor(255, 255, 255) : ink, 1.0));
    for (const double y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(5.5, y), QPointF(y == 11.5 ? 9.5 : 11.5, y));
}

QPixmap render(ListIcon icon, qreal dpr)
{
    QPixmap pm(QSize(kListIconSize, kListIconSize) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor orange(255, 140, 0);
    switch (icon) {
    case ListIcon::Play: {
        const QPolygonF tri({QPointF(4.5, 2.5), QPointF(13.5, 8.0), QPointF(4.5, 13.5)});
        p.setPen(QPen(orange.darker(140), 1.0));
        p.setBrush(orange);
        p.drawPolygon(tri);
        break;
    }
    case ListIcon::Pause:
        p.setPen(QPen(orange.darker(140), 1.0));
        p.setBrush(orange);
        p.drawRect(QRectF(3.5, 2.5, 3.0, 11.0));
        p.drawRect(QRectF(9.5, 2.5, 3.0, 11.0));
        break;
    case ListIcon::Document:
        drawDocument(p, QColor(30, 90, 200), false);
        break;
    case ListIcon::DocumentSelected:
        drawDocument(p, QColor(30, 90, 200), true);
        break;
    case ListIcon::DocumentDone:
        drawDocument(p, QColor(112, 112, 112), false);
        break;
    case ListIcon::DocumentDoneIdle:
        drawDocument(p, QColor(176, 176, 176), false);
        break;
    case ListIcon::DocumentConverting:
        drawDocument(p, QColor(225, 80, 150), false);
        break;
    case ListIcon::DocumentWaiting:
        drawDocument(p, QColor(128, 128, 0), false);
        break;
    }
    return pm;
}

} // namespace

QPixmap renderListIcon(ListIcon icon, qreal devicePixelRatio)
{
    return render(icon, devicePixelRatio);
}

} // namespace tovalo::gui
