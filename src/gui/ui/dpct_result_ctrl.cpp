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
#include <QTextCursor>
#include <QTimer>
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
    feed_ = new QTimer(this);
    feed_->setInterval(0);
    connect(feed_, &QTimer::timeout, this, [this] { addPending(false); });
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

namespace {

/// Where a piece of `text` that starts at `from` ends: after the last line break within
/// `most` characters (at `from + most` when the piece holds none, never inside a surrogate pair).
qsizetype pieceEnd(const QString& text, qsizetype from, qsizetype most)
{
    if (text.size() - from <= most)
        return text.size();
    const qsizetype eol = text.lastIndexOf(QLatin1Char('\n'), from + most - 1);
    if (eol >= from)
        return eol + 1;
    qsizetype end = from + most;
    if (text.at(end).isLowSurrogate())
        --end;
    return end;
}

} // namespace

void CDpctResultCtrl::setText(std::string_view utf8)
{
    QString all;
    // Only the end of a huge output is shown (the item keeps all of it), cut at a line start so
    // no character is split.
    if (utf8.size() > kMaxShown) {
        std::size_t from = utf8.size() - kMaxShown;
        const std::size_t eol = utf8.find('\n', from);
        from = eol == std::string_view::npos ? utf8BoundaryAfter(utf8, from) : eol + 1;
        const std::string_view tail = utf8.substr(from);
        all = tr("[... the beginning of this output is not shown ...]") + QLatin1Char('\n') +
              QString::fromUtf8(tail.data(), static_cast<qsizetype>(tail.size()));
    } else {
        all = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    // A megabyte of output laid out in one step holds the window for hundreds of milliseconds
    // on a busy machine: the first piece is shown now (the caret and the view stay at its start),
    // the rest follows piece by piece.
    feed_->stop();
    const qsizetype first = pieceEnd(all, 0, kPieceChars);
    log_->setPlainText(all.left(first));
    pending_ = first < all.size() ? std::move(all) : QString();
    pendingFrom_ = pending_.isEmpty() ? 0 : first;
    QTextCursor start = log_->textCursor();
    start.movePosition(QTextCursor::Start);
    log_->setTextCursor(start);
    if (!pending_.isEmpty())
        feed_->start();
}

void CDpctResultCtrl::addPending(bool all)
{
    if (pending_.isEmpty())
        return;
    const qsizetype end = all ? pending_.size() : pieceEnd(pending_, pendingFrom_, kPieceChars);
    // A cursor of its own adds at the end; the view's caret and scroll position stay.
    QTextCursor tail(log_->document());
    tail.movePosition(QTextCursor::End);
    tail.insertText(pending_.mid(pendingFrom_, end - pendingFrom_));
    pendingFrom_ = end;
    if (pendingFrom_ >= pending_.size()) {
        pending_.clear();
        pendingFrom_ = 0;
        feed_->stop();
    }
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

QString CDpctResultCtrl::text()
{
    addPending(true);
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
    // Copy and save take the whole text, pieces still to come included.
    addPending(true);
    // Clear all is listed but never enabled here: the text belongs to the item.
    QMenu* menu = createLogContextMenu(log_, false, this, [] {});
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(log_->viewport()->mapToGlobal(pos));
}

} // namespace tovalo::gui
