#include "controls/definition_model.h"

namespace tovalo::gui {

/// Turns the document's notifications into the model's signals.
class DefinitionModel::Forwarder : public DefinitionDocumentObserver
{
public:
    explicit Forwarder(DefinitionModel& model) : model_(model) {}

    void rowsAboutToBeInserted(int first, int last) override { model_.beginInsertRows({}, first, last); }
    void rowsInserted(int, int) override { model_.endInsertRows(); }
    void rowsAboutToBeRemoved(int first, int last) override { model_.beginRemoveRows({}, first, last); }
    void rowsRemoved(int, int) override { model_.endRemoveRows(); }
    void rowsChanged(int first, int last) override
    {
        Q_EMIT model_.dataChanged(model_.index(first), model_.index(last));
    }
    void aboutToReset() override { model_.beginResetModel(); }
    void reset() override { model_.endResetModel(); }
    void modifiedChanged(bool modified) override { Q_EMIT model_.modifiedChanged(modified); }
    void pathChanged(const std::string& path) override
    {
        Q_EMIT model_.pathChanged(QString::fromStdString(path));
    }

private:
    DefinitionModel& model_;
};

DefinitionModel::DefinitionModel(DefinitionDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document), forwarder_(std::make_unique<Forwarder>(*this))
{
    setObjectName(QStringLiteral("definitionModel"));
    document_.addObserver(forwarder_.get());
}

DefinitionModel::~DefinitionModel()
{
    document_.removeObserver(forwarder_.get());
}

int DefinitionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : document_.size();
}

QVariant DefinitionModel::data(const QModelIndex& index, int role) const
{
    CDpctData* item = index.isValid() && index.model() == this ? document_.item(index.row()) : nullptr;
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case PathRole:
        return QString::fromStdString(item->path);
    case StatusRole:
        return static_cast<int>(item->status);
    case ItemRole:
        return QVariant::fromValue(item);
    case DiagnosticCountRole:
        return item->elapsedMs < 0 ? -1 : static_cast<int>(item->diagnostics.size());
    default:
        return {};
    }
}

QHash<int, QByteArray> DefinitionModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(PathRole, "path");
    names.insert(StatusRole, "status");
    names.insert(ItemRole, "item");
    names.insert(DiagnosticCountRole, "diagnosticCount");
    return names;
}

} // namespace tovalo::gui
