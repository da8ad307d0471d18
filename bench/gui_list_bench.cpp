// Timing of the item list with 10,000 rows (or --items N): reading a definition file and showing
// it with the peak memory of the process, selecting every row and changing one option of all of
// them (as the item dialog for several items does), and the repaint after scrolling one page. Run
// on any Qt platform, e.g.
//   QT_QPA_PLATFORM=offscreen build/release/bench/tovalo_gui_list_bench
//   QT_QPA_PLATFORM=offscreen build/release/bench/tovalo_gui_list_bench --items 200000 --file /tmp/l.txt
// With --file the list is written to that file and the program ends when the file does not exist
// yet; a second run with the same file only opens it, so that its peak memory is that of the
// open list, not of the generated items.
// --kind says what the items carry: "heavy" (the default) about two thirds of all options, the
// texts long folder names; "distinct" the same with every text naming its item, so that no two
// items share one; "import" what an import of a compilation database gives: -p, --in-root,
// --out-root and one to three other options.

#include "controls/definition_model.h"
#include "controls/dpct_tree_ctrl.h"
#include "data/common_options.h"
#include "data/definition_document.h"
#include "data/definition_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <sys/resource.h>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace tovalo::gui;

using namespace tovalo;

namespace {

int kItems = 10000;

enum class Kind
{
    Heavy,
    Distinct,
    Import,
};
Kind kKind = Kind::Heavy;

/// Peak resident memory of the process so far, in MB.
double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::vector<CDpctData> makeItems(int count)
{
    std::vector<CDpctData> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CDpctData& item = items[static_cast<std::size_t>(i)];
        item.path = "/home/user/projects/cuda-samples/Samples/" + std::to_string(i % 97) + "_module/kernel_" +
                    std::to_string(i) + ".cu";
        if (kKind == Kind::Import) {
            const auto set = [&](int slot, std::string text) {
                item.setOn(slot, true);
                item.setText(slot, std::move(text));
            };
            set(kCompilationDatabase, "/home/user/projects/cuda-samples/build");
            set(kInRoot, "/home/user/projects/cuda-samples");
            set(kOutRoot, "/home/user/projects/cuda-samples-sycl");
            item.setOn(kComments, true);
            if (i % 3 >= 1)
                item.setOn(kKeepOriginalCode, true);
            if (i % 3 == 2)
                set(kExtraArg, "-DMODULE=" + std::to_string(i % 97));
            continue;
        }
        const std::string tail = kKind == Kind::Distinct ? "/" + std::to_string(i) : std::string();
        for (const OptionInfo& o : optionTable()) {
            if ((o.slot + i) % 3 == 0)
                continue;
            item.setOn(o.slot, true);
            if (o.kind == OptionKind::Text)
                item.setText(o.slot, "/home/user/projects/out dir/" + std::string(o.name.substr(2)) + tail);
        }
    }
    return items;
}

