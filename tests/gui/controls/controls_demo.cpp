// A window with the item list and the option grid, filled with rows of every status, for looking
// at the controls (and taking screenshots).
//
//   tovalo_controls_demo [--phase N] [--rows N] [--select N] [--shot FILE]
//
// --phase sets the run phase (7 = converting, 9 = paused); --shot saves a picture of the window
// and quits.

#include "data/dpct_data.h"
#include "controls/dpct_prop_ctrl.h"
#include "controls/dpct_tree_ctrl.h"

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
    const QCommandLineOption phaseOpt(QStringLiteral("phase"), QStringLiteral("Run phase 0..9."),
                                      QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption rowsOpt(QStringLiteral("rows"), QStringLiteral("Number of rows."),
                                     QStringLiteral("n"), QStringLiteral("40"));
    const QCommandLineOption selectOpt(QStringLiteral("select"), QStringLiteral("Row to select."),
                                       QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption shotOpt(QStringLiteral("shot"), QStringLiteral("Save a picture and quit."),
                                     QStringLiteral("file"));
    parser.addOptions({phaseOpt, rowsOpt, selectOpt, shotOpt});
    parser.process(app);
    const int phase = parser.value(phaseOpt).toInt();
    const int rows = parser.value(rowsOpt).toInt();

    QSplitter window(Qt::Horizontal);
    window.setObjectName(QStringLiteral("controlsDemo"));
    window.setWindowTitle(QStringLiteral("Tovalo controls"));
    auto* list = new CDpctTreeCtrl(&window);
    auto* grid = new CDpctPropCtrl(&window);
    window.addWidget(list);
    window.addWidget(grid);
    window.setSizes({760, 440});

    // The first rows show every status; the run has reached row 6.
    const ItemStatus pattern[] = {ItemStatus::ConvertedOk, ItemStatus::ConvertedNg, ItemStatus::SyntaxError,
                                  ItemStatus::ConvertedOk, ItemStatus::None,        ItemStatus::ConvertedOk};
    for (int i = 0; i < rows; ++i) {
        auto item = std::make_unique<CDpctData>();
        item->path = "/home/user/cuda-samples/Samples/" + std::to_string(i % 7) + "_Simple/kernel_" +
                     std::to_string(i) + ".cu";
        item->setOn(kSlotDirName, true);
        item->setOn(kSlotFileName, true);
        item->setOn(kFormatStyle, true);
        item->setOn(kOutRoot, true);
        item->setText(kOutRoot, "/home/user/sycl-out");
        item->setOn(kComments, i % 2 == 0);
        item->setOn(kUsmLevel, true);
        item->changed[kOutRoot] = 1;
        item->changed[kComments] = 1;
        if (i < 6)
            item->status = pattern[i];
        else if (i == 6)
            item->status = ItemStatus::Converting;
        else if (phase >= CDpctTreeCtrl::kFirstRunPhase)
            item->status = ItemStatus::Waiting;
        list->AddItem(std::move(item));
    }
    list->RecalcScroll(true);
    list->setRunPhase(phase);

    QObject::connect(list, &CDpctTreeCtrl::selectionChanged, grid,
                     [grid](CDpctTreeItem* row) { grid->Fill(row ? row->data() : nullptr); });
    if (CDpctTreeItem* row = list->ItemAt(parser.value(selectOpt).toInt())) {
        list->SelectItem(row);
        grid->Fill(row->data());
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
