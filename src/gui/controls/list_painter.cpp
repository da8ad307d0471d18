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

namespace {

enum class Highlight
{
    SelectedFocus,
    SelectedNoFocus,
    Converting
};

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

QList<QColor> bandColors(Highlight look)
{
    switch (look) {
    case Highlight::SelectedFocus:
        return ListBands::selectedFocus();
    case Highlight::SelectedNoFocus:
        return ListBands::selectedNoFocus();
    case Highlight::Converting:
        return ListBands::converting();
    }
    return {};
}

void paintHighlight(QPainter& p, const QRect& rect, Highlight look)
{
    // Soft vertical gradients with a brighter upper half, like a lit band.
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    const QList<QColor> stops = bandColors(look);
    for (qsizetype i = 0; i < stops.size(); ++i)
        g.setColorAt(static_cast<qreal>(i) / static_cast<qreal>(std::max<qsizetype>(stops.size() - 1, 1)),
                     stops[i]);
    p.fillRect(rect, g);
}

QColor inkOn(const ListSnapshot& s, ListColors::Slot slot, const QList<QColor>& under)
{
    // A colour the user chose is drawn as chosen; an automatic one is made readable on what
    // lies under it (the design's red and olive are too light on white, every dark look needs
    // lighter status colours, and the selection band is light whatever the look).
    const QColor color = s.colors.resolve(slot, s.palette);
    return s.colors.isAutomatic(slot) ? readableOn(color, under) : color;
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

} // namespace

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

void ListPainter::paint(QPainter& p, const ListSnapshot& s)
{
    const QPalette& pal = s.palette;
    const ListLayout& l = s.layout;

    p.fillRect(QRect(0, 0, l.width, l.height), s.colors.resolve(ListColors::RowBackground, pal));

    if (stripPattern_.isNull()) {
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
    p.fillRect(QRect(0, 0, ListLayout::kStripWidth, l.height), QBrush(stripPattern_));

    p.setFont(s.normalFont);
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const int row = s.firstRow + static_cast<int>(i);
        paintRow(p, s, row, s.rows[i], l.docY(row) - l.scroll);
    }

    if (s.dropGap >= 0) {
        // Where the dragged row would land: a bar across the rows at the gap.
        const int y = std::clamp(l.docY(s.dropGap) - l.scroll, l.headerHeight(), l.height - 2);
        p.fillRect(QRect(ListLayout::kStripWidth, y - 1, l.width - ListLayout::kStripWidth, 3),
                   pal.color(QPalette::Highlight));
    }

    paintHeader(p, s);

    p.setPen(pal.color(QPalette::Button));
    p.drawLine(ListLayout::kStripWidth - 1, l.headerHeight(), ListLayout::kStripWidth - 1, l.height - 1);
}

void ListPainter::paintRow(QPainter& p, const ListSnapshot& s, int row, const ListRow& data, int top)
{
    const QPalette& pal = s.palette;
    const ListLayout& l = s.layout;
    const int rh = l.rowHeight;
    const int iconTop = top + (rh - kListIconSize) / 2;
    const ItemStatus status = data.status;
    const bool selected = row >= 0 && row == s.selection;
    const qreal ratio = s.devicePixelRatio;

    if (status == ItemStatus::Converting)
        p.drawPixmap(ListLayout::kStripIconX, iconTop,
                     icon(s.paused ? ListIcon::Pause : ListIcon::Play, ratio));

    const QRect band(ListLayout::kStripWidth, top + 1, l.width - ListLayout::kStripWidth, rh - 1);
    // Text is drawn in colours that read on what lies under it: the band, or the background.
    QList<QColor> under{s.colors.resolve(ListColors::RowBackground, pal)};
    if (s.running) {
        if (status == ItemStatus::Converting) {
            paintHighlight(p, band, Highlight::Converting);
            under = bandColors(Highlight::Converting);
        }
    } else if (selected) {
        const Highlight look = s.focused ? Highlight::SelectedFocus : Highlight::SelectedNoFocus;
        paintHighlight(p, band, look);
        under = bandColors(look);
    }

    p.drawPixmap(ListLayout::kIconX, iconTop, icon(rowIcon(status, s.running, selected), ratio));

    const int nameWidth = l.nameWidth();
    if (nameWidth > 0) {
        if (data.missing) {
            // A file that is not there: greyed and slanted, so that it reads without colour; the
            // grey is readable on the selection band too.
            QFont slanted = s.normalFont;
            slanted.setItalic(true);
            p.setFont(slanted);
            p.setPen(readableOn(pal.color(QPalette::Disabled, QPalette::Text), under));
        } else {
            p.setFont(s.normalFont);
            p.setPen(inkOn(s, ListColors::RowText, under));
        }
        p.drawText(QRect(ListLayout::kNameX, top, nameWidth, rh),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(data.path, Qt::ElideRight, nameWidth));
    }

    const int countX = l.countX();
    const int statusX = l.statusX();
    const int statusWidth = l.statusWidth();
    if (statusWidth > 0 && !data.statusText.isEmpty()) {
        p.setFont(status == ItemStatus::Waiting ? s.normalFont : s.boldFont);
        p.setPen(inkOn(s, statusSlot(status), under));
        p.drawText(QRect(statusX, top, statusWidth, rh),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(data.statusText, Qt::ElideRight, statusWidth));
    }

    if (data.diagnostics >= 0 && countX > statusX) {
        // Right-aligned, so that counts of different lengths line up.
        p.setFont(data.diagnostics > 0 ? s.boldFont : s.normalFont);
        p.setPen(inkOn(s, ListColors::RowText, under));
        p.drawText(QRect(countX, top, ListLayout::kCountColumnWidth - 4, rh),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(data.diagnostics));
    }

    p.setPen(pal.color(QPalette::Button));
    const int bottom = top + rh - 1;
    p.drawLine(l.columnLineX(), top, l.columnLineX(), bottom);
    if (countX > statusX)
        p.drawLine(countX - 2, top, countX - 2, bottom);
    p.drawLine(ListLayout::kStripWidth, bottom, l.width - 1, bottom);
}

void ListPainter::paintHeader(QPainter& p, const ListSnapshot& s) const
{
    const QPalette& pal = s.palette;
    const ListLayout& l = s.layout;
    const int hh = l.headerHeight();
    p.fillRect(QRect(0, 0, l.width, hh), QBrush(headerPattern_));

    const int countX = l.countX();
    for (const int x : {ListLayout::kStripWidth - 1, l.columnLineX() - 1, countX - 3}) {
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(x, 0, x, hh - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(x + 1, 0, x + 1, hh - 1);
    }

    p.setFont(s.boldFont);
    const auto caption = [&](int left, int right, const QString& text) {
        if (right <= left)
            return;
        const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, right - left);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        // An embossed caption: a light copy one pixel down and right, the text on top.
        const QColor ink = readableOn(pal.color(QPalette::WindowText), ListBands::header());
        p.setPen(contrastRatio(ink, Qt::white) > contrastRatio(ink, Qt::black) ? QColor(Qt::white)
                                                                               : QColor(Qt::black));
        p.drawText(QRect(left + 1, 1, right - left, hh), flags, shown);
        p.setPen(ink);
        p.drawText(QRect(left, 0, right - left, hh), flags, shown);
    };
    caption(ListLayout::kStripWidth + 4, l.dividerX + ListLayout::kNameColumnEnd, s.nameCaption);
    caption(l.statusX(), countX - 4, s.statusCaption);
    caption(countX, l.width - ListLayout::kRightMargin, s.countCaption);
}

} // namespace tovalo::gui
