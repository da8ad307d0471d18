#include "controls/static_tree_ctrl.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace tovalo::gui {

namespace {

/// Inside of a leaf's box, so that leaves show a hollow box and parents a filled one.
const QColor kLeafBoxInside(255, 250, 250);

/// How many characters of `text` the next line takes when the text is `available` pixels wide
/// at most. A text that fits is one line. Otherwise the line ends at the last space before
/// which the text still fits (the space stays on the line). When even the first word does not
/// fit (a long path), the line ends after the last '/' or '\\' that fits, else at the last
/// character that fits; only where not even one character fits does it hold just one.
int wrapLength(const QFontMetrics& fm, const QString& text, int available)
{
    if (available <= 0 || fm.horizontalAdvance(text) <= available)
        return static_cast<int>(text.size());
    qsizetype p = 0;
    qsizetype from = 1;
    for (;;) {
        qsizetype s = text.indexOf(QLatin1Char(' '), from);
        if (s < 0)
            s = text.size();
        if (fm.horizontalAdvance(text.left(s)) >= available)
            break;
        p = s;
        if (s >= text.size())
            break;
        from = s + 1;
    }
    if (p > 0)
        return static_cast<int>(std::min(p + 1, text.size()));
    // The first word alone is too wide: the longest start of it that fits (found by halving).
    qsizetype low = 1;
    qsizetype high = text.indexOf(QLatin1Char(' '), 1);
    if (high < 0)
        high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fm.horizontalAdvance(text.left(mid)) <= available)
            low = mid;
        else
            high = mid - 1;
    }
    const qsizetype separator =
        std::max(text.lastIndexOf(QLatin1Char('/'), low - 1), text.lastIndexOf(QLatin1Char('\\'), low - 1));
    return static_cast<int>(separator > 0 ? separator + 1 : low);
}

} // namespace

// CStaticTreeNode -------------------------------------------------------------------------------

CStaticTreeNode::CStaticTreeNode(CStaticTreeNode* parent, QString text, QColor color)
    : parent_(parent), text_(std::move(text)), textColor_(std::move(color))
{}

CStaticTreeNode::~CStaticTreeNode() = default;

CStaticTreeNode* CStaticTreeNode::firstChild() const
{
    return children_.empty() ? nullptr : children_.front().get();
}

CStaticTreeNode* CStaticTreeNode::nextSibling() const
{
    if (!parent_)
        return nullptr;
    const auto& siblings = parent_->children_;
    for (std::size_t i = 0; i + 1 < siblings.size(); ++i) {
        if (siblings[i].get() == this)
            return siblings[i + 1].get();
    }
    return nullptr;
}

QStringList CStaticTreeNode::lines() const
{
    QStringList result;
    for (const Line& line : lines_)
        result.append(line.text);
    return result;
}

// CStaticTreeCtrl -------------------------------------------------------------------------------

CStaticTreeCtrl::CStaticTreeCtrl(QWidget* parent)
    : CPaintedScrollView(parent), root_(new CStaticTreeNode(nullptr, QString(), QColor()))
{
    setObjectName(QStringLiteral("staticTree"));
    // One pixel of frame: the border is drawn there (event()), around the scroll bar too.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    updateFonts();
}

CStaticTreeCtrl::~CStaticTreeCtrl() = default;

CStaticTreeNode* CStaticTreeCtrl::addChildNode(CStaticTreeNode* parent, const QString& text)
{
    CStaticTreeNode* under = parent ? parent : root_.get();
    auto node = std::unique_ptr<CStaticTreeNode>(new CStaticTreeNode(under, text, defaultTextColor_));
    CStaticTreeNode* result = node.get();
    under->children_.insert(under->children_.begin(), std::move(node));
    invalidateLayout();
    return result;
}

