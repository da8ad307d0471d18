#include "controls/commui/group_box.h"

#include <QEvent>

namespace tovalo::gui {

CGroupBox::CGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("groupBox"));
}

QList<QWidget*> CGroupBox::affectedControls() const
{
    QList<QWidget*> result;
    const QWidget* parent = parentWidget();
    if (frozen_ || !parent)
        return result;
    const QRect box = geometry();
    bool afterBox = false;
    for (QObject* object : parent->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow())
            continue;
        if (w == this) {
            afterBox = true;
            continue;
        }
        if (followZOrder_ && !afterBox)
            continue;
        const QRect r = w->geometry();
        if (box.contains(r)) {
            result.append(w);
        } else if (box.contains(r.bottomRight()) || box.contains(r.topLeft())) {
            if (includePartial_)
                result.append(w);
        } else if (followZOrder_) {
            break;
        }
    }
    return result;
}

void CGroupBox::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        const bool on = isEnabled();
        const QList<QWidget*> controls = affectedControls();
        for (QWidget* w : controls)
            w->setEnabled(on);
        update();
    }
}

void CGroupBox::setVisible(bool visible)
{
    QGroupBox::setVisible(visible);
    const QList<QWidget*> controls = affectedControls();
    for (QWidget* w : controls)
        w->setVisible(visible);
}

} // namespace tovalo::gui
