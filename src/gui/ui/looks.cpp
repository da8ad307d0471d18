#include "ui/looks.h"

#include "controls/list_colors.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace tovalo::gui {
namespace {

struct Scheme
{
    const char* window;
    const char* button;
    const char* base;
    const char* alternate;
    const char* text;
    const char* highlight;
    const char* highlightedText;
    const char* mid;
};

QPalette makePalette(const Scheme& s)
{
    const QColor window(QString::fromLatin1(s.window));
    const QColor text(QString::fromLatin1(s.text));
    QPalette p(window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Button, QColor(QString::fromLatin1(s.button)));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Base, QColor(QString::fromLatin1(s.base)));
    p.setColor(QPalette::AlternateBase, QColor(QString::fromLatin1(s.alternate)));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ToolTipBase, QColor(QString::fromLatin1(s.base)));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(QString::fromLatin1(s.highlight)));
    p.setColor(QPalette::HighlightedText, QColor(QString::fromLatin1(s.highlightedText)));
    p.setColor(QPalette::Mid, QColor(QString::fromLatin1(s.mid)));
    p.setColor(QPalette::Dark, QColor(QString::fromLatin1(s.mid)).darker(130));
    p.setColor(QPalette::Light, window.lighter(115));
    p.setColor(QPalette::Midlight, window.lighter(107));
    // Disabled text: a grey halfway between the text and its background, then moved just far
    // enough to stay readable (4.5:1) on the window, the buttons and the fields. Grey, not the
    // text's hue, so that a disabled entry does not pass for an enabled one where the text is
    // coloured (the aqua look's dark teal).
    const QColor base(QString::fromLatin1(s.base));
    const QColor halfway =
        QColor::fromHsl(0, 0,
                        QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                               (text.blue() + base.blue()) / 2)
                            .lightness());
    const QColor disabled = readableOn(halfway, {window, p.color(QPalette::Button), base});
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, disabled);
    // A disabled selection is drawn without emphasis; a disabled field takes the window's colour
    // rather than the white of an editable one, so that it reads as disabled by more than its
    // grey text (which stays readable on the window colour too).
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Highlight, p.color(QPalette::Button));
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

std::vector<Look> buildLooks()
{
    // Fusion draws with the palette's colours throughout; the classic looks use the Windows style.
    // One table row per line.
    // clang-format off
    return {
        {215, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Windows &7"), "Fusion",
         makePalette({"#f0f0f0", "#e9eef5", "#ffffff", "#f5f8fc", "#000000", "#0f6cd6", "#ffffff", "#a0a0a0"})},
        {205, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Windows &2000"), "Windows",
         makePalette({"#d4d0c8", "#d4d0c8", "#ffffff", "#ece9e2", "#000000", "#0a246a", "#ffffff", "#808080"})},
        {206, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office &XP"), "Windows",
         makePalette({"#f7f6f3", "#dbd8d1", "#ffffff", "#f3f2ee", "#000000", "#b6bdd2", "#000000", "#8a867a"})},
        {207, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "&Windows XP"), "Fusion",
         makePalette({"#ece9d8", "#f4f3ee", "#ffffff", "#f7f6ef", "#000000", "#316ac5", "#ffffff", "#aca899"})},
        {208, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office 200&3"), "Fusion",
         makePalette({"#c3daf9", "#dde9fb", "#ffffff", "#eef4fd", "#000000", "#fbc465", "#000000", "#6f9dd9"})},
        {209, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Visual Studio 200&5"), "Fusion",
         makePalette({"#ecebe6", "#f7f7f4", "#ffffff", "#f5f4f0", "#000000", "#c1d2ee", "#000000", "#a7a6aa"})},
        {210, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Visual Studio 200&8"), "Fusion",
         makePalette({"#d6dbe9", "#e9ecf5", "#ffffff", "#eff2f9", "#1e1e1e", "#0f6cd6", "#ffffff", "#8e9bbc"})},
        {211, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office2007: &Blue Style"), "Fusion",
         makePalette({"#bfdbff", "#d7e8ff", "#ffffff", "#eaf3ff", "#15428b", "#ffd66e", "#000000", "#6593cf"})},
        {212, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office2007: B&lack Style"), "Fusion",
         makePalette({"#474747", "#5a5a5a", "#2f2f2f", "#3a3a3a", "#f0f0f0", "#ffb84d", "#000000", "#262626"})},
        {213, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office2007: &Silver Style"), "Fusion",
         makePalette({"#d0d4dd", "#e4e7ed", "#ffffff", "#eef0f4", "#000000", "#627089", "#ffffff", "#9199a8"})},
        {214, QT_TRANSLATE_NOOP("tovalo::gui::MainCommands", "Office2007: &Aqua Style"), "Fusion",
         makePalette({"#c4e3e6", "#dcf0f2", "#ffffff", "#ebf7f8", "#0b3a40", "#1d7884", "#ffffff", "#6fb3bb"})},
    };
    // clang-format on
}

} // namespace

const std::vector<Look>& looks()
{
    static const std::vector<Look> all = buildLooks();
    return all;
}

const Look& lookById(int id)
{
    for (const Look& look : looks()) {
        if (look.id == id)
            return look;
    }
    return lookById(kDefaultLook);
}

void applyLookToApplication(int id)
{
    const Look& look = lookById(id);
    const QString name = QString::fromLatin1(look.styleName);
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(name))
            QApplication::setStyle(style);
    }
    QApplication::setPalette(look.palette);
}

} // namespace tovalo::gui
