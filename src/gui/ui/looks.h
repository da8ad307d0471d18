#pragma once
// The eleven application looks (command ids 205 to 215): each one is a widget style and a
// colour palette, applied to the whole application.

#include <vector>

#include <QPalette>
#include <QString>

namespace tovalo::gui {

inline constexpr int kLookFirst = 205;
inline constexpr int kLookLast = 215;
inline constexpr int kDefaultLook = 214;

struct Look
{
    int id;
    const char* menuText; ///< untranslated source text (translated in the main frame's context)
    const char* styleName;
    QPalette palette;
};

/// Every look in menu order: 215, then 205 to 214.
const std::vector<Look>& looks();

/// The look with `id`; ids outside 205 to 215 give the default look 214.
const Look& lookById(int id);

/// Makes `id` the look of the running application (style and palette).
void applyLookToApplication(int id);

} // namespace tovalo::gui
