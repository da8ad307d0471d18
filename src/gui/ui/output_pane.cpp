#include "ui/output_pane.h"

#include "app/app_settings.h"
#include "base/file_io.h"
#include "base/text.h"
#include "controls/commui/dialog_seam.h"
#include "controls/list_colors.h"
#include "ui/core_messages.h"
#include "ui/log_context_menu.h"
#include "ui/log_find_bar.h"
#include "ui/message_box.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tovalo::gui {
namespace {
constexpr int kBatchIntervalMs = 20;
constexpr qint64 kBatchBudgetMs = 25;
constexpr qsizetype kMinChunk = 16 * 1024;
constexpr qsizetype kMaxChunk = 4 * 1024 * 1024;
/// The widest tag the margin shows, in characters; longer ones are cut with an ellipsis.
constexpr int kTagColumns = 18;
} // namespace

/// The pane's text view with the margin that draws the lines' tags.
class OutputLog : public QPlainTextEdit
{
public:
    OutputLog(COutputPane& pane, QWidget* parent) : QPlainTextEdit(parent), pane_(pane)
    {
        margin_ = new QWidget(this);
        margin_->setObjectName(QStringLiteral("outputTagMargin"));
        margin_->installEventFilter(this);
        margin_->hide();
        connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
            if (!margin_->isVisible())
                return;
            if (dy != 0)
                margin_->scroll(0, dy);
            else
                margin_->update(0, rect.y(), margin_->width(), rect.height());
        });
    }

    /// Shows the margin (once tagged text arrived) or hides it (the log was emptied).
    void showMargin(bool shown)
    {
        if (shown == margin_->isVisible())
            return;
        const int width = shown ? fontMetrics().horizontalAdvance(QLatin1Char('M')) * kTagColumns + 8 : 0;
        setViewportMargins(width, 0, 0, 0);
        margin_->setVisible(shown);
        placeMargin();
    }
    QWidget* margin() const { return margin_; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QPlainTextEdit::resizeEvent(event);
        placeMargin();
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == margin_ && event->type() == QEvent::Paint) {
            paintTags();
            return true;
        }
        return QPlainTextEdit::eventFilter(watched, event);
    }

private:
    void placeMargin()
    {
        const QRect r = contentsRect();
        margin_->setGeometry(r.left(), r.top(), viewportMargins().left(), r.height());
    }
    void paintTags()
    {
        QPainter p(margin_);
        const QColor base = palette().color(QPalette::Base);
        p.fillRect(margin_->rect(), base.lightness() < 128 ? base.lighter(140) : base.darker(108));
        p.setFont(font());
        const int width = margin_->width() - 6;
        QTextBlock block = firstVisibleBlock();
        qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
        while (block.isValid() && top <= margin_->height()) {
            const qreal height = blockBoundingRect(block).height();
            const int tag = block.userState();
            if (tag >= 0 && static_cast<std::size_t>(tag) < pane_.tags_.size()) {
                const COutputPane::Tag& t = pane_.tags_[static_cast<std::size_t>(tag)];
                p.setPen(pane_.tagColor(t.console));
                const QString text = fontMetrics().elidedText(t.text, Qt::ElideMiddle, width);
                p.drawText(QRectF(3, top, width, height), Qt::AlignLeft | Qt::AlignVCenter, text);
            }
            top += height;
            block = block.next();
        }
    }

    COutputPane& pane_;
    QWidget* margin_ = nullptr;
};

COutputPane::COutputPane(QWidget* parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("outputPane"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);

    log_ = new OutputLog(*this, this);
    log_->setObjectName(QStringLiteral("outputLog"));
    log_->setUndoRedoEnabled(false);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setContextMenuPolicy(Qt::CustomContextMenu);
    log_->setMinimumHeight(60);
    // A fixed-width font, so that columns and compiler markers under a source line line up.
    log_->setFont(fixedWidthLogFont());
    connect(log_, &QWidget::customContextMenuRequested, this, &COutputPane::showContextMenu);
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("outputBody"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(log_, 1);
    findBar_ = new LogFindBar(log_, this, [this] { flushAll(); });
    layout->addWidget(findBar_);
    setWidget(body);

    // Following the end is a state, not a comparison made at each batch: the bottom also moves
    // when the view shrinks (a long line brings the horizontal scroll bar) or the front is
    // trimmed. Only the user's own scrolling (value changes we did not cause) changes it.
    QScrollBar* bar = log_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (!adjusting_)
            followTail_ = value >= bar->maximum();
    });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (followTail_) {
            adjusting_ = true;
            bar->setValue(maximum);
            adjusting_ = false;
        }
    });

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

QPlainTextEdit* COutputPane::log() const
{
    return log_;
}

