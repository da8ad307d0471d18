#pragma once
// WindowLooks: how the main window looks, from the settings record: the application look (205
// to 215), applied to the whole program and saved at once; the document area's tab settings
// (tabbed or separate sub-windows, where the tabs go and their shape, close buttons, the drawn
// tab styles, a colour per tab); and the icon each document's sub-window and tab shows.
//
// The main frame owns it and the document area; the settings record and its store belong to the
// application and outlive both. A look's save failing is not told: the look stays applied.

#include <QColor>
#include <QList>

class QMdiArea;
class QMdiSubWindow;
class QPalette;

namespace tovalo {
class SettingsStore;
struct Settings;
} // namespace tovalo

namespace tovalo::gui {

/// The colours a tab label can stand on in the look of `palette`, whatever the tab style: the
/// widget style's own tabs (shades of the window and button colours) and the drawn ones (button,
/// light and base).
QList<QColor> tabBackgrounds(const QPalette& palette);
/// The label colour of tab `index` when each tab has a colour of its own: a fixed cycle of five
/// distinct hues, each made readable (4.5:1) on every colour of tabBackgrounds().
QColor tabCycleColor(int index, const QPalette& palette);

class WindowLooks
{
public:
    WindowLooks(Settings& settings, SettingsStore& store, QMdiArea& area);

    /// Applies look `id` to the program (an id outside 205 to 215: the default look) and saves
    /// it at once. Returns the look applied.
    int applyLook(int id);
    /// Applies the settings' tab mode to the document area and its sub-windows.
    void applyTabSettings();
    /// Gives the document sub-window `sub` the icon the tab settings ask for.
    void decorate(QMdiSubWindow* sub) const;

private:
    /// Gives each tab its colour of the cycle, or the look's text colour.
    void colourTabs();

    Settings& settings_;
    SettingsStore& store_;
    QMdiArea& area_;
};

} // namespace tovalo::gui
