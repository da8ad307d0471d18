// Timing of the item list's filter and the editing history with 10,000 rows: each filter text a
// user types in turn (the model rebuilt and the list repainted), a check of every source file
// for existence (on the worker thread, until the marks are in), and undoing and redoing a
// "delete all". Run on any Qt platform, e.g.
//   QT_QPA_PLATFORM=offscreen build/release/bench/tovalo_gui_filter_bench

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_document.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

using namespace tovalo;
using namespace tovalo::gui;

namespace {

constexpr int kItems = 10000;

double ms(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DefinitionDocument doc;
    std::vector<CDpctData> items(kItems);
    for (int i = 0; i < kItems; ++i)
        items[static_cast<std::size_t>(i)].path = "/home/user/projects/cuda-samples/Samples/" +
                                                  std::to_string(i % 97) + "_Module/kernel_" +
                                                  std::to_string(i) + ".cu";
    doc.add(std::move(items));
    DefinitionModel model(doc);
    CDpctTreeCtrl list;
    list.setModel(&model);
    list.resize(900, 700);
    list.show();
    QApplication::processEvents();

    // The texts a user types, one keystroke at a time, then clears.
    const QStringList typed = {
        QStringLiteral("k"),        QStringLiteral("ke"),        QStringLiteral("ker"),
        QStringLiteral("kernel_1"), QStringLiteral("kernel_12"), QStringLiteral("kernel_123"),
        QStringLiteral("_MODULE/"), QStringLiteral("zzz"),       QString()};
    std::vector<double> perText;
    double worst = 0;
    for (int rep = 0; rep < 5; ++rep) {
        for (const QString& text : typed) {
            QElapsedTimer t;
            t.start();
            model.setFilterText(text);
            list.viewport()->repaint();
            const double took = ms(t);
            perText.push_back(took);
            worst = std::max(worst, took);
        }
    }
    std::printf("filter %d rows, per keystroke incl. repaint: median %.2f ms, worst %.2f ms\n", kItems,
                median(perText), worst);

    std::vector<double> checkMs, startMs;
    for (int rep = 0; rep < 5; ++rep) {
        QElapsedTimer t;
        t.start();
        QEventLoop loop;
        QObject::connect(&model, &DefinitionModel::filesChecked, &loop, &QEventLoop::quit);
        model.checkFiles();
        startMs.push_back(ms(t));
        loop.exec();
        checkMs.push_back(ms(t));
    }
    {
        QElapsedTimer t;
        t.start();
        const std::vector<std::string> copy = doc.paths();
        std::printf("(copying the %zu paths: %.2f ms)\n", copy.size(), ms(t));
    }
    std::printf("existence check: median %.2f ms on the UI thread to start it (first %.2f ms)\n",
                median(startMs), startMs.front());
    std::printf("existence check of %d missing files, until marked: median %.2f ms (worker thread)\n",
                model.missingCount(), median(checkMs));

    std::vector<double> undoMs, redoMs;
    for (int rep = 0; rep < 5; ++rep) {
        doc.removeAll();
        QElapsedTimer t;
        t.start();
        doc.undo();
        undoMs.push_back(ms(t));
        t.restart();
        doc.redo();
        redoMs.push_back(ms(t));
        doc.undo();
    }
    std::printf("undo of delete all (%d rows): median %.2f ms; redo: median %.2f ms\n", kItems,
                median(undoMs), median(redoMs));
    return 0;
}
