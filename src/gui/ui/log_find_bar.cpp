#include "ui/log_find_bar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

namespace tovalo::gui {

LogFindBar::LogFindBar(QPlainTextEdit* log, QWidget* host, std::function<void()> beforeSearch)
    : QWidget(host), log_(log), beforeSearch_(std::move(beforeSearch))
{
    setObjectName(QStringLiteral("outputFindBar"));
    // The host's keys act while the focus is anywhere inside it.
    const auto hostAction = [host](const char* name, const QKeySequence& key) {
        auto* a = new QAction(host);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        host->addAction(a);
        return a;
    };
    QAction* findAction = hostAction("actionOutputFind", QKeySequence::Find);
    nextAction_ = hostAction("actionOutputFindNext", QKeySequence(Qt::Key_F3));
    previousAction_ = hostAction("actionOutputFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(findAction, &QAction::triggered, this, &LogFindBar::open);
    for (QAction* step : {nextAction_, previousAction_}) {
        connect(step, &QAction::triggered, this, [this, backwards = step == previousAction_] {
            if (edit_->text().isEmpty())
                open();
            else
                findNext(backwards);
        });
    }

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    label_ = new QLabel(this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("outputFindEdit"));
    edit_->setClearButtonEnabled(true);
    label_->setBuddy(edit_);
    const auto button = [this](const char* name, QAction* action) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setDefaultAction(action);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    closeAction_ = new QAction(this);
    closeAction_->setObjectName(QStringLiteral("actionOutputFindClose"));
    closeAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    closeAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(closeAction_);
    connect(closeAction_, &QAction::triggered, this, [this] {
        // The focus goes to the log before the bar hides: hiding the focused edit would hand
        // the focus on along the chain, into another list's window, which would activate it.
        log_->setFocus();
        hide();
    });
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("outputFindStatus"));
    row->addWidget(label_);
    row->addWidget(edit_, 1);
    row->addWidget(button("outputFindPrevious", previousAction_));
    row->addWidget(button("outputFindNext", nextAction_));
    row->addWidget(status_);
    row->addWidget(button("outputFindClose", closeAction_));
    connect(edit_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        // Typing searches from where the current match starts, so the match grows in place.
        QTextCursor c = log_->textCursor();
        c.setPosition(c.selectionStart());
        log_->setTextCursor(c);
        if (!edit_->text().isEmpty())
            findNext(false);
        else
            status_->clear();
    });
    hide();
    retranslate();
}

void LogFindBar::open()
{
    const QString selected = log_->textCursor().selectedText();
    // A selection of one line is what the user wants to find.
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        edit_->setText(selected);
    status_->clear();
    show();
    edit_->setFocus();
    edit_->selectAll();
}

bool LogFindBar::findNext(bool backwards)
{
    if (beforeSearch_)
        beforeSearch_();
    const QString text = edit_->text();
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
        status_->setText(tr("Not found"));
        return false;
    }
    status_->setText(wrapped ? tr("Wrapped around") : QString());
    log_->setTextCursor(found);
    log_->ensureCursorVisible();
    return true;
}

void LogFindBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void LogFindBar::retranslate()
{
    label_->setText(tr("Fi&nd:"));
    nextAction_->setText(tr("Next"));
    nextAction_->setToolTip(tr("Find the next match (F3)"));
    previousAction_->setText(tr("Previous"));
    previousAction_->setToolTip(tr("Find the previous match (Shift+F3)"));
    closeAction_->setText(tr("Close"));
    closeAction_->setToolTip(tr("Close the find bar (Esc)"));
}

} // namespace tovalo::gui
