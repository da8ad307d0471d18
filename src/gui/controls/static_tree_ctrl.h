#pragma once
// CStaticTreeCtrl: a small, always fully expanded, custom-painted tree of text nodes. Node texts
// wrap at spaces onto as many lines as they need; nodes with children are drawn bold on the
// parent background; dotted-box connectors join each node to its parent (a filled box for a node
// with children, a hollow one for a leaf). One node can be selected, with the mouse or the keys
// (Home, End, the arrows); Enter and Escape are left to the dialog around the tree. The view
// scrolls vertically to everything the tree holds (wheel, scroll bar, Page Up / Page Down).
//
// The control owns its nodes (CStaticTreeNode) and frees them with itself or with clear(). An
// owner builds a level by adding its first node with addChildNode() and each further node with
// insertNodeAfter() on the previous one, which keeps the order of insertion.
//
// The four colours (default text, connector lines, selection background, parent background)
// can be changed at any time; the control repaints. Focus, look changes and Page Up / Page Down
// come from CPaintedScrollView.

#include "controls/painted_scroll_view.h"

#include <cstdint>
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

namespace tovalo::gui {

class CStaticTreeCtrl;

/// One node of a CStaticTreeCtrl. Created and owned by the control.
class CStaticTreeNode
{
public:
    CStaticTreeNode(const CStaticTreeNode&) = delete;
    CStaticTreeNode& operator=(const CStaticTreeNode&) = delete;
    ~CStaticTreeNode();

    /// The node this one hangs under; the control's invisible root for a top-level node.
    CStaticTreeNode* parent() const { return parent_; }
    CStaticTreeNode* firstChild() const;
    CStaticTreeNode* nextSibling() const;
    bool hasChildren() const { return !children_.empty(); }
    int childCount() const { return static_cast<int>(children_.size()); }

    const QString& text() const { return text_; }
    /// The colour of the node's text (set from the control's default text colour when the node
    /// was added; change it with CStaticTreeCtrl::setNodeTextColor).
    const QColor& textColor() const { return textColor_; }

    /// Free for the owner; 0 initially.
    std::uint64_t itemData() const { return itemData_; }
    void setItemData(std::uint64_t data) { itemData_ = data; }

    /// The area all the node's lines took in the last layout, in content coordinates (the view
    /// scrolled to the top); empty before the first layout.
    const QRect& rect() const { return rect_; }
    /// The node's text as it was cut into lines by the last layout.
    QStringList lines() const;

private:
    friend class CStaticTreeCtrl;

    struct Line
    {
        QRect rect; ///< content coordinates
        QString text;
    };

    CStaticTreeNode(CStaticTreeNode* parent, QString text, QColor color);

    CStaticTreeNode* parent_ = nullptr;
    std::vector<std::unique_ptr<CStaticTreeNode>> children_;
    QString text_;
    QColor textColor_;
    std::uint64_t itemData_ = 0;
    QRect rect_;
    std::vector<Line> lines_;
};

class CStaticTreeCtrl : public CPaintedScrollView
{
    Q_OBJECT

public:
    static constexpr int kIndent = 16; ///< pixels per level
    static constexpr int kMargin = 4;  ///< top and right margin

    explicit CStaticTreeCtrl(QWidget* parent = nullptr);
    ~CStaticTreeCtrl() override;

    // Building -----------------------------------------------------------------------------------

    /// A new node with `text` and the default text colour, first under `parent` (under the root
    /// when null). Never null.
    CStaticTreeNode* addChildNode(CStaticTreeNode* parent, const QString& text);
    /// A new node with `text` and the default text colour right after `node`, under the same
    /// parent. Null (and nothing added) when `node` is null.
    CStaticTreeNode* insertNodeAfter(CStaticTreeNode* node, const QString& text);
    void setNodeText(CStaticTreeNode* node, const QString& text);
    void setNodeTextColor(CStaticTreeNode* node, const QColor& color);
    /// Removes every node; the selection is cleared without a notification.
    void clear();

    /// The first top-level node, or null.
    CStaticTreeNode* firstNode() const;
    /// Every node in layout order (depth first, as drawn).
    std::vector<CStaticTreeNode*> nodesInOrder() const;

    // Selection ----------------------------------------------------------------------------------

    CStaticTreeNode* selectedNode() const { return selection_; }
    /// Selects the first node (if any) and repaints. Emits nothing: the owner that calls it
    /// updates itself.
    void selectFirstNode();
    /// Selects `node` (null clears the selection), scrolls it into view and repaints. Emits
    /// nothing.
    void setSelectedNode(CStaticTreeNode* node);

    // Colours ------------------------------------------------------------------------------------

    QColor defaultTextColor() const { return defaultTextColor_; }
    /// Applies to nodes added afterwards.
    void setDefaultTextColor(const QColor& color);
    QColor lineColor() const { return lineColor_; }
    void setLineColor(const QColor& color);
    QColor selectionBackground() const { return selectionBackground_; }
    void setSelectionBackground(const QColor& color);
    QColor parentBackground() const { return parentBackground_; }
    void setParentBackground(const QColor& color);

    // Geometry, for owners and tests -------------------------------------------------------------

    int lineHeight() const { return lineHeight_; }
    QFont normalFont() const { return normalFont_; }
    QFont boldFont() const { return boldFont_; }
    /// Height of everything the tree holds, with its top and bottom margins.
    int contentHeight() const;
    /// The node under a point of the viewport, or null.
    CStaticTreeNode* nodeAt(QPoint viewportPos) const;
    /// The node's area in viewport coordinates (it may lie outside the view).
    QRect visualRect(const CStaticTreeNode* node) const;
    /// Scrolls so that the node's first line is in view (and as much of the rest as fits).
    void ensureVisible(const CStaticTreeNode* node);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// The user changed the selection (click or key): `leaf` is the selected node when it has no
    /// children; null when the selected node has children or when nothing is selected any more.
    void selectionChanged(tovalo::gui::CStaticTreeNode* leaf);

protected:
    /// Paints the one-pixel border around the view and its scroll bar.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void fontChanged() override;
    void viewResized() override;

private:
    void updateFonts();
    void invalidateLayout();
    void ensureLayout() const;
    int layoutNode(CStaticTreeNode* node, int x, int y, int boundsRight) const;
    void paintConnectors(QPainter& p, const CStaticTreeNode* node) const;
    QColor textColorFor(const CStaticTreeNode* node, bool onFill) const;
    void userSelect(CStaticTreeNode* node);
    void notifySelection();
    void updateScrollRange() const;

    std::unique_ptr<CStaticTreeNode> root_;
    CStaticTreeNode* selection_ = nullptr;
    QFont normalFont_;
    QFont boldFont_;
    QColor defaultTextColor_{58, 58, 58};
    QColor lineColor_{128, 128, 128};
    QColor selectionBackground_{210, 180, 140};
    QColor parentBackground_{255, 245, 238};
    int lineHeight_ = 0;
    int wheelRemainder_ = 0;

    mutable bool layoutValid_ = false;
    mutable int layoutWidth_ = -1;
    mutable int contentHeight_ = 0;
    mutable std::vector<CStaticTreeNode*> drawn_; ///< layout order
};

} // namespace tovalo::gui
