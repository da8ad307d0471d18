// Not a test. Two uses:
//   tovalo_itemdlg_demo scan [files] [folders]
//       builds a tree of .cu files in a temporary folder, times the directory scan alone and the
//       add command's scan with its UI (longest stall of the UI thread measured with a 10 ms
//       timer), and prints the numbers.
//   tovalo_itemdlg_demo show add|update top|middle|bottom
//       shows the item dialog (for screenshots), scrolled to the top, the middle or the bottom
//       of the page;
//       a fifth argument "tip" also shows the tool tip of --in-root. Prints "ready" once the
//       dialog is shown and scrolled.
//   Either use may be preceded by --lang ja|en|cn|tw|ko, which installs that built language
//   pack (the program's TovaloLang*.qm and Qt's own texts of that language).

#include "app/language_pack.h"
#include "controls/commui/color_tool_tip_ctrl.h"
#include "controls/commui/dlg_scroll.h"
#include "data/option_table.h"
#include "ui/item_dialog/directory_scan.h"
#include "ui/item_dialog/directory_scan_runner.h"
#include "ui/item_dialog/dpct_data_dlg.h"
#include "ui/item_dialog/dpct_data_set_dlg.h"
#include "ui/item_dialog/folder_memory.h"

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

using namespace tovalo::gui;

namespace {

int scanBench(int files, int folders)
{
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString root = tmp.filePath(QStringLiteral("tree"));
    const int perFolder = std::max(1, files / folders);
    const int top = std::max(1, folders / 100);
    int made = 0;
    for (int f = 0; f < folders; ++f) {
        // Two levels: top folders holding up to 100 sub-folders each.
        const QString dir =
            root +
            QStringLiteral("/t%1/s%2").arg(f % top, 3, 10, QLatin1Char('0')).arg(f, 5, 10, QLatin1Char('0'));
        QDir().mkpath(dir);
        for (int i = 0; i < perFolder && made < files; ++i, ++made) {
            QFile file(dir + QStringLiteral("/k%1.cu").arg(i));
            if (!file.open(QIODevice::WriteOnly))
                return 1;
        }
    }
    std::printf("tree: %d files in %d folders (+%d top folders) under %s\n", made, folders, top,
                qPrintable(root));

    tovalo::gui::ScanRequest request;
    request.directory = root.toStdString();
    request.includeSubdirs = true;
    for (int run = 0; run < 3; ++run) {
        std::vector<std::string> found;
        QElapsedTimer t;
        t.start();
        tovalo::gui::scanCudaDirectory(request, found);
        std::printf("scan alone, run %d: %zu files in %.1f ms\n", run + 1, found.size(),
                    double(t.nsecsElapsed()) / 1e6);
    }

    tovalo::CDpctData confirmed;
    confirmed.kind = tovalo::ItemKind::Directory;
    confirmed.path = request.directory;
    confirmed.includeSubdirs = true;
    QElapsedTimer tick;
    qint64 worst = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, &probe, [&] { worst = std::max(worst, tick.restart()); });
    probe.start(10);
    tick.start();
    QElapsedTimer t;
    t.start();
    const DirectoryScanResult res = runDirectoryScan(nullptr, confirmed, {});
    const double ms = double(t.nsecsElapsed()) / 1e6;
    probe.stop();
    std::printf("add command scan with UI: %zu items in %.1f ms; longest UI-thread gap %lld ms\n",
                res.items.size(), ms, static_cast<long long>(std::max(worst, tick.elapsed())));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    tovalo::gui::LanguagePack pack;
    if (args.size() >= 3 && args[1] == QStringLiteral("--lang")) {
        const int index = QStringList{QStringLiteral("ja"), QStringLiteral("en"), QStringLiteral("cn"),
                                      QStringLiteral("tw"), QStringLiteral("ko")}
                              .indexOf(args[2]);
        tovalo::gui::LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
        if (index < 0 || !pack.load(index)) {
            std::fprintf(stderr, "no language pack '%s' in %s\n", qPrintable(args[2]), TOVALO_QM_DIR);
            return 2;
        }
        args.remove(1, 2);
    }
    if (args.size() >= 2 && args[1] == QStringLiteral("scan"))
        return scanBench(args.size() > 2 ? args[2].toInt() : 20000, args.size() > 3 ? args[3].toInt() : 2000);
    if (args.size() >= 4 && args[1] == QStringLiteral("show")) {
        const bool add = args[2] == QStringLiteral("add");
        MapFolderMemory folders;
        tovalo::CDpctData defaults;
        tovalo::CDpctData item;
        item.path =
            QDir::toNativeSeparators(QDir::home().filePath(QStringLiteral("src/kernel.cu"))).toStdString();
        item.setOn(tovalo::kInRoot, true);
        item.setText(tovalo::kInRoot, "/no/such/root/");
        item.setOn(tovalo::kUsmLevel, true);
        item.setOn(tovalo::kOutputVerbosity, true);
        item.setOn(tovalo::kVcxprojFile, true);
        tovalo::CDpctData target = item;
        CDpctDataDlg dlg(add ? CDpctDataDlg::Mode::Add : CDpctDataDlg::Mode::Update, target, &defaults, {},
                         &folders);
        dlg.show();
        if (args[3] == QStringLiteral("bottom") || args[3] == QStringLiteral("middle"))
            QTimer::singleShot(100, &dlg, [&dlg, middle = args[3] == QStringLiteral("middle")] {
                QScrollBar* bar = dlg.scroll()->verticalScrollBar();
                bar->setValue(middle ? (bar->minimum() + bar->maximum()) / 2 : bar->maximum());
            });
        if (args.size() > 4 && args[4] == QStringLiteral("tip"))
            QTimer::singleShot(300, &dlg, [&dlg] {
                QCheckBox* box = dlg.page()->checkBox(tovalo::kInRoot);
                dlg.page()->toolTip()->showTip(box,
                                               box->mapToGlobal(QPoint(box->width() / 2, box->height() / 2)));
            });
        // Tells a screenshot script that the dialog is shown and scrolled.
        QTimer::singleShot(600, &dlg, [] {
            std::puts("ready");
            std::fflush(stdout);
        });
        return app.exec();
    }
    std::fprintf(stderr,
                 "usage: %s [--lang ja|en|cn|tw|ko] scan [files] [folders] | show add|update "
                 "top|middle|bottom [tip]\n",
                 argv[0]);
    return 2;
}
