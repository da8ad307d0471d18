#include "controls/definition_model.h"

#include "base/file_io.h"
#include "base/text.h"
#include "controls/dpct_tree_ctrl.h"

#include <algorithm>
#include <numeric>

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

namespace tovalo::gui {

/// Turns the document's notifications into the model's signals, through the row map.
class DefinitionModel::Forwarder : public DefinitionDocumentObserver
{
public:
    explicit Forwarder(DefinitionModel& model) : model_(model) {}

    void rowsInserted(int first, int last) override
    {
        // The document has its new items; the map learns of them before the views do, so that
        // every row the views may read in between names the right item.
        std::vector<int>& rows = model_.rows_;
        const int n = last - first + 1;
        const int at = model_.lowerRow(first);
        for (auto it = rows.begin() + at; it != rows.end(); ++it)
            *it += n;
        std::vector<int> added;
        for (int r = first; r <= last; ++r) {
            if (model_.matches(r))
                added.push_back(r);
        }
        if (added.empty())
            return;
        model_.beginInsertRows({}, at, at + static_cast<int>(added.size()) - 1);
        rows.insert(rows.begin() + at, added.begin(), added.end());
        model_.endInsertRows();
    }
    void rowsAboutToBeRemoved(int first, int last) override
    {
        removeFrom_ = model_.lowerRow(first);
        removeTo_ = model_.upperRow(last);
        if (removeFrom_ < removeTo_)
            model_.beginRemoveRows({}, removeFrom_, removeTo_ - 1);
    }
    void rowsRemoved(int first, int last) override
    {
        std::vector<int>& rows = model_.rows_;
        const int n = last - first + 1;
        rows.erase(rows.begin() + removeFrom_, rows.begin() + removeTo_);
        for (auto it = rows.begin() + removeFrom_; it != rows.end(); ++it)
            *it -= n;
        if (removeFrom_ < removeTo_)
            model_.endRemoveRows();
    }
    void rowsChanged(int first, int last) override
    {
        const int from = model_.lowerRow(first);
        const int to = model_.upperRow(last);
        if (from < to)
            model_.rowsDataChanged(from, to - 1);
    }
    void rowAboutToBeMoved(int from, int to) override
    {
        moving_ = false;
        const std::vector<int>& rows = model_.rows_;
        const int at = model_.lowerRow(from);
        if (at >= static_cast<int>(rows.size()) || rows[static_cast<std::size_t>(at)] != from)
            return; // hidden by the filter: the model rows keep their items
        // The shown rows the item passes are those between its old and its new document row.
        const int target = to > from ? model_.upperRow(to) - 1 : model_.lowerRow(to);
        if (target == at)
            return;
        moving_ = model_.beginMoveRows({}, at, at, {}, target > at ? target + 1 : target);
    }
    void rowMoved(int from, int to) override
    {
        for (int& r : model_.rows_) {
            if (r == from)
                r = to;
            else if (from < to && r > from && r <= to)
                --r;
            else if (to < from && r >= to && r < from)
                ++r;
        }
        std::sort(model_.rows_.begin(), model_.rows_.end());
        if (moving_)
            model_.endMoveRows();
        moving_ = false;
    }
    void aboutToReset() override { model_.beginResetModel(); }
    void reset() override
    {
        model_.rebuildRows();
        model_.endResetModel();
    }
    void modifiedChanged(bool modified) override { Q_EMIT model_.modifiedChanged(modified); }
    void pathChanged(const std::string& path) override
    {
        Q_EMIT model_.pathChanged(QString::fromStdString(path));
        // Relative paths now count from another folder.
        model_.checkFiles();
    }
    void historyChanged() override { Q_EMIT model_.historyChanged(); }

private:
    DefinitionModel& model_;
    int removeFrom_ = 0;
    int removeTo_ = 0;
    bool moving_ = false;
};

DefinitionModel::DefinitionModel(DefinitionDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document), forwarder_(std::make_unique<Forwarder>(*this)),
      watcher_(new QFutureWatcher<std::vector<std::string>>(this))
{
    setObjectName(QStringLiteral("definitionModel"));
    rebuildRows();
    document_.addObserver(forwarder_.get());
    connect(watcher_, &QFutureWatcherBase::finished, this, &DefinitionModel::checkFinished);
}

DefinitionModel::~DefinitionModel()
{
    document_.removeObserver(forwarder_.get());
}

int DefinitionModel::documentRow(int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return -1;
    return rows_[static_cast<std::size_t>(row)];
}

int DefinitionModel::rowOf(int documentRow) const
{
    const int at = lowerRow(documentRow);
    return at < static_cast<int>(rows_.size()) && rows_[static_cast<std::size_t>(at)] == documentRow ? at
                                                                                                     : -1;
}

int DefinitionModel::lowerRow(int documentRow) const
{
    return static_cast<int>(std::lower_bound(rows_.begin(), rows_.end(), documentRow) - rows_.begin());
}

int DefinitionModel::upperRow(int documentRow) const
{
    return static_cast<int>(std::upper_bound(rows_.begin(), rows_.end(), documentRow) - rows_.begin());
}

bool DefinitionModel::matches(int documentRow) const
{
    if (filter_.isEmpty())
        return true;
    const CDpctData* item = document_.item(documentRow);
    return item && QString::fromStdString(item->path).contains(filter_, Qt::CaseInsensitive);
}

void DefinitionModel::rebuildRows()
{
    rows_.clear();
    const int n = document_.size();
    if (filter_.isEmpty()) {
        rows_.resize(static_cast<std::size_t>(n));
        std::iota(rows_.begin(), rows_.end(), 0);
        return;
    }
    for (int r = 0; r < n; ++r) {
        if (matches(r))
            rows_.push_back(r);
    }
}

void DefinitionModel::setFilterText(const QString& text)
{
    if (text == filter_)
        return;
    beginResetModel();
    filter_ = text;
    rebuildRows();
    endResetModel();
}

// Missing files --------------------------------------------------------------------------------

void DefinitionModel::checkFiles()
{
    checking_ = true;
    if (watcher_->isRunning()) {
        checkAgain_ = true;
        return;
    }
    checkAgain_ = false;
    auto promise = std::make_shared<QPromise<std::vector<std::string>>>();
    watcher_->setFuture(promise->future());
    promise->start();
    // The worker gets its own copy of the paths: the list may change while it looks.
    // Relative paths count from the folder of the list's file.
    QThreadPool::globalInstance()->start(
        [promise, paths = document_.paths(), folder = folderOfFile(document_.path())]() mutable {
            std::vector<std::string> missing;
            for (std::string& path : paths) {
                if (!pathExists(resolvePath(path, folder)))
                    missing.push_back(std::move(path));
            }
            promise->addResult(std::move(missing));
            promise->finish();
        });
}

void DefinitionModel::checkFinished()
{
    const QFuture<std::vector<std::string>> future = watcher_->future();
    if (future.resultCount() > 0) {
        const std::vector<std::string>& found = future.resultAt(0);
        std::unordered_set<std::string> missing(found.begin(), found.end());
        if (missing != missing_) {
            missing_ = std::move(missing);
            if (!rows_.empty())
                rowsDataChanged(0, rowCount() - 1, {MissingRole, Qt::ToolTipRole, Qt::DisplayRole});
        }
    }
    if (checkAgain_) {
        checkFiles();
        return;
    }
    checking_ = false;
    Q_EMIT filesChecked();
}

// Qt model ---------------------------------------------------------------------------------------

void DefinitionModel::rowsDataChanged(int first, int last, const QList<int>& roles)
{
    if (first <= last)
        Q_EMIT dataChanged(index(first, NameColumn), index(last, ColumnCount - 1), roles);
}

void DefinitionModel::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    if (!rows_.empty())
        Q_EMIT dataChanged(index(0, StatusColumn), index(rowCount() - 1, StatusColumn), {Qt::DisplayRole});
}

int DefinitionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DefinitionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DefinitionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    // The captions belong to the list, which paints them.
    switch (section) {
    case NameColumn:
        return CDpctTreeCtrl::tr("File name");
    case StatusColumn:
        return CDpctTreeCtrl::tr("Status");
    case DiagnosticsColumn:
        return CDpctTreeCtrl::tr("Diagnostics");
    default:
        return {};
    }
}

QVariant DefinitionModel::data(const QModelIndex& index, int role) const
{
    const CDpctData* item = index.isValid() && index.model() == this ? itemAt(index.row()) : nullptr;
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case StatusColumn:
            if (paused_ && item->status == ItemStatus::Converting)
                return CDpctTreeCtrl::tr("Paused");
            return CDpctTreeCtrl::statusText(item->status);
        case DiagnosticsColumn:
            return item->elapsedMs < 0 ? QString() : QString::number(item->diagnostics.size());
        default:
            return QString::fromStdString(item->path);
        }
    case PathRole:
        return QString::fromStdString(item->path);
    case StatusRole:
        return static_cast<int>(item->status);
    case ItemRole:
        return QVariant::fromValue(item);
    case MissingRole:
        return missing_.contains(item->path);
    case Qt::ToolTipRole:
        if (missing_.contains(item->path))
            return tr("This file does not exist:\n%1").arg(QString::fromStdString(item->path));
        return {};
    case DiagnosticCountRole:
        return item->elapsedMs < 0 ? -1 : static_cast<int>(item->diagnosticCount());
    default:
        return {};
    }
}

QHash<int, QByteArray> DefinitionModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(PathRole, "path");
    names.insert(StatusRole, "status");
    names.insert(ItemRole, "item");
    names.insert(MissingRole, "missing");
    names.insert(DiagnosticCountRole, "diagnosticCount");
    return names;
}

} // namespace tovalo::gui