CStaticTreeNode* CStaticTreeCtrl::insertNodeAfter(CStaticTreeNode* node, const QString& text)
{
    if (!node || !node->parent_)
        return nullptr;
    CStaticTreeNode* under = node->parent_;
    auto it = std::find_if(under->children_.begin(), under->children_.end(),
                           [node](const auto& child) { return child.get() == node; });
    if (it == under->children_.end())
        return nullptr;
    auto created = std::unique_ptr<CStaticTreeNode>(new CStaticTreeNode(under, text, defaultTextColor_));
    CStaticTreeNode* result = created.get();
    under->children_.insert(it + 1, std::move(created));
    invalidateLayout();
    return result;
}

void CStaticTreeCtrl::setNodeText(CStaticTreeNode* node, const QString& text)
{
    if (!node || node == root_.get())
        return;
    node->text_ = text;
    invalidateLayout();
}

void CStaticTreeCtrl::setNodeTextColor(CStaticTreeNode* node, const QColor& color)
{
    if (!node || node == root_.get())
        return;
    node->textColor_ = color;
    viewport()->update();
}

void CStaticTreeCtrl::clear()
{
    selection_ = nullptr;
    root_->children_.clear();
    drawn_.clear();
    invalidateLayout();
}

CStaticTreeNode* CStaticTreeCtrl::firstNode() const
{
    return root_->firstChild();
}

std::vector<CStaticTreeNode*> CStaticTreeCtrl::nodesInOrder() const
{
    ensureLayout();
    return drawn_;
}

void CStaticTreeCtrl::selectFirstNode()
{
    ensureLayout();
    setSelectedNode(drawn_.empty() ? nullptr : drawn_.front());
}

void CStaticTreeCtrl::setSelectedNode(CStaticTreeNode* node)
{
    if (node == root_.get())
        node = nullptr;
    if (node == selection_)
        return;
    selection_ = node;
    if (node)
        ensureVisible(node);
    viewport()->update();
}

void CStaticTreeCtrl::setDefaultTextColor(const QColor& color)
{
    defaultTextColor_ = color;
}

void CStaticTreeCtrl::setLineColor(const QColor& color)
{
    lineColor_ = color;
    viewport()->update();
}

void CStaticTreeCtrl::setSelectionBackground(const QColor& color)
{
    selectionBackground_ = color;
    viewport()->update();
}

void CStaticTreeCtrl::setParentBackground(const QColor& color)
{
    parentBackground_ = color;
    viewport()->update();
}

int CStaticTreeCtrl::contentHeight() const
{
    ensureLayout();
    return contentHeight_;
}

CStaticTreeNode* CStaticTreeCtrl::nodeAt(QPoint viewportPos) const
{
    ensureLayout();
    const QPoint content(viewportPos.x(), viewportPos.y() + verticalScrollBar()->value());
    for (CStaticTreeNode* node : drawn_) {
        if (node->rect_.contains(content))
            return node;
    }
    return nullptr;
}

QRect CStaticTreeCtrl::visualRect(const CStaticTreeNode* node) const
{
    if (!node)
        return {};
    ensureLayout();
    return node->rect_.translated(0, -verticalScrollBar()->value());
}

void CStaticTreeCtrl::ensureVisible(const CStaticTreeNode* node)
{
    if (!node)
        return;
    ensureLayout();
    QScrollBar* bar = verticalScrollBar();
    const int viewHeight = viewport()->height();
    const QRect r = node->rect_;
    int pos = bar->value();
    // As much of the node as fits, its first line in any case, with the margin around it.
    if (r.bottom() + 1 + kMargin > pos + viewHeight)
        pos = r.bottom() + 1 + kMargin - viewHeight;
    if (r.top() - kMargin < pos)
        pos = r.top() - kMargin;
    bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
}

QSize CStaticTreeCtrl::sizeHint() const
{
    return {220, 160};
}

QSize CStaticTreeCtrl::minimumSizeHint() const
{
    return {kIndent * 3, lineHeight_ + 2 * kMargin};
}

// Layout ----------------------------------------------------------------------------------------

