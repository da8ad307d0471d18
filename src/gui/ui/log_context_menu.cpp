#include "ui/log_context_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>

namespace tovalo::gui {

QFont fixedWidthLogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch())
        return font;
    font.setFamilies({QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Noto Sans Mono"), QStringLiteral("Consolas"),
                      QStringLiteral("Courier New")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QMenu* createLogContextMenu(QPlainTextEdit* log, bool clearAllEnabled, QWidget* parent,
                            const std::function<void()>& onClearAll)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("logContextMenu"));
    menu->setTitle(QCoreApplication::translate("LogContextMenu", "Edit"));
    QAction* copy = menu->addAction(QCoreApplication::translate("LogContextMenu", "&Copy"));
    copy->setObjectName(QStringLiteral("actionLogCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    copy->setEnabled(log->textCursor().hasSelection());
    QObject::connect(copy, &QAction::triggered, log, &QPlainTextEdit::copy);
    QAction* all = menu->addAction(QCoreApplication::translate("LogContextMenu", "Select A&ll"));
    all->setObjectName(QStringLiteral("actionLogSelectAll"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutVisibleInContextMenu(true);
    all->setEnabled(!log->document()->isEmpty());
    QObject::connect(all, &QAction::triggered, log, &QPlainTextEdit::selectAll);
    QAction* clear = menu->addAction(QCoreApplication::translate("LogContextMenu", "Clear &All"));
    clear->setObjectName(QStringLiteral("actionLogClearAll"));
    clear->setEnabled(clearAllEnabled && !log->document()->isEmpty());
    QObject::connect(clear, &QAction::triggered, log, [onClearAll] { onClearAll(); });
    return menu;
}

} // namespace tovalo::gui
