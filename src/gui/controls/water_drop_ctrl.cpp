#include "controls/water_drop_ctrl.h"

#include <cstring>

#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

namespace tovalo::gui {

namespace {

// The routine's pictures are bottom-up (row 0 is the bottom row), QImage's top-down.
void toBottomUp(const QImage& image, std::vector<std::uint32_t>& out)
{
    const int w = image.width();
    const int h = image.height();
    out.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        std::memcpy(out.data() + static_cast<std::size_t>(h - 1 - y) * static_cast<std::size_t>(w),
                    image.constScanLine(y), static_cast<std::size_t>(w) * sizeof(std::uint32_t));
}

void toTopDown(const std::vector<std::uint32_t>& pixels, QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y)
        std::memcpy(image.scanLine(h - 1 - y),
                    pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w),
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
}

} // namespace

CWaterDropCtrl::CWaterDropCtrl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("waterDropCtrl"));
    setMouseTracking(true); // moves without a button drop small disturbances too
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A Qt RGB32 image holds 0xFF in the byte a device-independent bitmap leaves 0.
    water_.setFourthByte(0xFF);
}

void CWaterDropCtrl::setPicture(const QImage& picture, const QString& caption, const QColor& captionColor,
                                const QColor& shadowColor)
{
    timer_.stop();
    caption_ = caption;
    setAccessibleName(QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    captionColor_ = captionColor.isValid() ? captionColor : palette().color(QPalette::WindowText);
    shadowColor_ = shadowColor;
    frames_ = 0;
    if (picture.isNull()) {
        // Without a picture nothing is rebuilt and nothing ripples.
        updateGeometry();
        update();
        return;
    }

    // The step works on 32-bit pixels: other depths are converted.
    const QImage plain = picture.convertToFormat(QImage::Format_RGB32);
    QImage captioned = plain.copy();
    if (!caption.isEmpty()) {
        QWidget* owner = window() != this ? window() : nullptr;
        QFont font = owner ? owner->font() : QApplication::font();
        font.setPixelSize(QFontInfo(font).pixelSize() + 5);
        font.setWeight(QFont::Bold);
        QPainter painter(&captioned);
        painter.setFont(font);
        const QRect bounds(QPoint(0, 0), captioned.size());
        QRect block = painter.boundingRect(bounds, Qt::AlignHCenter | Qt::AlignTop, caption);
        // A line wider than the picture would be cut at both edges: the font is made smaller
        // until every line fits (a longer translation, a large system font).
        while (block.width() > captioned.width() - 4 && font.pixelSize() > 8) {
            font.setPixelSize(font.pixelSize() - 1);
            painter.setFont(font);
            block = painter.boundingRect(bounds, Qt::AlignHCenter | Qt::AlignTop, caption);
        }
        const QRect at((captioned.width() - block.width()) / 2, captioned.height() - 6 - block.height(),
                       block.width(), block.height());
        painter.setPen(shadowColor_);
        painter.drawText(at.translated(1, 1), Qt::AlignHCenter, caption);
        painter.setPen(captionColor_);
        painter.drawText(at, Qt::AlignHCenter, caption);
    }

    width_ = plain.width();
    height_ = plain.height();
    toBottomUp(captioned, source_);
    toBottomUp(plain, display_);
    frame_ = plain.copy();
    water_.reset(width_, height_);
    running_ = true;
    updateGeometry();
    // The first frame at once (it writes the caption into the inner pixels), then every 40 ms.
    timer_.start(kFrameIntervalMs, this);
    advanceFrame();
}

QImage CWaterDropCtrl::stillImage() const
{
    if (frame_.isNull())
        return {};
    QImage still(width_, height_, QImage::Format_RGB32);
    toTopDown(source_, still);
    return still;
}

void CWaterDropCtrl::showStill()
{
    running_ = false;
    timer_.stop();
    water_.clear();
    if (!hasPicture())
        return;
    display_ = source_;
    showDisplay();
}

void CWaterDropCtrl::advanceFrame()
{
    if (!running_ || !hasPicture()) {
        timer_.stop();
        return;
    }
    ++frames_;
    if (water_.step(source_.data(), display_.data()))
        showDisplay();
    // At rest every later frame would leave the picture as it is: no timer until a drop.
    if (water_.atRest())
        timer_.stop();
}

void CWaterDropCtrl::showDisplay()
{
    toTopDown(display_, frame_);
    update();
}

void CWaterDropCtrl::dropAt(QPoint client, int radius, int strength)
{
    if (!running_ || !hasPicture())
        return;
    water_.drop(client.x(), water_.pictureRow(client.y()), radius, strength);
    if (!water_.atRest() && !timer_.isActive())
        timer_.start(kFrameIntervalMs, this);
}

QSize CWaterDropCtrl::sizeHint() const
{
    return hasPicture() ? frame_.size() : QSize(384, 160);
}

void CWaterDropCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (hasPicture())
        painter.drawImage(0, 0, frame_);
    // Whatever the picture does not cover (no picture, or a larger control) is background.
    const QRect picture(0, 0, frame_.width(), frame_.height());
    for (const QRect& r : QRegion(rect()).subtracted(picture))
        painter.fillRect(r, palette().window());
}

void CWaterDropCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dropAt(event->position().toPoint(), CWaterRoutine::kPressRadius, CWaterRoutine::kPressStrength);
    QWidget::mousePressEvent(event);
}

void CWaterDropCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        dropAt(event->position().toPoint(), CWaterRoutine::kPressRadius, CWaterRoutine::kPressStrength);
    else
        dropAt(event->position().toPoint(), CWaterRoutine::kMoveRadius, CWaterRoutine::kMoveStrength);
    QWidget::mouseMoveEvent(event);
}

void CWaterDropCtrl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_.timerId())
        advanceFrame();
    else
        QWidget::timerEvent(event);
}

} // namespace tovalo::gui
