#pragma once
// DefinitionModel: the rows of a DefinitionDocument as a Qt table model, for the item list. One
// row per item and three columns: the path, the status text and the number of dpct's diagnostics,
// which is also what a screen reader reads of each row (the header data names the columns). The
// model holds no items of its own; it forwards every change the document reports (insertions,
// removals, moves, items changed in place, a reload) as the matching model signals, and the
// modified mark, the path and the undo history as signals of their own.
//
// Filter: with a filter text set, the model shows only the items whose path contains it (letter
// case ignored), in document order; documentRow() and rowOf() translate between the model's rows
// and the document's. Setting the filter resets the model (one pass over the items). Items
// inserted later are shown when they match; an item edited so that it no longer matches stays
// until the filter is set again, so that nothing vanishes under the user's hands.
//
// Missing files: checkFiles() looks on a worker thread for the items whose source file does not
// exist; until the next check those rows answer true under MissingRole and carry a tool tip.
// Checks asked for while one runs are folded into one more.
//
// Ownership: the model references the document, which must outlive it. The items are edited
// through the document, never through the model (the model is read-only).

#include "data/definition_document.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

template <typename T> class QFutureWatcher;

namespace tovalo::gui {

class DefinitionModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        /// The item's path (QString); also under Qt::DisplayRole.
        PathRole = Qt::UserRole + 1,
        /// The item's conversion status (int, the value of tovalo::ItemStatus).
        StatusRole,
        /// The item itself (const tovalo::CDpctData*).
        ItemRole,
        /// The item's source file was missing at the last check (bool).
        MissingRole,
        /// The number of diagnostics of the item's last run (int); -1 when it has not run in
        /// this session.
        DiagnosticCountRole,
    };

    enum Column
    {
        NameColumn,
        StatusColumn,
        DiagnosticsColumn,
        ColumnCount
    };

    explicit DefinitionModel(DefinitionDocument& document, QObject* parent = nullptr);
    ~DefinitionModel() override;

    const DefinitionDocument& document() const { return document_; }
    /// The item of model row `row`, or null when there is no such row.
    const CDpctData* itemAt(int row) const { return document_.item(documentRow(row)); }

    /// The document row of model row `row`; -1 when there is no such row.
    int documentRow(int row) const;
    /// The model row of document row `documentRow`; -1 when the filter hides it or it does not
    /// exist.
    int rowOf(int documentRow) const;

    /// Shows only the items whose path contains `text` (letter case ignored); empty shows all.
    void setFilterText(const QString& text);
    const QString& filterText() const { return filter_; }
    bool isFiltered() const { return !filter_.isEmpty(); }

    /// Starts a check of every item's source file off the UI thread (or one more after the
    /// running one). filesChecked() follows when the marks are up to date.
    void checkFiles();
    /// True from checkFiles() until the marks are up to date (filesChecked()).
    bool isCheckingFiles() const { return checking_; }
    /// Number of items whose file was missing at the last check.
    int missingCount() const { return static_cast<int>(missing_.size()); }

    /// The run is paused: the item being converted reads "Paused" in the status column.
    void setPaused(bool paused);
    bool isPaused() const { return paused_; }

    using QAbstractTableModel::index;
    /// The name column's index of `row`.
    QModelIndex index(int row) const { return index(row, NameColumn); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);
    /// What undo and redo would do changed.
    void historyChanged();
    /// A check of the source files ended and the marks were updated.
    void filesChecked();

private:
    class Forwarder;

    bool matches(int documentRow) const;
    void rebuildRows();
    /// Index in rows_ of the first entry >= documentRow (or > for `after`).
    int lowerRow(int documentRow) const;
    int upperRow(int documentRow) const;
    void checkFinished();
    /// dataChanged for rows [first, last] across every column.
    void rowsDataChanged(int first, int last, const QList<int>& roles = {});

    DefinitionDocument& document_;
    std::unique_ptr<Forwarder> forwarder_; ///< the model's observer of the document
    QString filter_;
    std::vector<int> rows_; ///< document row of each model row, ascending
    std::unordered_set<std::string> missing_;
    QFutureWatcher<std::vector<std::string>>* watcher_ = nullptr;
    bool checkAgain_ = false;
    bool checking_ = false; ///< from checkFiles() until the marks of the last check are in
    bool paused_ = false;
};

} // namespace tovalo::gui

Q_DECLARE_METATYPE(const tovalo::CDpctData*)
