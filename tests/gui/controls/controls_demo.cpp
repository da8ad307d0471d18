// A window with the item list and the option grid, filled with rows of every status, for looking
// at the controls (and taking screenshots).
//
//   tovalo_controls_demo [--run] [--paused] [--rows N] [--select N] [--shot FILE]
//
// --run shows the list as during a run (input locked, the rows after the converting one
// waiting), --paused as during a paused run; --shot saves a picture of the window and quits.

#include "controls/definition_model.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_document.h"
#include "data/dpct_data.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QCommandLineParser>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

using namespace tovalo::gui;

using namespace tovalo;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runOpt(QStringLiteral("run"), QStringLiteral("Show the list during a run."));
    const QCommandLineOption pausedOpt(QStringLiteral("paused"),
                                       QStringLiteral("Show the list during a paused run."));
    const QCommandLineOption rowsOpt(QStringLiteral("rows"), QStringLiteral("Number of rows."),
                                     QStringLiteral("n"), QStringLiteral("40"));
    const QCommandLineOption selectOpt(QStringLiteral("select"), QStringLiteral("Row to select."),
                                       QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption shotOpt(QStringLiteral("shot"), QStringLiteral("Save a picture and quit."),
                                     QStringLiteral("file"));
    parser.addOptions({runOpt, pausedOpt, rowsOpt, selectOpt, shotOpt});
    parser.process(app);
    const bool paused = parser.isSet(pausedOpt);
    const bool running = paused || parser.isSet(runOpt);
    const int rows = parser.value(rowsOpt).toInt();

    QSplitter window(Qt::Horizontal);
    window.setObjectName(QStringLiteral("controlsDemo"));
    window.setWindowTitle(QStringLiteral("Tovalo controls"));
    DefinitionDocument doc;
    DefinitionModel model(doc);
    auto* list = new CDpctTreeCtrl(&window);
    list->setModel(&model);
    auto* grid = new CDpctPropCtrl(&window);
    window.addWidget(list);
    window.addWidget(grid);
    window.setSizes({760, 440});

    // The first rows show every status; the run has reached row 6.
    const ItemStatus pattern[] = {ItemStatus::ConvertedOk, ItemStatus::ConvertedNg, ItemStatus::SyntaxError,
                                  ItemStatus::ConvertedOk, ItemStatus::None,        ItemStatus::ConvertedOk};
    std::vector<CDpctData> items(static_cast<std::size_t>(std::max(rows, 0)));
    for (int i = 0; i < rows; ++i) {
        CDpctData* item = &items[static_cast<std::size_t>(i)];
        item->path = "/home/user/cuda-samples/Samples/" + std::to_string(i % 7) + "_Simple/kernel_" +
                     std::to_string(i) + ".cu";
        item->setOn(kSlotDirName, true);
        item->setOn(kSlotFileName, true);
        item->setOn(kFormatStyle, true);
        item->setOn(kOutRoot, true);
        item->setText(kOutRoot, "/home/user/sycl-out");
        item->setOn(kComments, i % 2 == 0);
        item->setOn(kUsmLevel, true);
        item->setChanged(kOutRoot, true);
        item->setChanged(kComments, true);
        if (i < 6)
            item->status = pattern[i];
        else if (i == 6)
            item->status = ItemStatus::Converting;
        else if (running)
            item->status = ItemStatus::Waiting;
    }
    doc.add(std::move(items));
    list->setInputLocked(running);
    list->setPaused(paused);

    QObject::connect(list, &CDpctTreeCtrl::selectionMoved, grid,
                     [grid, &doc](int row) { grid->Fill(doc.item(row)); });
    if (const int row = parser.value(selectOpt).toInt(); doc.item(row)) {
        list->selectRow(row);
        grid->Fill(doc.item(row));
    }

    window.resize(1200, 640);
    window.show();
    window.activateWindow();
    list->setFocus();
    // Show a description under the grid.
    grid->grid()->setCurrentItem(grid->row(kOutRoot));
    if (parser.isSet(shotOpt)) {
        const QString file = parser.value(shotOpt);
        QTimer::singleShot(300, &window, [&window, file] {
            window.grab().save(file);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
