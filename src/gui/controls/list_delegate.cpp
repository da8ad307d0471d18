#include "controls/list_delegate.h"

#include "controls/definition_model.h"
#include "controls/list_painter.h"

#include <QPainter>

namespace tovalo::gui {

using tovalo::ItemStatus;

ListDelegate::ListDelegate(const ListLook& look, ListPainter& painter, std::function<int()> rowHeight,
                           QObject* parent)
    : QStyledItemDelegate(parent), look_(look), painter_(painter), rowHeight_(std::move(rowHeight))
{}

void ListDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto status = static_cast<ItemStatus>(index.data(DefinitionModel::StatusRole).toInt());
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const ListBand band = ListPainter::bandFor(look_, status, selected);
    const QString text = index.data(Qt::DisplayRole).toString();
    switch (index.column()) {
    case DefinitionModel::NameColumn:
        painter_.paintNameCell(*p, look_, option.rect, status, selected, band,
                               index.data(DefinitionModel::PathRole).toString(),
                               index.data(DefinitionModel::MissingRole).toBool());
        break;
    case DefinitionModel::StatusColumn:
        ListPainter::paintStatusCell(*p, look_, option.rect, status, band, text);
        break;
    case DefinitionModel::DiagnosticsColumn:
        ListPainter::paintCountCell(*p, look_, option.rect, text);
        break;
    default:
        break;
    }
}

QSize ListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_());
}

} // namespace tovalo::gui
