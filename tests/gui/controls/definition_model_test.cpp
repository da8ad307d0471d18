// The list model over a definition document: Qt's model checker watches every change made
// through the document, and the signals carry the right rows.

#include "controls/definition_model.h"
#include "data/definition_document.h"

#include <QAbstractItemModelTester>
#include <QFile>
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
        QCOMPARE(model.data(b, DefinitionModel::ItemRole).value<const CDpctData*>(), doc.item(1));
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

    void filterMapsRowsThroughEveryEdit()
    {
        DefinitionDocument doc;
        doc.add(std::vector{makeItem("/src/Alpha.cu"), makeItem("/src/beta.cu"), makeItem("/src/alpha2.cu"),
                            makeItem("/src/gamma.cu")});
        DefinitionModel model(doc);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto rows = [&] {
            QStringList out;
            for (int r = 0; r < model.rowCount(); ++r)
                out.append(model.data(model.index(r)).toString().mid(5));
            return out;
        };

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setFilterText(QStringLiteral("ALPHA"));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(rows(), (QStringList{QStringLiteral("Alpha.cu"), QStringLiteral("alpha2.cu")}));
        QCOMPARE(model.documentRow(1), 2);
        QCOMPARE(model.rowOf(2), 1);
        QCOMPARE(model.rowOf(1), -1); // hidden
        QCOMPARE(model.documentRow(2), -1);
        QCOMPARE(model.itemAt(1), doc.item(2));

        // Insertions: only the matching rows arrive, at their place.
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        doc.add(std::vector{makeItem("/src/delta.cu"), makeItem("/src/alpha3.cu")});
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(rangeOf(inserted.at(0)), QStringLiteral("2-2"));
        doc.add(makeItem("/src/other.cu"));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(rows(), (QStringList{QStringLiteral("Alpha.cu"), QStringLiteral("alpha2.cu"),
                                      QStringLiteral("alpha3.cu")}));

        // A removal of a hidden row renumbers without a signal; of a shown one, with it.
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        doc.remove(1); // beta
        QCOMPARE(removed.size(), 0);
        QCOMPARE(model.documentRow(1), 1);
        doc.remove(0); // Alpha
        QCOMPARE(removed.size(), 1);
        QCOMPARE(rangeOf(removed.at(0)), QStringLiteral("0-0"));
        QCOMPARE(rows(), (QStringList{QStringLiteral("alpha2.cu"), QStringLiteral("alpha3.cu")}));
        doc.undo();
        doc.undo();
        QCOMPARE(rows(), (QStringList{QStringLiteral("Alpha.cu"), QStringLiteral("alpha2.cu"),
                                      QStringLiteral("alpha3.cu")}));
        QCOMPARE(doc.item(model.documentRow(2))->path, std::string("/src/alpha3.cu"));

        // Moves: a shown row past hidden ones moves in the model only when it passes a shown one.
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        // Document: Alpha beta alpha2 gamma delta alpha3 other
        QVERIFY(doc.move(0, 1)); // Alpha after beta: still first of the shown
        QCOMPARE(moved.size(), 0);
        QCOMPARE(model.documentRow(0), 1);
        QVERIFY(doc.move(1, 4)); // Alpha after delta: past alpha2
        QCOMPARE(moved.size(), 1);
        QCOMPARE(rows(), (QStringList{QStringLiteral("alpha2.cu"), QStringLiteral("Alpha.cu"),
                                      QStringLiteral("alpha3.cu")}));
        QVERIFY(doc.move(6, 0)); // other (hidden) to the top: the shown rows renumber only
        QCOMPARE(moved.size(), 1);
        QVERIFY(doc.move(6, 1)); // alpha3 up past both
        QCOMPARE(moved.size(), 2);
        QCOMPARE(rows(), (QStringList{QStringLiteral("alpha3.cu"), QStringLiteral("alpha2.cu"),
                                      QStringLiteral("Alpha.cu")}));
        for (int r = 0; r < model.rowCount(); ++r)
            QCOMPARE(model.rowOf(model.documentRow(r)), r);

        // An update that no longer matches keeps its row until the filter is set again.
        const int alpha = model.documentRow(2);
        doc.update(alpha, makeItem("/src/zeta.cu"));
        QCOMPARE(model.rowCount(), 3);
        model.setFilterText(QString());
        QCOMPARE(model.rowCount(), doc.size());
        model.setFilterText(QStringLiteral("alpha"));
        QCOMPARE(model.rowCount(), 2);

        // A reload applies the filter to the new rows.
        doc.removeAll();
        QCOMPARE(model.rowCount(), 0);
        doc.undo();
        QCOMPARE(model.rowCount(), 2);
    }

    void missingFilesAreFoundOffTheUiThread()
    {
        QTemporaryDir dir;
        const QString there = dir.filePath(QStringLiteral("there.cu"));
        QFile f(there);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        DefinitionDocument doc;
        doc.add(std::vector{makeItem(there.toStdString()),
                            makeItem(dir.filePath(QStringLiteral("gone.cu")).toStdString())});
        DefinitionModel model(doc);
        QSignalSpy checked(&model, &DefinitionModel::filesChecked);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        // Two requests while one runs end in one more check, not in two.
        model.checkFiles();
        model.checkFiles();
        model.checkFiles();
        QVERIFY(model.isCheckingFiles());
        QTRY_COMPARE(checked.size(), 1);
        QVERIFY(!model.isCheckingFiles());
        QCOMPARE(model.missingCount(), 1);
        QCOMPARE(model.data(model.index(1), DefinitionModel::MissingRole).toBool(), true);
        QCOMPARE(model.data(model.index(0), DefinitionModel::MissingRole).toBool(), false);
        QVERIFY(model.data(model.index(1), Qt::ToolTipRole).toString().contains(QStringLiteral("gone.cu")));
        QCOMPARE(changed.size(), 1);
        // The same result again repaints nothing.
        model.checkFiles();
        QTRY_COMPARE(checked.size(), 2);
        QCOMPARE(changed.size(), 1);
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
#include "definition_model_test.moc"