void CStaticTreeCtrl::updateFonts()
{
    normalFont_ = font();
    if (normalFont_.pixelSize() > 0)
        normalFont_.setPixelSize(normalFont_.pixelSize() + 1);
    else
        normalFont_.setPointSizeF(normalFont_.pointSizeF() + 0.75);
    boldFont_ = normalFont_;
    boldFont_.setWeight(QFont::ExtraBold);
    lineHeight_ = QFontMetrics(normalFont_).height() + 4;
    verticalScrollBar()->setSingleStep(lineHeight_);
}

void CStaticTreeCtrl::invalidateLayout()
{
    layoutValid_ = false;
    ensureLayout();
    viewport()->update();
}

void CStaticTreeCtrl::ensureLayout() const
{
    const int width = viewport()->width();
    if (layoutValid_ && width == layoutWidth_)
        return;
    drawn_.clear();
    layoutWidth_ = width;
    layoutValid_ = true;
    int height = 0;
    if (CStaticTreeNode* first = root_->firstChild())
        height = layoutNode(first, kIndent, kMargin, width);
    contentHeight_ = height > 0 ? height + 2 * kMargin : 0;
    updateScrollRange();
}

int CStaticTreeCtrl::layoutNode(CStaticTreeNode* first, int x, int y, int boundsRight) const
{
    // Lays out `first` and its following siblings with their children; returns the height used.
    int top = y;
    for (CStaticTreeNode* node = first; node; node = node->nextSibling()) {
        drawn_.push_back(node);
        node->lines_.clear();
        const QFontMetrics fm(node->hasChildren() ? boldFont_ : normalFont_);
        QRect line(QPoint(x, y), QPoint(boundsRight - kMargin - 1, y + lineHeight_ - 1));
        node->rect_ = line;
        QString rest = node->text_;
        bool firstLine = true;
        // An empty text still takes one line, so that the node can be seen and selected.
        while (firstLine || !rest.isEmpty()) {
            const int available = boundsRight - line.left() - kMargin;
            const int n = wrapLength(fm, rest, available);
            node->lines_.push_back({line, rest.left(n)});
            node->rect_ = node->rect_.united(line);
            rest.remove(0, n);
            line.translate(0, lineHeight_);
            firstLine = false;
        }
        y = node->rect_.bottom() + 1;
        if (node->hasChildren())
            y += layoutNode(node->firstChild(), x + kIndent, y, boundsRight);
    }
    return y - top;
}

void CStaticTreeCtrl::updateScrollRange() const
{
    const int viewHeight = viewport()->height();
    setScrollExtent(contentHeight_, viewHeight, std::max(1, viewHeight), std::max(1, lineHeight_));
}

// Painting --------------------------------------------------------------------------------------

QColor CStaticTreeCtrl::textColorFor(const CStaticTreeNode* node, bool onFill) const
{
    // The default text colour is a dark grey meant for a light window colour. Where a leaf sits
    // on a dark window colour (a dark look), the palette's text colour keeps it readable.
    if (!onFill && node->textColor_ == defaultTextColor_ && palette().color(QPalette::Base).lightness() < 128)
        return palette().color(QPalette::Text);
    return node->textColor_;
}

void CStaticTreeCtrl::paintEvent(QPaintEvent* /*event*/)
{
    ensureLayout();
    QPainter p(viewport());
    const QRect client = viewport()->rect();
    p.fillRect(client, palette().color(QPalette::Base));
    const int scroll = verticalScrollBar()->value();

    if (!drawn_.empty()) {
        p.save();
        p.translate(0, -scroll);
        const QRect visible = client.translated(0, scroll);
        for (const CStaticTreeNode* node : drawn_) {
            const bool selected = node == selection_;
            const bool parentLine = node->hasChildren();
            p.setFont(parentLine ? boldFont_ : normalFont_);
            const bool onFill = selected || parentLine;
            p.setPen(textColorFor(node, onFill));
            for (const CStaticTreeNode::Line& line : node->lines_) {
                if (!line.rect.intersects(visible))
                    continue;
                if (selected)
                    p.fillRect(line.rect, selectionBackground_);
                else if (parentLine)
                    p.fillRect(line.rect, parentBackground_);
                p.drawText(line.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line.text);
            }
        }
        // Connector lines first, then the boxes over their ends.
        for (const CStaticTreeNode* node : drawn_) {
            if (node->parent_ == root_.get())
                continue;
            const int x0 = node->rect_.left() - kIndent - 6;
            const int ymid = node->rect_.top() + lineHeight_ / 2;
            const int parentMid = node->parent_->rect_.top() + lineHeight_ / 2;
            p.fillRect(QRect(x0, ymid, kIndent, 1), lineColor_);
            p.fillRect(QRect(x0, parentMid, 1, ymid - parentMid + 1), lineColor_);
        }
        for (const CStaticTreeNode* node : drawn_)
            paintConnectors(p, node);
        p.restore();
    }
}

