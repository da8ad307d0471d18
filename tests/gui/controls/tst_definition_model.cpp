// The list model over a definition document: Qt's model checker watches every change made
// through the document, and the signals carry the right rows.

#include "controls/definition_model.h"
#include "data/definition_document.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tovalo::gui;
using tovalo::CDpctData;
using tovalo::DefinitionDocument;
using tovalo::ItemStatus;

namespace {

CDpctData makeItem(const std::string& path, ItemStatus status = ItemStatus::None)
{
    CDpctData item;
    item.path = path;
    item.status = status;
    return item;
}

/// first-last of the rows a (parent, first, last) signal named.
QString rangeOf(const QList<QVariant>& args)
{
    return QStringLiteral("%1-%2").arg(args.at(1).toInt()).arg(args.at(2).toInt());
}

} // namespace

class TestDefinitionModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forwardsEveryChangeOfTheDocument()
    {
        DefinitionDocument doc;
        DefinitionModel model(doc);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy modified(&model, &DefinitionModel::modifiedChanged);
        QSignalSpy path(&model, &DefinitionModel::pathChanged);

        doc.add(
            std::vector{makeItem("/a.cu"), makeItem("/b.cu", ItemStatus::ConvertedNg), makeItem("/c.cu")});
        doc.add(makeItem("/d.cu"));
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(rangeOf(inserted.at(0)), QStringLiteral("0-2"));
        QCOMPARE(rangeOf(inserted.at(1)), QStringLiteral("3-3"));
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(modified.size(), 1);
        QCOMPARE(modified.at(0).at(0).toBool(), true);

        // The roles: the path (also as display text), the status, the item itself.
        const QModelIndex b = model.index(1);
        QCOMPARE(model.data(b).toString(), QStringLiteral("/b.cu"));
        QCOMPARE(model.data(b, DefinitionModel::PathRole).toString(), QStringLiteral("/b.cu"));
        QCOMPARE(model.data(b, DefinitionModel::StatusRole).toInt(),
                 static_cast<int>(ItemStatus::ConvertedNg));
        QCOMPARE(model.data(b, DefinitionModel::ItemRole).value<CDpctData*>(), doc.item(1));
        QCOMPARE(model.itemAt(1), doc.item(1));
        QCOMPARE(model.itemAt(4), nullptr);
        QVERIFY(!model.data(model.index(4)).isValid());
        QCOMPARE(model.rowCount(b), 0);

        doc.update(2, makeItem("/C.cu"));
        doc.item(0)->status = ItemStatus::Converting;
        doc.notifyChanged(0, 3);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 2);
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>().row(), 2);
        QCOMPARE(changed.at(1).at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.at(1).at(1).value<QModelIndex>().row(), 3);
        QCOMPARE(model.data(model.index(0), DefinitionModel::StatusRole).toInt(),
                 static_cast<int>(ItemStatus::Converting));

        doc.remove(1);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(rangeOf(removed.at(0)), QStringLiteral("1-1"));
        QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("/C.cu"));

        // Saving names the path and clears the mark; loading resets the rows.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("list.txt"));
        tovalo::Message error;
        QVERIFY2(doc.save(file.toStdString(), error), tovalo::englishText(error).c_str());
        QCOMPARE(path.size(), 1);
        QCOMPARE(path.at(0).at(0).toString(), file);
        QCOMPARE(modified.size(), 2);
        QCOMPARE(modified.at(1).at(0).toBool(), false);
        doc.removeAll();
        QCOMPARE(rangeOf(removed.at(1)), QStringLiteral("0-2"));
        QVERIFY(doc.load(file.toStdString(), error));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(path.size(), 1); // the same path
    }

    void aModelGoneStopsObserving()
    {
        DefinitionDocument doc;
        {
            DefinitionModel model(doc);
            doc.add(makeItem("/a.cu"));
            QCOMPARE(model.rowCount(), 1);
        }
        // The document no longer calls the destroyed model (the sanitizer would catch it).
        doc.add(makeItem("/b.cu"));
        doc.remove(0);
        QCOMPARE(doc.size(), 1);
    }
};

QTEST_MAIN(TestDefinitionModel)
#include "tst_definition_model.moc"
