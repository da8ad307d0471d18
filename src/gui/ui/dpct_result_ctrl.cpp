#include "dpct_result_ctrl.h"

#include "app/app_settings.h"
#include "log_context_menu.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tovalo::gui {

CDpctResultCtrl::CDpctResultCtrl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("resultCtrl"));
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("resultLog"));
    log_->setReadOnly(true);
    log_->setUndoRedoEnabled(false);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(log_, &QWidget::customContextMenuRequested, this, &CDpctResultCtrl::showContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(log_);
}

void CDpctResultCtrl::setText(const QString& text)
{
    // Only the end of a huge output is shown; the item keeps all of it.
    if (text.size() > kMaxShown) {
        qsizetype from = text.size() - kMaxShown;
        const qsizetype eol = text.indexOf(QLatin1Char('\n'), from);
        if (eol >= 0 && eol - from < 4096)
            from = eol + 1;
        log_->setPlainText(tr("[... the beginning of this output is not shown ...]") + QLatin1Char('\n') +
                           QStringView(text).mid(from));
    } else {
        log_->setPlainText(text);
    }
    QTextCursor start = log_->textCursor();
    start.movePosition(QTextCursor::Start);
    log_->setTextCursor(start);
}

QString CDpctResultCtrl::text() const
{
    return log_->toPlainText();
}

void CDpctResultCtrl::applyColors(const Settings& settings)
{
    QPalette p = log_->palette();
    p.setColor(QPalette::Text, slotColor(settings, 6, Qt::black));
    p.setColor(QPalette::Base, slotColor(settings, 7, Qt::white));
    log_->setPalette(p);
}

void CDpctResultCtrl::showContextMenu(const QPoint& pos)
{
    // Clear all is listed but never enabled here: the text belongs to the item.
    QMenu* menu = createLogContextMenu(log_, false, this, [] {});
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(log_->viewport()->mapToGlobal(pos));
}

} // namespace tovalo::gui
