#include "controls/commui/color_tool_tip_ctrl.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace tovalo::gui {

namespace {
const QColor kGradient1(255, 255, 255);
const QColor kGradient2(242, 248, 251);
const QColor kGradient3(232, 237, 244);
const QColor kHeadingColor(40, 40, 40);
const QColor kBodyColor(40, 40, 40);
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

CColorToolTipCtrl::CColorToolTipCtrl(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("colorToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
}

void CColorToolTipCtrl::addTool(QWidget* tool, const QString& text)
{
    if (!tool)
        return;
    if (text.isEmpty()) {
        texts_.remove(tool);
        tool->removeEventFilter(this);
        return;
    }
    if (!texts_.contains(tool)) {
        tool->installEventFilter(this);
        // Tips show on mouse rest even while the window is inactive.
        tool->setAttribute(Qt::WA_AlwaysShowToolTips);
        connect(tool, &QObject::destroyed, this, [this, tool] { texts_.remove(tool); });
    }
    texts_.insert(tool, text);
}

QString CColorToolTipCtrl::toolText(const QWidget* tool) const
{
    return texts_.value(tool);
}

void CColorToolTipCtrl::splitTip(const QString& text, QString& heading, QString& body)
{
    const qsizetype cut = text.lastIndexOf(QLatin1Char('\n'));
    if (cut < 0) {
        heading.clear();
        body = text;
    } else {
        heading = text.mid(cut + 1);
        body = text.left(cut);
    }
}

QRect CColorToolTipCtrl::headingRect(int width) const
{
    if (heading_.isEmpty())
        return {};
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    return fm.boundingRect(QRect(0, 0, width, 10000), Qt::TextSingleLine, heading_);
}

QRect CColorToolTipCtrl::bodyRect(int width) const
{
    if (body_.isEmpty())
        return {};
    return QFontMetrics(font()).boundingRect(QRect(0, 0, width, 10000), kTextFlags, body_);
}

QSize CColorToolTipCtrl::sizeHint() const
{
    const int inner = kMaxWidth - 2 * kMargin - 4;
    const QRect h = headingRect(inner);
    const QRect b = bodyRect(inner);
    const int w = std::max(h.width(), b.width());
    int hgt = b.height();
    if (!h.isEmpty())
        hgt += h.height() + 2;
    return {std::min(kMaxWidth, w + 2 * kMargin + 4), hgt + 2 * kMargin + 4};
}

void CColorToolTipCtrl::showTip(QWidget* tool, const QPoint& pos)
{
    const QString text = texts_.value(tool);
    if (text.isEmpty()) {
        hide();
        return;
    }
    current_ = tool;
    text_ = text;
    splitTip(text_, heading_, body_);
    resize(sizeHint());
    QPoint at = pos + QPoint(2, 20);
    if (const QScreen* screen = tool->screen()) {
        const QRect avail = screen->availableGeometry();
        if (at.x() + width() > avail.right())
            at.setX(std::max(avail.left(), avail.right() - width()));
        if (at.y() + height() > avail.bottom())
            at.setY(pos.y() - height() - 4);
    }
    move(at);
    show();
    update();
}

bool CColorToolTipCtrl::eventFilter(QObject* watched, QEvent* event)
{
    auto* tool = qobject_cast<QWidget*>(watched);
    if (tool && texts_.contains(tool)) {
        switch (event->type()) {
        case QEvent::ToolTip:
            showTip(tool, static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            if (current_ == tool)
                hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CColorToolTipCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Light gradient from the top-left corner to the bottom-right one, through the three
    // colours of the tip.
    QLinearGradient g(rect().topLeft(), rect().bottomRight());
    g.setColorAt(0.0, kGradient1);
    g.setColorAt(0.5, kGradient2);
    g.setColorAt(1.0, kGradient3);
    p.fillRect(rect(), g);
    p.setPen(QColor(118, 118, 118));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    QRect text = rect().adjusted(kMargin + 2, kMargin + 2, -kMargin - 2, -kMargin - 2);
    if (!heading_.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(kHeadingColor);
        QRect drawn;
        p.drawText(text, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop, heading_, &drawn);
        text.setTop(text.top() + drawn.height() + 2);
    }
    p.setFont(font());
    p.setPen(kBodyColor);
    p.drawText(text, kTextFlags, body_);
}

} // namespace tovalo::gui
