#pragma once
// CWaterDropCtrl: the about box's picture. It shows a picture with a caption written onto it and
// lets it ripple like a water surface under the mouse (CWaterRoutine): a press, or a move with
// the left button held, drops a wide disturbance; a move without a button a small one. A frame
// is computed every 40 ms while the water moves; once the water has come to rest the frame
// timer stops (the picture then no longer changes), and the next drop starts it again.
//
// The control keeps two pictures, both stored bottom-up as the routine wants them: the source
// (the picture with its caption, never changed by the water) and the display (what is shown,
// rewritten every frame; it starts as the plain picture, so its one-pixel border, which frames
// never write, stays that of the plain picture while the water ripples). showStill() ends the
// rippling for good: flat water, the captioned still picture, no frames and no drops.

#include "controls/water_routine.h"

#include <cstdint>
#include <vector>

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace tovalo::gui {

class CWaterDropCtrl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFrameIntervalMs = 40;

    explicit CWaterDropCtrl(QWidget* parent = nullptr);

    /// Sets the picture and its caption (lines separated by '\n'), drawn bold in the parent's
    /// font 5 pixels larger (smaller again where a line would not fit the picture's width),
    /// centred, its bottom 6 pixels above the picture's bottom edge: first in `shadowColor` one
    /// pixel right and down, then in `captionColor`. Restarts from flat
    /// water and shows the first frame at once. A null picture leaves the control without
    /// picture and without rippling.
    void setPicture(const QImage& picture, const QString& caption, const QColor& captionColor,
                    const QColor& shadowColor);

    /// Ends the rippling: flat water, the frame timer stopped, the still captioned picture
    /// shown; later mouse input drops nothing.
    void showStill();

    /// One frame, as the timer runs it: a step of the water, then a repaint. Nothing once
    /// stopped by showStill(). Stops the frame timer when the water has come to rest.
    void advanceFrame();

    bool hasPicture() const { return !frame_.isNull(); }
    bool isRunning() const { return running_; }
    bool isFrameTimerActive() const { return timer_.isActive(); }
    const CWaterRoutine& routine() const { return water_; }
    /// The picture as shown now (top-down).
    const QImage& displayImage() const { return frame_; }
    /// The picture with its caption, as shown when still (top-down).
    QImage stillImage() const;
    QColor captionColor() const { return captionColor_; }
    QColor shadowColor() const { return shadowColor_; }
    QString caption() const { return caption_; }
    /// Frames computed since the picture was set.
    int frameCount() const { return frames_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void dropAt(QPoint client, int radius, int strength);
    void showDisplay();

    QBasicTimer timer_;
    bool running_ = true;
    int frames_ = 0;
    QString caption_;
    QColor captionColor_;
    QColor shadowColor_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> source_;  ///< bottom-up, with the caption
    std::vector<std::uint32_t> display_; ///< bottom-up, as shown
    QImage frame_;                       ///< display_ turned top-down, for painting
    CWaterRoutine water_;
};

} // namespace tovalo::gui
