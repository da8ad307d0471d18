#pragma once
// DefinitionModel: the rows of a DefinitionDocument as a Qt list model, for the item list. One
// row per conversion item, in document order; the model holds no data of its own but forwards
// every change the document reports (insertions, removals, items changed in place, a reload) as
// the matching model signals, and the modified mark and the path as signals of their own.
//
// Ownership: the model references the document, which must outlive it. The items are edited
// through the document, never through the model (the model is read-only).

#include "data/definition_document.h"

#include <memory>

#include <QAbstractListModel>
#include <QString>

namespace tovalo::gui {

class DefinitionModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        /// The item's path (QString); also under Qt::DisplayRole.
        PathRole = Qt::UserRole + 1,
        /// The item's conversion status (int, the value of tovalo::ItemStatus).
        StatusRole,
        /// The item itself (tovalo::CDpctData*).
        ItemRole,
        /// The number of diagnostics of the item's last run (int); -1 when it has not run in
        /// this session.
        DiagnosticCountRole,
    };

    explicit DefinitionModel(DefinitionDocument& document, QObject* parent = nullptr);
    ~DefinitionModel() override;

    DefinitionDocument& document() const { return document_; }
    /// The item of `row`, or null when there is no such row.
    CDpctData* itemAt(int row) const { return document_.item(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);

private:
    class Forwarder;

    DefinitionDocument& document_;
    std::unique_ptr<Forwarder> forwarder_; ///< the model's observer of the document
};

} // namespace tovalo::gui

Q_DECLARE_METATYPE(tovalo::CDpctData*)
