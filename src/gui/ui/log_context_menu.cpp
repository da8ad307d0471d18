#include "ui/log_context_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>

namespace tovalo::gui {

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
    QAction* clear = menu->addAction(QCoreApplication::translate("LogContextMenu", "Clear &All"));
    clear->setObjectName(QStringLiteral("actionLogClearAll"));
    clear->setEnabled(clearAllEnabled && !log->document()->isEmpty());
    QObject::connect(clear, &QAction::triggered, log, [onClearAll] { onClearAll(); });
    return menu;
}

} // namespace tovalo::gui
