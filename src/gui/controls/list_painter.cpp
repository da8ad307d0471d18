#include "controls/list_painter.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace tovalo::gui {

using tovalo::ItemStatus;
using namespace list_geometry;

namespace {

// 8x8 two-colour patterns for the hatched strip and the header.
QPixmap makePattern(const QColor& background, const QColor& foreground,
                    std::initializer_list<std::pair<int, int>> points)
{
    QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
    img.fill(background);
    QPainter p(&img);
    p.setPen(foreground);
    for (const auto& [x, y] : points)
        p.drawPoint(x, y);
    p.end();
    return QPixmap::fromImage(img);
}

QList<QColor> bandColors(ListBand band)
{
    switch (band) {
    case ListBand::SelectedFocus:
        return ListBands::selectedFocus();
    case ListBand::SelectedNoFocus:
        return ListBands::selectedNoFocus();
    case ListBand::Converting:
        return ListBands::converting();
    case ListBand::None:
        break;
    }
    return {};
}

QColor inkOn(const ListLook& look, ListColors::Slot slot, const QList<QColor>& under)
{
    // A colour the user chose is drawn as chosen; an automatic one is made readable on what
    // lies under it (the design's red and olive are too light on white, every dark look needs
    // lighter status colours, and the selection band is light whatever the look).
    const QColor color = look.colors.resolve(slot, look.palette);
    return look.colors.isAutomatic(slot) ? readableOn(color, under) : color;
}

ListColors::Slot statusSlot(ItemStatus status)
{
    switch (status) {
    case ItemStatus::Waiting:
    case ItemStatus::Converting:
        return ListColors::ConvertingText;
    case ItemStatus::ConvertedOk:
        return ListColors::ConvertedOkText;
    case ItemStatus::ConvertedNg:
        return ListColors::ConvertedNgText;
    case ItemStatus::SyntaxError:
        return ListColors::SyntaxErrorText;
    case ItemStatus::None:
        break;
    }
    return ListColors::RowText;
}

ListIcon rowIcon(ItemStatus status, bool running, bool selected)
{
    const bool finished = status == ItemStatus::ConvertedOk || status == ItemStatus::ConvertedNg ||
                          status == ItemStatus::SyntaxError;
    if (running) {
        if (status == ItemStatus::Waiting)
            return ListIcon::DocumentWaiting;
        if (status == ItemStatus::Converting)
            return ListIcon::DocumentConverting;
        if (finished)
            return ListIcon::DocumentDone;
    } else if (selected) {
        return ListIcon::DocumentSelected;
    } else if (finished) {
        return ListIcon::DocumentDoneIdle;
    }
    return ListIcon::Document;
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

ListBand ListPainter::bandFor(const ListLook& look, ItemStatus status, bool selected)
{
    if (look.running)
        return status == ItemStatus::Converting ? ListBand::Converting : ListBand::None;
    if (selected)
        return look.focused ? ListBand::SelectedFocus : ListBand::SelectedNoFocus;
    return ListBand::None;
}

QList<QColor> ListPainter::under(const ListLook& look, ListBand band)
{
    if (band == ListBand::None)
        return {look.colors.resolve(ListColors::RowBackground, look.palette)};
    return bandColors(band);
}

const QPixmap& ListPainter::icon(ListIcon which, qreal ratio)
{
    if (ratio != iconsRatio_) {
        icons_.fill(QPixmap());
        iconsRatio_ = ratio;
    }
    QPixmap& pm = icons_[static_cast<std::size_t>(which)];
    if (pm.isNull())
        pm = renderListIcon(which, ratio);
    return pm;
}

void ListPainter::forgetPatterns()
{
    stripPattern_ = QPixmap();
    headerPattern_ = QPixmap();
}

void ListPainter::makePatterns(const QPalette& pal)
{
    if (!stripPattern_.isNull())
        return;
    QColor ink = pal.color(QPalette::Shadow);
    ink.setAlpha(0x40);
    QColor paper = pal.color(QPalette::Button);
    // Blend the translucent ink onto the opaque face once, into the pattern itself.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.fill(paper);
    QPainter bp(&probe);
    bp.fillRect(0, 0, 1, 1, ink);
    bp.end();
    stripPattern_ =
        makePattern(paper, probe.pixelColor(0, 0), {{1, 0}, {2, 1}, {1, 2}, {5, 4}, {6, 5}, {5, 6}});
    const QList<QColor> header = ListBands::header();
    headerPattern_ = makePattern(header.at(0), header.at(1),
                                 {{0, 0}, {4, 1}, {1, 3}, {6, 3}, {3, 5}, {7, 6}, {2, 7}, {5, 7}});
}

void ListPainter::paintBackground(QPainter& p, const ListLook& look, const QRect& rect)
{
    makePatterns(look.palette);
    p.fillRect(rect, look.colors.resolve(ListColors::RowBackground, look.palette));
    p.setBrushOrigin(0, 0);
    p.fillRect(QRect(0, rect.top(), kStripWidth, rect.height()), QBrush(stripPattern_));
}

void ListPainter::paintRow(QPainter& p, const ListLook& look, int top, int rh, int width,
                           const ListColumns& columns, ItemStatus status, ListBand band)
{
    if (status == ItemStatus::Converting)
        p.drawPixmap(kStripIconX, top + (rh - kListIconSize) / 2,
                     icon(look.paused ? ListIcon::Pause : ListIcon::Play, look.devicePixelRatio));
    if (band != ListBand::None) {
        // Soft vertical gradients with a brighter upper half, like a lit band.
        const QRect rect(kStripWidth, top + 1, width - kStripWidth, rh - 1);
        QLinearGradient g(rect.topLeft(), rect.bottomLeft());
        const QList<QColor> stops = bandColors(band);
        for (qsizetype i = 0; i < stops.size(); ++i)
            g.setColorAt(static_cast<qreal>(i) / static_cast<qreal>(std::max<qsizetype>(stops.size() - 1, 1)),
                         stops[i]);
        p.fillRect(rect, g);
    }
    p.setPen(look.palette.color(QPalette::Button));
    const int bottom = top + rh - 1;
    const int lineX = columns.name;
    p.drawLine(lineX, top, lineX, bottom);
    if (columns.count > 0)
        p.drawLine(columns.name + columns.status, top, columns.name + columns.status, bottom);
    p.drawLine(kStripWidth, bottom, width - 1, bottom);
}

void ListPainter::paintCurrentFrame(QPainter& p, const ListLook& look, const QRect& row)
{
    QPen pen(look.palette.color(QPalette::Highlight));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(row.adjusted(0, 0, -1, -1));
}

void ListPainter::paintStripEdge(QPainter& p, const ListLook& look, int height)
{
    p.setPen(look.palette.color(QPalette::Button));
    p.drawLine(kStripWidth - 1, 0, kStripWidth - 1, height - 1);
}

void ListPainter::paintDropBar(QPainter& p, const ListLook& look, int y, int width)
{
    p.fillRect(QRect(kStripWidth, y - 1, width - kStripWidth, 3), look.palette.color(QPalette::Highlight));
}

void ListPainter::paintNameCell(QPainter& p, const ListLook& look, const QRect& cell, ItemStatus status,
                                bool selected, ListBand band, const QString& path, bool missing)
{
    const int rh = cell.height();
    p.drawPixmap(cell.left() + kIconX, cell.top() + (rh - kListIconSize) / 2,
                 icon(rowIcon(status, look.running, selected), look.devicePixelRatio));
    // The name column ends kColumnLineOffset - kNameColumnEnd before the section's end.
    const int nameWidth = cell.width() - kNameX - (kColumnLineOffset - kNameColumnEnd);
    if (nameWidth <= 0)
        return;
    if (missing) {
        // A file that is not there: greyed and slanted, so that it reads without colour.
        QFont slanted = look.normalFont;
        slanted.setItalic(true);
        p.setFont(slanted);
        // On a band the grey is darkened or lightened until it reads (a dark look's light grey
        // would vanish on the light selection band).
        const QColor grey = look.palette.color(QPalette::Disabled, QPalette::Text);
        p.setPen(band == ListBand::None ? grey : readableOn(grey, under(look, band)));
    } else {
        p.setFont(look.normalFont);
        p.setPen(inkOn(look, ListColors::RowText, under(look, band)));
    }
    p.drawText(QRect(cell.left() + kNameX, cell.top(), nameWidth, rh), kTextFlags,
               p.fontMetrics().elidedText(path, Qt::ElideRight, nameWidth));
}

void ListPainter::paintStatusCell(QPainter& p, const ListLook& look, const QRect& cell, ItemStatus status,
                                  ListBand band, const QString& text)
{
    const int left = cell.left() + kStatusColumnStart - kColumnLineOffset;
    const int width = cell.right() - 1 - left;
    if (width <= 0 || text.isEmpty())
        return;
    p.setFont(status == ItemStatus::Waiting ? look.normalFont : look.boldFont);
    p.setPen(inkOn(look, statusSlot(status), under(look, band)));
    p.drawText(QRect(left, cell.top(), width, cell.height()), kTextFlags,
               p.fontMetrics().elidedText(text, Qt::ElideRight, width));
}

void ListPainter::paintCountCell(QPainter& p, const ListLook& look, const QRect& cell, const QString& count)
{
    if (count.isEmpty() || cell.width() <= 6)
        return;
    // Right-aligned, so that counts of different lengths line up.
    p.setFont(count != QLatin1String("0") ? look.boldFont : look.normalFont);
    p.setPen(look.colors.resolve(ListColors::RowText, look.palette));
    p.drawText(QRect(cell.left() + 2, cell.top(), cell.width() - 2 - 2 * kRightMargin, cell.height()),
               Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, count);
}

void ListPainter::paintHeader(QPainter& p, const ListLook& look, const QRect& rect,
                              const ListColumns& columns, int dividerX,
                              const std::array<QString, 3>& captions)
{
    makePatterns(look.palette);
    const QPalette& pal = look.palette;
    const int hh = rect.height();
    p.setBrushOrigin(0, 0);
    p.fillRect(rect, QBrush(headerPattern_));

    const int countX = columns.name + columns.status + 2;
    for (const int x : {kStripWidth - 1, columns.name - 1, countX - 3}) {
        if (x == countX - 3 && columns.count <= 0)
            continue;
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(x, 0, x, hh - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(x + 1, 0, x + 1, hh - 1);
    }

    p.setFont(look.boldFont);
    const auto caption = [&](int left, int right, const QString& text) {
        if (right <= left)
            return;
        const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, right - left);
        // An embossed caption: a light copy one pixel down and right, the text on top.
        const QColor ink = readableOn(pal.color(QPalette::WindowText), ListBands::header());
        p.setPen(contrastRatio(ink, Qt::white) > contrastRatio(ink, Qt::black) ? QColor(Qt::white)
                                                                               : QColor(Qt::black));
        p.drawText(QRect(left + 1, 1, right - left, hh), kTextFlags, shown);
        p.setPen(ink);
        p.drawText(QRect(left, 0, right - left, hh), kTextFlags, shown);
    };
    caption(kStripWidth + 4, dividerX + kNameColumnEnd, captions[0]);
    caption(dividerX + kStatusColumnStart, countX - 4, captions[1]);
    if (columns.count > 0)
        caption(countX, rect.right() + 1 - kRightMargin, captions[2]);
}

} // namespace tovalo::gui
