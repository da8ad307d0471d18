#pragma once
// ListDelegate: the item delegate of the item list (CDpctTreeCtrl). It paints one cell of a row
// from the model (DefinitionModel): in the name column the row's icon and the path (greyed and
// slanted for a missing file), in the status column the status text in its colour, in the
// diagnostics column the count. The row's band and lines are the view's; the delegate picks the
// colours that read on the band the row has.
//
// It reads the list's look (run state, focus, colours, fonts) through the ListLook the view keeps
// up to date, and draws with the view's ListPainter; both belong to the view, which outlives the
// delegate. Rows have one height for the whole list (the view's row height), so that a list of
// hundreds of thousands of rows is laid out without asking each row.

#include <functional>

#include <QStyledItemDelegate>

namespace tovalo::gui {

class ListPainter;
struct ListLook;

class ListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ListDelegate(const ListLook& look, ListPainter& painter, std::function<int()> rowHeight,
                 QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// The list's items are edited through the item dialog, never in place.
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return nullptr;
    }

private:
    const ListLook& look_;
    ListPainter& painter_;
    std::function<int()> rowHeight_;
};

} // namespace tovalo::gui
