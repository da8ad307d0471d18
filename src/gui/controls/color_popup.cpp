#include "controls/color_popup.h"

#include "controls/commui/dialog_seam.h"

#include <algorithm>
#include <array>

#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace tovalo::gui {

namespace {

struct NamedColor
{
    int r, g, b;
    const char* name;
};

// clang-format off
constexpr std::array<NamedColor, CColorPopup::kCount> kPalette = {{
    {0, 0, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Black")},
    {165, 42, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Brown")},
    {0, 64, 64, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Olive")},
    {0, 85, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Dark Green")},
    {0, 0, 94, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Dark Teal")},
    {0, 0, 139, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Dark Blue")},
    {75, 0, 130, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Indigo")},
    {40, 40, 40, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Grey 80%")},
    {139, 0, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Dark Red")},
    {255, 104, 32, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Orange")},
    {139, 139, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Dark Yellow")},
    {0, 100, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Green")},
    {56, 142, 142, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Teal")},
    {0, 0, 255, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Blue")},
    {123, 123, 192, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Blue-Grey")},
    {102, 102, 102, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Grey 40%")},
    {255, 0, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Red")},
    {255, 173, 91, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Light Orange")},
    {50, 205, 50, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Lime")},
    {60, 179, 113, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Sea Green")},
    {127, 255, 212, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Aqua")},
    {173, 216, 230, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Light Blue")},
    {128, 0, 128, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Violet")},
    {128, 128, 128, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Grey 50%")},
    {255, 192, 203, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Pink")},
    {255, 215, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Gold")},
    {255, 255, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Yellow")},
    {0, 255, 0, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Bright Green")},
    {64, 224, 208, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Turquoise")},
    {135, 206, 235, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Sky Blue")},
    {221, 160, 221, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Plum")},
    {192, 192, 192, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Grey 25%")},
    {255, 228, 225, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Rose")},
    {210, 180, 140, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Tan")},
    {255, 255, 224, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Light Yellow")},
    {152, 251, 152, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Light Green")},
    {175, 238, 238, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Light Turquoise")},
    {104, 131, 139, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Pale Blue")},
    {230, 230, 250, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "Lavender")},
    {255, 255, 255, QT_TRANSLATE_NOOP("tovalo::gui::CColorPopup", "White")},
}};
// clang-format on

bool isCell(int item)
{
    return item >= 0 && item < CColorPopup::kCount;
}

} // namespace

CColorPopup::CColorPopup(QWidget* owner, const QRect& anchor, const QColor& initial)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint), initial_(initial), current_(initial)
{
    setObjectName(QStringLiteral("colorPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A click on the picker that closes the popup must not open it again at once.
    setAttribute(Qt::WA_NoMouseReplay);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (owner)
        setFont(owner->font());
    face_ = lightenedFace(palette().color(QPalette::Button));

    if (!initial_.isValid()) {
        selected_ = kAutomatic;
    } else if (const int cell = paletteIndex(initial_); cell >= 0) {
        selected_ = cell;
    } else {
        selected_ = kMore;
        custom_ = initial_;
    }
    computeLayout(anchor);

    // The popup goes when the user turns to another application.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && isVisible())
            cancel();
    });
}

CColorPopup::~CColorPopup() = default;

QColor CColorPopup::paletteColor(int index)
{
    if (!isCell(index))
        return {};
    const NamedColor& c = kPalette[static_cast<std::size_t>(index)];
    return QColor(c.r, c.g, c.b);
}

QString CColorPopup::paletteName(int index)
{
    if (!isCell(index))
        return {};
    return tr(kPalette[static_cast<std::size_t>(index)].name);
}

int CColorPopup::paletteIndex(const QColor& color)
{
    if (!color.isValid())
        return -1;
    const QRgb rgb = color.rgb();
    for (int i = 0; i < kCount; ++i) {
        if (paletteColor(i).rgb() == rgb)
            return i;
    }
    return -1;
}

int CColorPopup::navigate(int from, int key)
{
    const int last = kCount - 1;
    switch (key) {
    case Qt::Key_Down:
        if (from == kAutomatic)
            return 0;
        if (from == kMore || from == kNone)
            return kAutomatic;
        return from + kColumns <= last ? from + kColumns : kMore;
    case Qt::Key_Up:
        if (from == kAutomatic)
            return kMore;
        if (from == kMore)
            return last;
        if (from == kNone)
            return kAutomatic;
        return from - kColumns >= 0 ? from - kColumns : kAutomatic;
    case Qt::Key_Right:
        if (from == kAutomatic || from == kNone)
            return 0;
        if (from == kMore)
            return kAutomatic;
        return from < last ? from + 1 : kMore;
    case Qt::Key_Left:
        if (from == kAutomatic || from == kNone)
            return kMore;
        if (from == kMore)
            return last;
        return from > 0 ? from - 1 : kAutomatic;
    default:
        return from;
    }
}

QColor CColorPopup::lightenedFace(const QColor& buttonFace)
{
    const QColor hsl = buttonFace.toHsl();
    const int l = hsl.lightness();
    const int lighter = std::clamp(l + (19125 - 75 * l) / 100, 0, 255);
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lighter).toRgb();
}

QString CColorPopup::automaticText() const
{
    return tr("Automatic");
}

QString CColorPopup::moreText() const
{
    return tr("More Colours...");
}

void CColorPopup::computeLayout(const QRect& anchor)
{
    const int e = kEdge;
    const QFontMetrics fm(font());
    const int swatchRoom = e + kCellSize; // the custom colour's swatch left of the caption
    const int textHeight = fm.height();
    const int h = textHeight + 4 * e + 2;
    // Room for either caption with the insets of its button (2 + 3 on each side).
    const int textWidth =
        std::max(fm.horizontalAdvance(automaticText()), fm.horizontalAdvance(moreText()) + swatchRoom) +
        2 * e + 10;
    const int gridWidth = kCellSize * kColumns;
    const int gridHeight = kCellSize * kRows;
    const int w = std::max(2 * e + gridWidth, textWidth);

    automaticBox_ = QRect(QPoint(e, e), QPoint(w - e - 1, h + 2 * e - 1));
    const int gridLeft = (std::max(w - 2 * e, gridWidth) - gridWidth) / 2;
    const int gridTop = h + 2 * e;
    gridBox_ = QRect(e + gridLeft, e + gridTop, gridWidth, gridHeight);
    const int moreTop = h + 5 * e + gridHeight;
    moreBox_ = QRect(QPoint(e, moreTop), QPoint(w - e - 1, moreTop + e + h - 1));
    const int height = moreBox_.bottom() + 1 + e;

    QPoint pos(anchor.left(), anchor.bottom() + 1);
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        if (pos.x() + w > area.right() + 1)
            pos.rx() -= pos.x() + w - (area.right() + 1);
        if (pos.y() + height > area.bottom() + 1)
            pos.ry() = anchor.top() - height; // opens above the picker
    }
    setGeometry(QRect(pos, QSize(w, height)));
}

QRect CColorPopup::itemRect(int item) const
{
    if (item == kAutomatic)
        return automaticBox_;
    if (item == kMore)
        return moreBox_;
    if (!isCell(item))
        return {};
    return QRect(gridBox_.left() + kCellSize * (item % kColumns),
                 gridBox_.top() + kCellSize * (item / kColumns), kCellSize, kCellSize);
}

int CColorPopup::itemAt(QPoint pos) const
{
    if (moreBox_.contains(pos))
        return kMore;
    if (automaticBox_.contains(pos))
        return kAutomatic;
    if (gridBox_.contains(pos)) {
        const int index =
            (pos.y() - gridBox_.top()) / kCellSize * kColumns + (pos.x() - gridBox_.left()) / kCellSize;
        return isCell(index) ? index : kNone;
    }
    return kNone;
}

void CColorPopup::setHot(int item)
{
    if (item >= kCount)
        item = kMore;
    if (item < kAutomatic)
        item = kNone;
    const int old = hot_;
    hot_ = item;
    if (isCell(item))
        current_ = paletteColor(item);
    else if (item == kAutomatic)
        current_ = QColor();
    else if (item == kNone)
        current_ = initial_; // nothing under the mouse: nothing chosen
    update(itemRect(old));
    update(itemRect(item));
}

void CColorPopup::commit()
{
    if (finished_)
        return;
    if (hot_ == kMore) {
        // The popup goes before the colour chooser opens; a cancelled chooser cancels.
        hide();
        const QColor start =
            custom_.isValid() ? custom_ : (initial_.isValid() ? initial_ : QColor(Qt::white));
        const std::optional<QColor> chosen = DialogSeam::color(parentWidget(), tr("Colour"), start);
        if (!chosen || !chosen->isValid()) {
            cancel();
            return;
        }
        current_ = *chosen;
        custom_ = *chosen;
    }
    finished_ = true;
    const QColor chosen = current_;
    close();
    Q_EMIT colorChosen(chosen);
}

void CColorPopup::cancel()
{
    if (finished_)
        return;
    finished_ = true;
    current_ = initial_;
    close();
}

// Events ----------------------------------------------------------------------------------------

bool CColorPopup::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const int item = itemAt(help->pos());
        if (isCell(item))
            QToolTip::showText(help->globalPos(), paletteName(item), this, itemRect(item));
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::Close:
        // Closed from outside (a click elsewhere, the window system): a cancel.
        if (!finished_) {
            finished_ = true;
            current_ = initial_;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int item = itemAt(event->position().toPoint());
    if (item != hot_)
        setHot(item);
}

void CColorPopup::mousePressEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint())) {
        cancel();
        return;
    }
    event->accept();
}

void CColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        cancel();
        return;
    }
    // A release on the margin between items chooses nothing; the popup stays open.
    const int item = itemAt(pos);
    if (item == kNone)
        return;
    if (item != hot_)
        setHot(item);
    commit();
}

void CColorPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        setHot(navigate(hot_, event->key()));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        commit();
        return;
    case Qt::Key_Escape:
        cancel();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Painting --------------------------------------------------------------------------------------

void CColorPopup::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), face_);
    paintItem(p, kAutomatic);
    for (int i = 0; i < kCount; ++i)
        paintItem(p, i);
    paintItem(p, kMore);

    const QColor buttonFace = palette().color(QPalette::Button);
    p.setPen(buttonFace);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // Separators below the automatic button and above the more button.
    const int ySeparatorTop = automaticBox_.bottom() + 1;
    const int ySeparatorBottom = moreBox_.top() - kEdge;
    p.drawLine(automaticBox_.left() + 2, ySeparatorTop, automaticBox_.right() - 2, ySeparatorTop);
    p.drawLine(moreBox_.left() + 2, ySeparatorBottom, moreBox_.right() - 2, ySeparatorBottom);
}

void CColorPopup::paintItem(QPainter& p, int item)
{
    QRect box = itemRect(item);
    const bool button = !isCell(item);
    const int outer = button ? 2 : 0;
    const int inner = button ? 3 : 2;
    const QPalette& pal = palette();
    const QColor shadow = pal.color(QPalette::Dark);

    // Text on the light face: the palette's button text when it is dark enough to read there.
    QColor text = pal.color(QPalette::ButtonText);
    if (qAbs(text.lightness() - face_.lightness()) < 96)
        text = face_.lightness() > 128 ? QColor(Qt::black) : QColor(Qt::white);
    if (item == hot_)
        text = pal.color(QPalette::HighlightedText);

    const bool marked = item == hot_ || item == selected_;
    if (marked) {
        if (outer > 0)
            p.fillRect(box, face_);
        box.adjust(outer, outer, -outer, -outer);
        p.setPen(shadow);
        p.setBrush(item == hot_ ? pal.color(QPalette::Highlight)
                                : pal.color(QPalette::Highlight).lighter(160));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        box.adjust(inner - 1, inner - 1, -(inner - 1), -(inner - 1));
    } else {
        p.fillRect(box, face_);
        box.adjust(outer + inner, outer + inner, -(outer + inner), -(outer + inner));
    }

    const bool swatch = !button || (item == kMore && custom_.isValid());
    if (button) {
        QRect textBox = box;
        if (swatch)
            textBox.setLeft(textBox.left() + kEdge + kCellSize);
        p.setPen(text);
        p.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine,
                   item == kAutomatic ? automaticText() : moreText());
    }
    if (swatch) {
        QRect r = box.adjusted(1, 1, -1, -1);
        if (button)
            r.setWidth(kEdge + kCellSize);
        p.fillRect(r, button ? custom_ : paletteColor(item));
        p.setPen(shadow);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace tovalo::gui
