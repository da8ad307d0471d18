#include "controls/commui/color_edit.h"

#include <QPalette>

namespace tovalo::gui {

CColorEdit::CColorEdit(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("colorEdit"));
}

void CColorEdit::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyColor();
}

void CColorEdit::applyColor()
{
    // Only the text role of the active and inactive groups is set; everything else, the
    // disabled group included, is inherited, so a look change still reaches the edit.
    QPalette pal;
    if (textColor_.isValid()) {
        pal.setColor(QPalette::Active, QPalette::Text, textColor_);
        pal.setColor(QPalette::Inactive, QPalette::Text, textColor_);
    }
    setPalette(pal);
}

} // namespace tovalo::gui
