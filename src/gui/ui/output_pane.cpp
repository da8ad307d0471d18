#include "output_pane.h"

#include "app/app_settings.h"
#include "log_context_menu.h"

#include <QEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace tovalo::gui {
namespace {
constexpr int kBatchIntervalMs = 20;
constexpr qint64 kBatchBudgetMs = 25;
constexpr qsizetype kMinChunk = 16 * 1024;
constexpr qsizetype kMaxChunk = 4 * 1024 * 1024;
} // namespace

COutputPane::COutputPane(QWidget* parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("outputPane"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("outputLog"));
    log_->setUndoRedoEnabled(false);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setContextMenuPolicy(Qt::CustomContextMenu);
    log_->setMinimumHeight(60);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    log_->setFont(mono);
    connect(log_, &QWidget::customContextMenuRequested, this, &COutputPane::showContextMenu);
    setWidget(log_);

    timer_.setSingleShot(true);
    timer_.setInterval(kBatchIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &COutputPane::flushBatch);
    retranslate();
}

QString COutputPane::droppedMarker()
{
    return tr("[... older output removed to keep the pane fast ...]");
}

void COutputPane::setCapacity(qsizetype characters)
{
    capacity_ = std::max<qsizetype>(characters, 1024);
}

void COutputPane::append(const QString& text)
{
    if (text.isEmpty())
        return;
    pending_ += text;
    // Text that would be dropped at once is never put into the view.
    if (pending_.size() > capacity_) {
        qsizetype cut = pending_.size() - capacity_;
        const qsizetype eol = pending_.indexOf(QLatin1Char('\n'), cut);
        if (eol >= 0 && eol - cut < 4096)
            cut = eol + 1;
        pending_.remove(0, cut);
        dropped_ += cut;
        pending_.prepend(droppedMarker() + QLatin1Char('\n'));
        dropped_ += log_->document()->characterCount() - 1;
        log_->clear();
    }
    if (!timer_.isActive())
        timer_.start(kBatchIntervalMs);
}

void COutputPane::flushAll()
{
    timer_.stop();
    while (!pending_.isEmpty())
        flushBatch();
    timer_.stop();
}

void COutputPane::flushBatch()
{
    if (pending_.isEmpty())
        return;
    QElapsedTimer clock;
    clock.start();

    qsizetype take = std::min(chunk_, pending_.size());
    if (take < pending_.size()) {
        const qsizetype eol = pending_.lastIndexOf(QLatin1Char('\n'), take - 1);
        if (eol > take / 2)
            take = eol + 1;
    }
    const QString batch = pending_.left(take);
    pending_.remove(0, take);

    QScrollBar* bar = log_->verticalScrollBar();
    const bool follow = bar->value() >= bar->maximum();
    QTextCursor end(log_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(batch);
    if (log_->document()->characterCount() > capacity_)
        trimFront();
    if (follow)
        bar->setValue(bar->maximum());

    const qint64 elapsed = clock.elapsed();
    longestBatchMs_ = std::max(longestBatchMs_, elapsed);
    if (elapsed > kBatchBudgetMs)
        chunk_ = std::max(kMinChunk, chunk_ / 2);
    else if (elapsed < kBatchBudgetMs / 2 && take == chunk_)
        chunk_ = std::min(kMaxChunk, chunk_ * 2);
    if (!pending_.isEmpty())
        timer_.start(0); // let painting and input in between batches
}

void COutputPane::trimFront()
{
    // Drop whole lines from the front down to three quarters of the cap, so trimming is rare.
    QTextDocument* doc = log_->document();
    const qsizetype target = capacity_ / 4 * 3;
    const qsizetype excess = doc->characterCount() - target;
    QTextCursor cut(doc);
    cut.movePosition(QTextCursor::Start);
    cut.setPosition(static_cast<int>(std::min<qsizetype>(excess, doc->characterCount() - 1)),
                    QTextCursor::KeepAnchor);
    cut.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    dropped_ += cut.selectionEnd() - cut.selectionStart();
    cut.removeSelectedText();
    cut.insertText(droppedMarker());
}

void COutputPane::clearAll()
{
    pending_.clear();
    timer_.stop();
    log_->clear();
}

void COutputPane::applyColors(const Settings& settings)
{
    QPalette p = log_->palette();
    p.setColor(QPalette::Text, slotColor(settings, 8, Qt::white));
    p.setColor(QPalette::Base, slotColor(settings, 9, Qt::black));
    log_->setPalette(p);
}

void COutputPane::showContextMenu(const QPoint& pos)
{
    QMenu* menu = createLogContextMenu(log_, true, this, [this] { clearAll(); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(log_->viewport()->mapToGlobal(pos));
}

void COutputPane::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void COutputPane::retranslate()
{
    setWindowTitle(tr("Output"));
}

} // namespace tovalo::gui
