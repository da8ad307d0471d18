// Timing of the item list with 10,000 rows: reading a definition file and showing it, and the
// repaint after scrolling one page. Run on any Qt platform, e.g.
//   QT_QPA_PLATFORM=offscreen build/release/bench/tovalo_gui_list_bench
//   xvfb-run -a build/release/bench/tovalo_gui_list_bench

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/definition_document.h"
#include "data/definition_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace tovalo::gui;

using namespace tovalo;

namespace {

constexpr int kItems = 10000;

std::vector<CDpctData> makeItems(int count)
{
    std::vector<CDpctData> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CDpctData& item = items[static_cast<std::size_t>(i)];
        item.path = "/home/user/projects/cuda-samples/Samples/" + std::to_string(i % 97) + "_module/kernel_" +
                    std::to_string(i) + ".cu";
        for (const OptionInfo& o : optionTable()) {
            if ((o.slot + i) % 3 == 0)
                continue;
            item.setOn(o.slot, true);
            if (o.kind == OptionKind::Text)
                item.setText(o.slot, "/home/user/projects/out dir/" + std::string(o.name.substr(2)));
        }
    }
    return items;
}

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
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("items.txt")).toStdString();
    Message error;
    if (!writeDefinitionFile(path, makeItems(kItems), error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), englishText(error).c_str());
        return 1;
    }

    std::vector<double> readMs, fillMs, showMs, totalMs;
    for (int rep = 0; rep < 7; ++rep) {
        QElapsedTimer total;
        total.start();
        QElapsedTimer t;
        t.start();
        ReadResult r = readDefinitionFile(path);
        readMs.push_back(ms(t));
        if (!r.ok || r.items.size() != kItems) {
            std::fprintf(stderr, "read failed: %s\n", englishText(r.error).c_str());
            return 1;
        }

        // The document window's way: the items go into its document, which the list shows
        // through the model.
        t.restart();
        DefinitionDocument doc;
        DefinitionModel model(doc);
        CDpctTreeCtrl list;
        list.setModel(&model);
        list.resize(700, 800);
        doc.add(std::move(r.items));
        list.selectRow(0);
        fillMs.push_back(ms(t));

        t.restart();
        list.show();
        QApplication::processEvents();
        list.viewport()->repaint();
        showMs.push_back(ms(t));
        totalMs.push_back(ms(total));
    }
    std::printf("open a definition file of %d items and show it (median of 7):\n", kItems);
    std::printf(
        "  read %.1f ms, fill list %.1f ms, show + first paint %.1f ms, total %.1f ms (target < 300)\n",
        median(readMs), median(fillMs), median(showMs), median(totalMs));

    // One page down and a synchronous repaint, over the whole list and back.
    for (const int rows : {100, kItems}) {
        DefinitionDocument doc;
        DefinitionModel model(doc);
        CDpctTreeCtrl list;
        list.setModel(&model);
        list.resize(700, 800);
        std::vector<CDpctData> items(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) {
            CDpctData& item = items[static_cast<std::size_t>(i)];
            item.path = "/home/user/projects/kernel_" + std::to_string(i) + ".cu";
            item.status = static_cast<ItemStatus>(i % 6);
        }
        doc.add(std::move(items));
        list.show();
        QApplication::processEvents();
        std::vector<double> pageMs;
        for (int i = 0; i < 400; ++i) {
            const auto action =
                (i / 200) % 2 == 0 ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub;
            QElapsedTimer t;
            t.start();
            list.verticalScrollBar()->triggerAction(action);
            list.viewport()->repaint();
            pageMs.push_back(ms(t));
        }
        std::printf(
            "scroll one page and repaint, %d rows, %d x %d view: median %.3f ms, max %.3f ms (target < 16)\n",
            rows, list.viewport()->width(), list.viewport()->height(), median(pageMs),
            *std::max_element(pageMs.begin(), pageMs.end()));
    }
    return 0;
}
