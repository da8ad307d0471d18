#include "ui/dpct_result_ctrl.h"

#include "app/app_settings.h"
#include "base/text.h"
#include "data/diagnostic.h"
#include "ui/log_context_menu.h"

#include <algorithm>
#include <climits>

#include <QApplication>
#include <QLabel>
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
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("resultDiagnostics"));
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counts_->setWordWrap(true);
    counts_->setContentsMargins(4, 2, 4, 2);
    counts_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(counts_);
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

void CDpctResultCtrl::setDiagnostics(const std::vector<DpctDiagnostic>& diagnostics, std::int64_t dropped)
{
    if (diagnostics.empty() && dropped == 0) {
        counts_->clear();
        counts_->hide();
        return;
    }
    QString counts = QString::fromStdString(describeCounts(countByCode(diagnostics)));
    if (dropped > 0)
        counts += QStringLiteral("; ") +
                  tr("%n more not kept", nullptr, static_cast<int>(std::min<std::int64_t>(dropped, INT_MAX)));
    counts_->setText(tr("dpct diagnostics: %1").arg(counts));
    counts_->show();
}

QString CDpctResultCtrl::diagnosticsText() const
{
    return counts_->isHidden() ? QString() : counts_->text();
}

QString CDpctResultCtrl::text() const
{
    return log_->toPlainText();
}

void CDpctResultCtrl::applyColors(const Settings& settings)
{
    QPalette p = log_->palette();
    // The automatic colours are the look's, so that a dark look has a dark pane too.
    const QPalette look = QApplication::palette();
    p.setColor(QPalette::Text, slotColor(settings, 6, look.color(QPalette::Text)));
    p.setColor(QPalette::Base, slotColor(settings, 7, look.color(QPalette::Base)));
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
