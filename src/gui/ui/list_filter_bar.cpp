#include "ui/list_filter_bar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tovalo::gui {

ListFilterBar::ListFilterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("filterBar"));
    // As high as the box, whatever room the list leaves.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("filterLabel"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("filterEdit"));
    edit_->setClearButtonEnabled(true);
    label_->setBuddy(edit_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("filterCount"));
    layout->addWidget(label_);
    layout->addWidget(edit_, 1);
    layout->addWidget(count_);
    // Escape in the box empties it.
    auto* clear = new QAction(edit_);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    edit_->addAction(clear);
    connect(clear, &QAction::triggered, edit_, &QLineEdit::clear);
    connect(edit_, &QLineEdit::textChanged, this, &ListFilterBar::textChanged);
    edit_->installEventFilter(this);
    retranslate();
}

void ListFilterBar::showCount(bool filtered, int shown, int total)
{
    filtered_ = filtered;
    shown_ = shown;
    total_ = total;
    if (!filtered) {
        count_->clear();
        count_->hide();
        return;
    }
    count_->setText(tr("%1 of %2").arg(shown).arg(total));
    count_->show();
}

void ListFilterBar::retranslate()
{
    label_->setText(tr("Fi&lter:"));
    edit_->setPlaceholderText(tr("Part of a path"));
    edit_->setToolTip(tr("Shows only the items whose path contains this text (letter case is "
                         "ignored). Esc empties it."));
    showCount(filtered_, shown_, total_);
}

void ListFilterBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

bool ListFilterBar::eventFilter(QObject* watched, QEvent* event)
{
    // Enter and Down go on to the list, rather than to the item commands.
    if (watched == edit_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool toTheList =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Down;
        if (toTheList && key->modifiers() == Qt::NoModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                Q_EMIT toList();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tovalo::gui
