#include "ui/window_looks.h"

#include "app/app_settings.h"
#include "controls/list_colors.h"
#include "settings/settings.h"
#include "ui/looks.h"
#include "ui/wait_cursor.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTabBar>

namespace tovalo::gui {
namespace {

/// The tab and sub-window icon of a document: the document picture, or one that draws nothing.
QIcon documentIcon(bool shown)
{
    if (shown)
        return QIcon(QStringLiteral(":/icons/document.png"));
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

/// How the MDI tabs of tab style `style` (0 to 5) are drawn beyond their shape: 0 3D and 1
/// OneNote keep the widget style's own tabs (rounded, slanted); 2 Visual Studio 2005 square tabs
/// with a light selected one; 3 separate boxed labels; 4 flat tabs with an underlined selection;
/// 5 round labels. The colours come from the look's palette.
QString tabStyleSheet(int style)
{
    switch (style) {
    case 2:
        return QStringLiteral(
            "QTabBar::tab { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,"
            " stop: 0 palette(light), stop: 1 palette(button)); border: 1px solid palette(dark);"
            " padding: 4px 12px; margin: 0px; }"
            "QTabBar::tab:selected { background: palette(base); }");
    case 3:
        return QStringLiteral("QTabBar::tab { background: palette(button); border: 1px solid palette(dark);"
                              " padding: 3px 10px; margin: 3px 2px; }"
                              "QTabBar::tab:selected { background: palette(light); font-weight: bold;"
                              " border: 2px solid palette(highlight); }");
    case 4:
        return QStringLiteral("QTabBar::tab { background: transparent; border: none; padding: 5px 14px;"
                              " border-bottom: 3px solid transparent; }"
                              "QTabBar::tab:selected { border-bottom: 3px solid palette(highlight); }");
    case 5:
        return QStringLiteral("QTabBar::tab { background: palette(button); border: 1px solid palette(mid);"
                              " border-radius: 10px; padding: 3px 14px; margin: 3px; }"
                              "QTabBar::tab:selected { background: palette(base);"
                              " border: 2px solid palette(highlight); }");
    default:
        return {};
    }
}

} // namespace

QList<QColor> tabBackgrounds(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor button = palette.color(QPalette::Button);
    return {window,
            window.darker(115),
            button,
            button.lighter(110),
            palette.color(QPalette::Light),
            palette.color(QPalette::Midlight),
            palette.color(QPalette::Base)};
}

QColor tabCycleColor(int index, const QPalette& palette)
{
    static const QColor cycle[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0x2e, 0x8b, 0x57),
                                   QColor(0xb8, 0x5c, 0x00), QColor(0x8b, 0x22, 0x8b),
                                   QColor(0xb2, 0x22, 0x22)};
    return readableOn(cycle[index % 5], tabBackgrounds(palette));
}

WindowLooks::WindowLooks(Settings& settings, SettingsStore& store, QMdiArea& area)
    : settings_(settings), store_(store), area_(area)
{}

int WindowLooks::applyLook(int id)
{
    WaitCursor wait;
    if (id < kLookFirst || id > kLookLast)
        id = kDefaultLook;
    settings_.applicationLook = id;
    applyLookToApplication(id);
    colourTabs();
    std::string error;
    saveSettings(store_, settings_, kSaveLook, error);
    return id;
}

void WindowLooks::decorate(QMdiSubWindow* sub) const
{
    sub->setWindowIcon(documentIcon(settings_.tabMode[kTabIcons] != 0));
}

void WindowLooks::applyTabSettings()
{
    const auto& t = settings_.tabMode;
    area_.setViewMode(t[kTabMdiOn] ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    area_.setTabPosition(t[kTabLocation] == 0 ? QTabWidget::South : QTabWidget::North);
    area_.setTabShape(t[kTabStyle] == 1 ? QTabWidget::Triangular : QTabWidget::Rounded);
    area_.setTabsClosable(t[kTabActiveCloseButton] != 0);
    for (QMdiSubWindow* sub : area_.subWindowList())
        decorate(sub);
    if (QTabBar* tabs = area_.findChild<QTabBar*>()) {
        tabs->setStyleSheet(tabStyleSheet(t[kTabStyle]));
        // The widget style's own tabs share the width; the drawn ones take the width of their text.
        tabs->setExpanding(t[kTabStyle] <= 1);
        // The flat style scrolls its tabs instead of squeezing them.
        tabs->setUsesScrollButtons(t[kTabStyle] == 4);
        tabs->setElideMode(t[kTabStyle] == 4 ? Qt::ElideNone : Qt::ElideRight);
    }
    colourTabs();
    if (!t[kTabMdiOn]) {
        if (QMdiSubWindow* active = area_.activeSubWindow())
            active->showMaximized();
    }
}

void WindowLooks::colourTabs()
{
    QTabBar* tabs = area_.findChild<QTabBar*>();
    if (!tabs)
        return;
    // Made readable on the colours of the look in force (the palette the tabs will be drawn with).
    const QPalette& palette = lookById(settings_.applicationLook).palette;
    const bool own = settings_.tabMode[kTabAutoColor] != 0;
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setTabTextColor(i, own ? tabCycleColor(i, palette) : QColor());
}

} // namespace tovalo::gui