bool CStaticTreeCtrl::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        // A one-pixel border in the frame, so that it holds the scroll bar as well; the
        // highlight colour while the tree has the focus.
        QPainter p(this);
        p.setPen(hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    default:
        break;
    }
    return CPaintedScrollView::event(event);
}

void CStaticTreeCtrl::paintConnectors(QPainter& p, const CStaticTreeNode* node) const
{
    const int x = node->rect_.left() - 6;
    const int ymid = node->rect_.top() + lineHeight_ / 2;
    p.fillRect(QRect(x - 2, ymid - 2, 5, 5), lineColor_);
    if (!node->hasChildren())
        p.fillRect(QRect(x - 1, ymid - 1, 3, 3), kLeafBoxInside);
}

// Input -----------------------------------------------------------------------------------------

void CStaticTreeCtrl::notifySelection()
{
    CStaticTreeNode* leaf = selection_ && !selection_->hasChildren() ? selection_ : nullptr;
    Q_EMIT selectionChanged(leaf);
}

void CStaticTreeCtrl::userSelect(CStaticTreeNode* node)
{
    if (!node) {
        // A click on empty space: the highlight goes at once and the owner learns of it.
        if (!selection_)
            return;
        selection_ = nullptr;
        viewport()->update();
        notifySelection();
        return;
    }
    selection_ = node;
    ensureVisible(node);
    viewport()->update();
    notifySelection();
}

void CStaticTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CPaintedScrollView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    userSelect(nodeAt(event->position().toPoint()));
    event->accept();
}

void CStaticTreeCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        CPaintedScrollView::mouseReleaseEvent(event);
}

void CStaticTreeCtrl::wheelEvent(QWheelEvent* event)
{
    if (verticalScrollBar()->maximum() <= 0) {
        event->ignore();
        return;
    }
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ -= steps * 120;
    scrollBy(-steps * lineHeight_);
    event->accept();
}

void CStaticTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    ensureLayout();
    if (scrollPageKey(event))
        return;
    const auto index = [this](const CStaticTreeNode* node) {
        return static_cast<int>(std::find(drawn_.begin(), drawn_.end(), node) - drawn_.begin());
    };
    const int count = static_cast<int>(drawn_.size());
    CStaticTreeNode* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // The dialog around the tree takes them (its default button, or closing it).
        event->ignore();
        return;
    case Qt::Key_Home:
        if (count > 0)
            target = drawn_.front();
        break;
    case Qt::Key_End:
        if (count > 0 && selection_)
            target = drawn_.back();
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (count > 0) {
            if (!selection_)
                target = drawn_.back();
            else if (const int i = index(selection_); i > 0 && i < count)
                target = drawn_[static_cast<std::size_t>(i - 1)];
        }
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (count > 0) {
            if (!selection_)
                target = drawn_.front();
            else if (const int i = index(selection_); i + 1 < count)
                target = drawn_[static_cast<std::size_t>(i + 1)];
        }
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
    if (target && target != selection_)
        userSelect(target);
}

void CStaticTreeCtrl::viewResized()
{
    layoutValid_ = false;
    ensureLayout();
    updateScrollRange();
}

void CStaticTreeCtrl::fontChanged()
{
    updateFonts();
    invalidateLayout();
}

} // namespace tovalo::gui
