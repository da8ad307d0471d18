#include "ui/dpct_result_ctrl.h"

#include "app/app_settings.h"
#include "base/text.h"
#include "ui/log_context_menu.h"

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
    // Fixed width, so that the compiler's markers stand under the characters they point at.
    log_->setFont(fixedWidthLogFont());
    connect(log_, &QWidget::customContextMenuRequested, this, &CDpctResultCtrl::showContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(log_);
}

void CDpctResultCtrl::setText(std::string_view utf8)
{
    // Only the end of a huge output is shown (the item keeps all of it), cut at a line start so
    // no character is split.
    if (utf8.size() > kMaxShown) {
        std::size_t from = utf8.size() - kMaxShown;
        const std::size_t eol = utf8.find('\n', from);
        from = eol == std::string_view::npos ? utf8BoundaryAfter(utf8, from) : eol + 1;
        const std::string_view tail = utf8.substr(from);
        log_->setPlainText(tr("[... the beginning of this output is not shown ...]") + QLatin1Char('\n') +
                           QString::fromUtf8(tail.data(), static_cast<qsizetype>(tail.size())));
    } else {
        log_->setPlainText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
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