void COutputPane::append(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    appendUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void COutputPane::appendUtf8(std::string_view utf8)
{
    enqueue(utf8, -1);
}

void COutputPane::appendTagged(int console, const QString& tag, std::string_view lines)
{
    if (console < 0)
        return;
    const auto index = static_cast<std::size_t>(console);
    if (consoleTag_.size() <= index)
        consoleTag_.resize(index + 1, -1);
    int& current = consoleTag_[index];
    if (current < 0 || tags_[static_cast<std::size_t>(current)].text != tag) {
        tags_.push_back({tag, console});
        current = static_cast<int>(tags_.size() - 1);
    }
    enqueue(lines, current);
}

QColor COutputPane::tagColor(int console) const
{
    // Hues a golden angle apart, so neighbouring consoles differ most; each made readable on
    // the log's background (4.5:1), whatever the look and the colour settings.
    const int hue = static_cast<int>((static_cast<long long>(console) * 137 + 190) % 360);
    const QColor base = log_->palette().color(QPalette::Base);
    const QColor wanted = QColor::fromHsl(hue, 200, base.lightness() < 128 ? 170 : 80);
    return readableOn(wanted, {base, base.lightness() < 128 ? base.lighter(140) : base.darker(108)});
}

QString COutputPane::lineTag(int line) const
{
    const int tag = log_->document()->findBlockByNumber(line).userState();
    return tag >= 0 && static_cast<std::size_t>(tag) < tags_.size()
               ? tags_[static_cast<std::size_t>(tag)].text
               : QString();
}

int COutputPane::lineConsole(int line) const
{
    const int tag = log_->document()->findBlockByNumber(line).userState();
    return tag >= 0 && static_cast<std::size_t>(tag) < tags_.size()
               ? tags_[static_cast<std::size_t>(tag)].console
               : -1;
}

QString COutputPane::taggedText()
{
    flushAll();
    QString text;
    for (QTextBlock block = log_->document()->begin(); block.isValid(); block = block.next()) {
        const int tag = block.userState();
        if (tag >= 0 && static_cast<std::size_t>(tag) < tags_.size())
            text += QLatin1Char('[') + tags_[static_cast<std::size_t>(tag)].text + QStringLiteral("] ");
        text += block.text();
        if (block.next().isValid())
            text += QLatin1Char('\n');
    }
    return text;
}

void COutputPane::enqueue(std::string_view utf8, int tag)
{
    if (utf8.empty())
        return;
    // Text that would be dropped at once is never copied, decoded nor put into the view: the
    // queue keeps only its newest capacity, from a line start.
    const std::size_t cap = static_cast<std::size_t>(capacity_);
    if (utf8.size() > cap) {
        std::size_t from = utf8.size() - cap;
        const std::size_t eol = utf8.find('\n', from);
        if (eol != std::string_view::npos && eol - from < 4096)
            from = eol + 1;
        from = utf8BoundaryAfter(utf8, from);
        dropQueuedBefore(pending_.size());
        dropped_ += static_cast<qint64>(from);
        restart_ = true;
        utf8.remove_prefix(from);
    } else if (pending_.size() - head_ + utf8.size() > cap) {
        std::size_t from = pending_.size() + utf8.size() - cap;
        const std::size_t eol = pending_.find('\n', from);
        if (eol != std::string::npos && eol - from < 4096)
            from = eol + 1;
        dropQueuedBefore(utf8BoundaryAfter(pending_, from));
    }
    // The queue never grows by copying itself while a burst arrives: what was shown is let go
    // first, and a queue past a megabyte gets room for all the pane keeps at once (room that is
    // never written costs no memory).
    if (pending_.size() + utf8.size() > pending_.capacity()) {
        compactQueue();
        if (pending_.size() + utf8.size() > (1u << 20))
            pending_.reserve(std::max(pending_.size() + utf8.size(), cap + (1u << 20)));
    }
    pending_.append(utf8);
    if (!segments_.empty() && segments_.back().tag == tag)
        segments_.back().end = pending_.size();
    else
        segments_.push_back({pending_.size(), tag});
    // Forget what was shown or dropped once it is the larger part of the buffer.
    if (head_ > (1u << 20) && head_ > pending_.size() / 2)
        compactQueue();
    if (!timer_.isActive())
        timer_.start(kBatchIntervalMs);
}

void COutputPane::dropQueuedBefore(std::size_t from)
{
    if (from <= head_)
        return;
    dropped_ += static_cast<qint64>(from - head_);
    head_ = from;
    restart_ = true;
    std::erase_if(segments_, [this](const Segment& g) { return g.end <= head_; });
}

void COutputPane::compactQueue()
{
    if (head_ == 0)
        return;
    for (Segment& g : segments_)
        g.end -= head_;
    pending_.erase(0, head_);
    head_ = 0;
}

void COutputPane::flushAll()
{
    timer_.stop();
    while (hasPendingText())
        flushBatch();
    timer_.stop();
}

void COutputPane::flushBatch()
{
    if (!hasPendingText())
        return;
    QElapsedTimer clock;
    clock.start();

    // A batch ends at a line end when one is near, and never inside a UTF-8 sequence.
    const std::size_t available = pending_.size() - head_;
    std::size_t take = std::min(static_cast<std::size_t>(chunk_), available);
    if (take < available) {
        const std::size_t eol = pending_.rfind('\n', head_ + take - 1);
        if (eol != std::string::npos && eol >= head_ + take / 2)
            take = eol + 1 - head_;
        take = utf8BoundaryBefore(std::string_view(pending_).substr(head_), take);
        if (take == 0)
            take = std::min(available, static_cast<std::size_t>(chunk_));
    }
    QString batch = QString::fromUtf8(pending_.data() + head_, static_cast<qsizetype>(take));
    const std::size_t from = head_;
    head_ += take;

    int firstBlock = log_->document()->blockCount() - 1;
    if (restart_) {
        restart_ = false;
        dropped_ += log_->document()->characterCount() - 1;
        log_->clear();
        batch.prepend(droppedMarker() + QLatin1Char('\n'));
        firstBlock = 1;
    }
    QScrollBar* bar = log_->verticalScrollBar();
    adjusting_ = true;
    QTextCursor end(log_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(batch);
    tagBlocks(firstBlock, from, head_);
    while (!segments_.empty() && segments_.front().end <= head_)
        segments_.erase(segments_.begin());
    if (head_ == pending_.size()) {
        pending_.clear();
        head_ = 0;
        segments_.clear();
    }
    if (log_->document()->characterCount() > capacity_)
        trimFront();
    if (followTail_)
        bar->setValue(bar->maximum());
    adjusting_ = false;

    const qint64 elapsed = clock.elapsed();
    longestBatchMs_ = std::max(longestBatchMs_, elapsed);
    if (elapsed > kBatchBudgetMs)
        chunk_ = std::max(kMinChunk, chunk_ / 2);
    else if (elapsed < kBatchBudgetMs / 2 && static_cast<qsizetype>(take) == chunk_)
        chunk_ = std::min(kMaxChunk, chunk_ * 2);
    if (hasPendingText())
        timer_.start(0); // let painting and input in between batches
}

void COutputPane::tagBlocks(int firstBlock, std::size_t from, std::size_t to)
{
    const bool tagged = std::any_of(segments_.begin(), segments_.end(),
                                    [from](const Segment& g) { return g.end > from && g.tag >= 0; });
    if (!tagged)
        return;
    log_->showMargin(true);
    // Each line takes the tag of the text it starts with (tagged text comes in whole lines).
    QTextBlock block = log_->document()->findBlockByNumber(firstBlock);
    auto seg = segments_.begin();
    std::size_t lineStart = from;
    while (block.isValid() && lineStart < to) {
        while (seg != segments_.end() && seg->end <= lineStart)
            ++seg;
        if (seg == segments_.end())
            break;
        block.setUserState(seg->tag);
        const std::size_t eol = pending_.find('\n', lineStart);
        if (eol == std::string::npos || eol >= to)
            break;
        lineStart = eol + 1;
        block = block.next();
    }
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
    cut.block().setUserState(-1);
}

void COutputPane::clearAll()
{
    pending_.clear();
    head_ = 0;
    restart_ = false;
    timer_.stop();
    log_->clear();
    segments_.clear();
    tags_.clear();
    consoleTag_.clear();
    log_->showMargin(false);
    followTail_ = true;
}

void COutputPane::applyColors(const Settings& settings)
{
    QPalette p = log_->palette();
    p.setColor(QPalette::Text, slotColor(settings, 8, Qt::white));
    p.setColor(QPalette::Base, slotColor(settings, 9, Qt::black));
    log_->setPalette(p);
    log_->margin()->update();
}

QWidget* COutputPane::findBar() const
{
    return findBar_;
}

QLineEdit* COutputPane::findEdit() const
{
    return findBar_->edit();
}

void COutputPane::showFindBar()
{
    findBar_->open();
}

bool COutputPane::findNext(bool backwards)
{
    return findBar_->findNext(backwards);
}

bool COutputPane::saveAs()
{
    const QString path = DialogSeam::saveFileName(
        this, tr("Save Output As"), QDir::homePath() + QStringLiteral("/output.log"),
        tr("Log files (*.log);;Text files (*.txt);;All Files (*)"), QStringLiteral("log"));
    if (path.isEmpty())
        return false;
    const QByteArray bytes = taggedText().toUtf8();
    Message error;
    if (!writeFileAtomically(QDir::toNativeSeparators(path).toStdString(),
                             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                             error)) {
        MessageBox::error(this, tr("The output could not be saved to %1:\n%2")
                                    .arg(QDir::toNativeSeparators(path), wordMessage(error)));
        return false;
    }
    return true;
}

void COutputPane::showContextMenu(const QPoint& pos)
{
    QMenu* menu = createLogContextMenu(log_, true, this, [this] { clearAll(); });
    menu->addSeparator();
    QAction* find = menu->addAction(tr("&Find..."));
    find->setObjectName(QStringLiteral("actionLogFind"));
    find->setShortcut(QKeySequence::Find);
    find->setShortcutVisibleInContextMenu(true);
    connect(find, &QAction::triggered, this, &COutputPane::showFindBar);
    QAction* save = menu->addAction(tr("&Save As..."));
    save->setObjectName(QStringLiteral("actionLogSaveAs"));
    save->setEnabled(!log_->document()->isEmpty() || hasPendingText());
    connect(save, &QAction::triggered, this, &COutputPane::saveAs);
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
