#pragma once
// CColorEdit: a one-line edit whose text colour the owner can set (the item dialogs paint the
// text of a path that names nothing in red). While the edit is disabled it shows the style's
// disabled colours whatever its text colour. An invalid QColor means the normal text colour.

#include <QColor>
#include <QLineEdit>

namespace tovalo::gui {

class CColorEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CColorEdit(QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    /// The colour set by the owner; invalid for the normal text colour.
    QColor textColor() const { return textColor_; }

private:
    void applyColor();

    QColor textColor_;
};

} // namespace tovalo::gui