/// Processor time of the calling thread so far, in ms: on a loaded machine the wall-clock times
/// include the waits for a core, this does not.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
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
    std::string file;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--items") == 0)
            kItems = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--file") == 0)
            file = argv[i + 1];
        else if (std::strcmp(argv[i], "--kind") == 0)
            kKind = std::strcmp(argv[i + 1], "import") == 0     ? Kind::Import
                    : std::strcmp(argv[i + 1], "distinct") == 0 ? Kind::Distinct
                                                                : Kind::Heavy;
    }
    // A large list is opened once: the peak memory is that of one open list.
    const int reps = kItems > 50000 ? 1 : 7;
    QTemporaryDir dir;
    const std::string path =
        file.empty() ? QDir(dir.path()).filePath(QStringLiteral("items.txt")).toStdString() : file;
    const bool written = !file.empty() && QFileInfo::exists(QString::fromStdString(file));
    Message error;
    if (!written && !writeDefinitionFile(path, makeItems(kItems), error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), englishText(error).c_str());
        return 1;
    }
    if (!file.empty() && !written) {
        std::printf("wrote %s; run again with the same --file to open it\n", path.c_str());
        return 0;
    }

    std::vector<double> readMs, fillMs, showMs, totalMs, cpuMs;
    const double beforeOpenMb = peakMb();
    std::unique_ptr<DefinitionDocument> keptDoc;
    std::unique_ptr<DefinitionModel> keptModel;
    std::unique_ptr<CDpctTreeCtrl> keptList;
    for (int rep = 0; rep < reps; ++rep) {
        QElapsedTimer total;
        total.start();
        const double cpuStart = threadCpuMs();
        QElapsedTimer t;
        t.start();
        ReadResult r = readDefinitionFile(path);
        readMs.push_back(ms(t));
        if (!r.ok || r.items.size() != static_cast<std::size_t>(kItems)) {
            std::fprintf(stderr, "read failed: %s\n", englishText(r.error).c_str());
            return 1;
        }

        // The document window's way: the items go into its document, which the list shows
        // through the model.
        t.restart();
        keptList.reset();
        keptModel.reset();
        keptDoc = std::make_unique<DefinitionDocument>();
        keptModel = std::make_unique<DefinitionModel>(*keptDoc);
        keptList = std::make_unique<CDpctTreeCtrl>();
        CDpctTreeCtrl& list = *keptList;
        list.setModel(keptModel.get());
        list.resize(700, 800);
        keptDoc->add(std::move(r.items));
        list.selectRow(0);
        fillMs.push_back(ms(t));

        t.restart();
        list.show();
        QApplication::processEvents();
        list.viewport()->repaint();
        showMs.push_back(ms(t));
        totalMs.push_back(ms(total));
        cpuMs.push_back(threadCpuMs() - cpuStart);
    }
    std::printf("open a definition file of %d items and show it (median of %d):\n", kItems, reps);
    std::printf("  read %.1f ms, fill list %.1f ms, show + first paint %.1f ms, total %.1f ms (target < %d; "
                "processor time of the GUI thread %.1f ms)\n",
                median(readMs), median(fillMs), median(showMs), median(totalMs), kItems > 50000 ? 1000 : 300,
                median(cpuMs));
    std::printf("  peak memory %.0f MB (%.0f MB before the file was %s; target < 300)\n", peakMb(),
                beforeOpenMb, written ? "opened" : "written and opened");

    {
        // Select every row, show what they share, and switch one option on for all of them as one
        // step of the history, then repaint: what Ctrl+A and the item dialog for several items do.
        CDpctTreeCtrl& list = *keptList;
        QElapsedTimer t;
        t.start();
        const double cpuStart = threadCpuMs();
        list.selectAll();
        std::vector<int> rows = list.selectedRows();
        std::vector<const CDpctData*> items;
        items.reserve(rows.size());
        for (int& row : rows) {
            row = keptModel->documentRow(row);
            items.push_back(keptDoc->item(row));
        }
        const CommonOptions common = commonOptions(items);
        const double selectMs = ms(t);
        t.restart();
        CDpctData edited = common.shown;
        edited.setOn(kComments, !common.shown.isOn(kComments));
        OptionTouches touches;
        touches.on.set(kComments);
        const int changed = updateTouchedOptions(*keptDoc, rows, edited, touches);
        list.viewport()->repaint();
        const double changeMs = ms(t);
        const double cpuMs = threadCpuMs() - cpuStart;
        std::printf("select all %zu rows and find their common options %.1f ms; switch --comments for %d "
                    "items (one undo step) and repaint %.1f ms; together %.1f ms (target < 1000; "
                    "processor time %.1f ms)\n",
                    rows.size(), selectMs, changed, changeMs, selectMs + changeMs, cpuMs);
        std::printf("  peak memory afterwards %.0f MB\n", peakMb());
    }
    keptList.reset();
    keptModel.reset();
    keptDoc.reset();

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
