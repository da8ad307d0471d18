#pragma once
// CColorPicker: a push button that shows a colour as a swatch beside a drop-down arrow. A click
// (or Alt+Down / F4) drops a CColorPopup below it; the colour chosen there becomes the picker's
// colour and is reported with colorChosen. A cancelled popup leaves the colour as it was.
//
// The colour is a QColor; an invalid QColor means automatic. While the colour is automatic the
// swatch shows the automatic colour the owner set (the colour the automatic value stands for),
// or the button text colour when none was set.

#include "controls/color_popup.h"

#include <QColor>
#include <QPointer>
#include <QPushButton>

namespace tovalo::gui {

class CColorPicker : public QPushButton
{
    Q_OBJECT

public:
    explicit CColorPicker(QWidget* parent = nullptr);
    ~CColorPicker() override;

    /// The current colour (invalid: automatic).
    QColor color() const { return color_; }
    /// Sets the colour shown, without reporting it. Repaints.
    void setColor(const QColor& color);
    /// What the swatch shows while the colour is automatic. Repaints.
    void setAutomaticColor(const QColor& color);
    /// The colour the swatch is filled with now.
    QColor swatchColor() const;

    /// The open popup, or null.
    CColorPopup* popup() const { return popup_; }
    /// Where the swatch and the separator lie (widget coordinates).
    QRect swatchRect() const;
    int separatorX() const;

    QSize sizeHint() const override;

public Q_SLOTS:
    /// Drops the palette down (nothing while one is open).
    void showPopup();

Q_SIGNALS:
    /// The user chose `color` in the palette (invalid for automatic).
    void colorChosen(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void popupChose(const QColor& color);

    QColor color_;
    QColor automatic_;
    QPointer<CColorPopup> popup_;
};

} // namespace tovalo::gui
