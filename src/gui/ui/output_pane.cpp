#include "ui/output_pane.h"

#include "app/app_settings.h"
#include "base/file_io.h"
#include "base/text.h"
#include "controls/commui/dialog_seam.h"
#include "ui/core_messages.h"
#include "ui/log_context_menu.h"
#include "ui/message_box.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

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
    // A fixed-width font, so that columns and compiler markers under a source line line up.
    log_->setFont(fixedWidthLogFont());
    connect(log_, &QWidget::customContextMenuRequested, this, &COutputPane::showContextMenu);
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("outputBody"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(log_, 1);
    createFindBar();
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

void COutputPane::append(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    appendUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void COutputPane::appendUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return;
    pending_.append(utf8);
    // Text that would be dropped at once is never decoded nor put into the view: the queue
    // keeps only its newest capacity, from a line start.
    const std::size_t cap = static_cast<std::size_t>(capacity_);
    if (pending_.size() - head_ > cap) {
        std::size_t from = pending_.size() - cap;
        const std::size_t eol = pending_.find('\n', from);
        if (eol != std::string::npos && eol - from < 4096)
            from = eol + 1;
        from = utf8BoundaryAfter(pending_, from);
        dropped_ += static_cast<qint64>(from - head_);
        head_ = from;
        restart_ = true;
    }
    // Forget what was shown or dropped once it is the larger part of the buffer.
    if (head_ > (1u << 20) && head_ > pending_.size() / 2) {
        pending_.erase(0, head_);
        head_ = 0;
    }
    if (!timer_.isActive())
        timer_.start(kBatchIntervalMs);
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
    head_ += take;
    if (head_ == pending_.size()) {
        pending_.clear();
        head_ = 0;
    }

    if (restart_) {
        restart_ = false;
        dropped_ += log_->document()->characterCount() - 1;
        log_->clear();
        batch.prepend(droppedMarker() + QLatin1Char('\n'));
    }
    QScrollBar* bar = log_->verticalScrollBar();
    adjusting_ = true;
    QTextCursor end(log_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(batch);
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
    head_ = 0;
    restart_ = false;
    timer_.stop();
    log_->clear();
    followTail_ = true;
}

void COutputPane::applyColors(const Settings& settings)
{
    QPalette p = log_->palette();
    p.setColor(QPalette::Text, slotColor(settings, 8, Qt::white));
    p.setColor(QPalette::Base, slotColor(settings, 9, Qt::black));
    log_->setPalette(p);
}

void COutputPane::createFindBar()
{
    // The pane's keys act while the focus is anywhere inside it.
    const auto paneAction = [this](const char* name, const QKeySequence& key) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
        return a;
    };
    findAction_ = paneAction("actionOutputFind", QKeySequence::Find);
    findNextAction_ = paneAction("actionOutputFindNext", QKeySequence(Qt::Key_F3));
    findPreviousAction_ = paneAction("actionOutputFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(findAction_, &QAction::triggered, this, &COutputPane::showFindBar);
    connect(findNextAction_, &QAction::triggered, this, [this] {
        if (findEdit_->text().isEmpty())
            showFindBar();
        else
            findNext(false);
    });
    connect(findPreviousAction_, &QAction::triggered, this, [this] {
        if (findEdit_->text().isEmpty())
            showFindBar();
        else
            findNext(true);
    });

    findBar_ = new QWidget(this);
    findBar_->setObjectName(QStringLiteral("outputFindBar"));
    auto* row = new QHBoxLayout(findBar_);
    row->setContentsMargins(4, 2, 4, 2);
    findLabel_ = new QLabel(findBar_);
    findEdit_ = new QLineEdit(findBar_);
    findEdit_->setObjectName(QStringLiteral("outputFindEdit"));
    findEdit_->setClearButtonEnabled(true);
    findLabel_->setBuddy(findEdit_);
    const auto button = [this](const char* name, QAction* action) {
        auto* b = new QToolButton(findBar_);
        b->setObjectName(QString::fromLatin1(name));
        b->setDefaultAction(action);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    findCloseAction_ = new QAction(this);
    findCloseAction_->setObjectName(QStringLiteral("actionOutputFindClose"));
    findCloseAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    findCloseAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    findBar_->addAction(findCloseAction_);
    connect(findCloseAction_, &QAction::triggered, this, [this] {
        // The focus goes to the log before the bar hides: hiding the focused edit would hand
        // the focus on along the chain, into another list's window, which would activate it.
        log_->setFocus();
        findBar_->hide();
    });
    findStatus_ = new QLabel(findBar_);
    findStatus_->setObjectName(QStringLiteral("outputFindStatus"));
    row->addWidget(findLabel_);
    row->addWidget(findEdit_, 1);
    row->addWidget(button("outputFindPrevious", findPreviousAction_));
    row->addWidget(button("outputFindNext", findNextAction_));
    row->addWidget(findStatus_);
    row->addWidget(button("outputFindClose", findCloseAction_));
    connect(findEdit_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(findEdit_, &QLineEdit::textEdited, this, [this] {
        // Typing searches from where the current match starts, so the match grows in place.
        QTextCursor c = log_->textCursor();
        c.setPosition(c.selectionStart());
        log_->setTextCursor(c);
        if (!findEdit_->text().isEmpty())
            findNext(false);
        else
            findStatus_->clear();
    });
    findBar_->hide();
}

void COutputPane::showFindBar()
{
    const QString selected = log_->textCursor().selectedText();
    // A selection of one line is what the user wants to find.
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        findEdit_->setText(selected);
    findStatus_->clear();
    findBar_->show();
    findEdit_->setFocus();
    findEdit_->selectAll();
}

bool COutputPane::findNext(bool backwards)
{
    flushAll();
    const QString text = findEdit_->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = log_->document()->find(text, log_->textCursor(), flags);
    bool wrapped = false;
    if (found.isNull()) {
        // Around the end (or the start) once.
        QTextCursor from(log_->document());
        from.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        found = log_->document()->find(text, from, flags);
        wrapped = true;
    }
    if (found.isNull()) {
        findStatus_->setText(tr("Not found"));
        return false;
    }
    findStatus_->setText(wrapped ? tr("Wrapped around") : QString());
    log_->setTextCursor(found);
    log_->ensureCursorVisible();
    return true;
}

bool COutputPane::saveAs()
{
    const QString path = DialogSeam::saveFileName(
        this, tr("Save Output As"), QDir::homePath() + QStringLiteral("/output.log"),
        tr("Log files (*.log);;Text files (*.txt);;All Files (*)"), QStringLiteral("log"));
    if (path.isEmpty())
        return false;
    flushAll();
    const QByteArray bytes = log_->toPlainText().toUtf8();
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
    findLabel_->setText(tr("Fi&nd:"));
    findNextAction_->setText(tr("Next"));
    findNextAction_->setToolTip(tr("Find the next match (F3)"));
    findPreviousAction_->setText(tr("Previous"));
    findPreviousAction_->setToolTip(tr("Find the previous match (Shift+F3)"));
    findCloseAction_->setText(tr("Close"));
    findCloseAction_->setToolTip(tr("Close the find bar (Esc)"));
}

} // namespace tovalo::gui
