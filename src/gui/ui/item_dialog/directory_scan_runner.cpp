#include "ui/item_dialog/directory_scan_runner.h"

#include "controls/commui/dialog_seam.h"
#include "ui/item_dialog/directory_scan.h"
#include "ui/item_dialog/path_line_break.h"

#include <atomic>
#include <memory>
#include <thread>

#include <QCoreApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>

namespace tovalo::gui {

using namespace tovalo;

DirectoryScanResult runDirectoryScan(QWidget* parent, const CDpctData& confirmed,
                                     const std::vector<std::string>& existingPaths, int showAfterMs)
{
    DirectoryScanResult result;
    std::atomic<bool> cancel{false};
    std::vector<std::string> found;
    ScanOutcome outcome = ScanOutcome::NotFound;

    std::unique_ptr<QProgressDialog> progress;
    QString progressText = QCoreApplication::translate("DirectoryScan", "Searching for CUDA files...");

    QEventLoop loop;
    ScanRequest request;
    request.directory = confirmed.path;
    request.includeSubdirs = confirmed.includeSubdirs;
    request.existingPaths = existingPaths;
    request.cancel = &cancel;
    request.withLineBreak = &result.withLineBreak;
    request.totals = &result.totals;
    request.progress = [&loop, &progress, &progressText](const ScanProgress& p) {
        // Called on the scanning thread: the text is formed there, shown on the UI thread.
        const QString text = QCoreApplication::translate("DirectoryScan", "Searching for CUDA files...\n"
                                                                          "%1 folders, %2 files found")
                                 .arg(p.foldersEntered)
                                 .arg(p.filesFound);
        QMetaObject::invokeMethod(
            &loop,
            [&progress, &progressText, text] {
                progressText = text;
                if (progress)
                    progress->setLabelText(text);
            },
            Qt::QueuedConnection);
    };

    // Set on the UI thread when the scan's end arrives there. The show timer and the end can be
    // handled in the same pass of the event loop in either order; the flag keeps a scan that
    // ended first from leaving the second loop waiting for a quit that has already happened.
    bool finished = false;
    std::thread worker([&] {
        outcome = scanCudaDirectory(request, found);
        QMetaObject::invokeMethod(
            &loop,
            [&loop, &finished] {
                finished = true;
                loop.quit();
            },
            Qt::QueuedConnection);
    });

    // The first moment without any window: user input waits; then the progress dialog, which is
    // modal, takes over.
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, &loop, [&loop, &finished] {
        if (!finished)
            loop.exit(1);
    });
    showTimer.start(showAfterMs);
    if (loop.exec(QEventLoop::ExcludeUserInputEvents) == 1 && !finished) {
        progress = std::make_unique<QProgressDialog>(parent);
        progress->setObjectName(QStringLiteral("scanProgress"));
        progress->setWindowTitle(QCoreApplication::translate("DirectoryScan", "Add Data"));
        progress->setLabelText(progressText);
        progress->setCancelButtonText(QCoreApplication::translate("DirectoryScan", "Cancel"));
        progress->setRange(0, 0);
        progress->setMinimumDuration(0);
        progress->setWindowModality(Qt::ApplicationModal);
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
        progress->show();
        if (!finished)
            loop.exec();
    }
    showTimer.stop();
    worker.join();
    if (progress)
        progress->hide();

    result.matched = outcome != ScanOutcome::NotFound;
    result.cancelled = outcome == ScanOutcome::Cancelled;
    if (result.cancelled) {
        result.withLineBreak.clear();
        return result;
    }
    result.items.reserve(found.size());
    for (std::string& path : found) {
        CDpctData item = confirmed;
        item.kind = ItemKind::File;
        item.includeSubdirs = false;
        item.path = std::move(path);
        result.items.push_back(std::move(item));
    }
    if (!result.withLineBreak.empty()) {
        // Named one per line, the line breaks inside a name shown as a visible mark; a long
        // list is cut so that the box fits on the screen.
        constexpr std::size_t kShown = 10;
        QStringList names;
        for (std::size_t i = 0; i < result.withLineBreak.size() && i < kShown; ++i)
            names << visibleLineBreaks(QString::fromStdString(result.withLineBreak[i]));
        if (result.withLineBreak.size() > kShown)
            names << QCoreApplication::translate("DirectoryScan", "... and %1 more")
                         .arg(result.withLineBreak.size() - kShown);
        DialogSeam::message(parent, 735, QMessageBox::Warning,
                            QCoreApplication::translate(
                                "DirectoryScan", "%1 CUDA files were left out: their names contain a "
                                                 "line break, which a definition file cannot hold.\n\n%2")
                                .arg(result.withLineBreak.size())
                                .arg(names.join(QLatin1Char('\n'))));
    }
    const QString report = scanReport(result);
    if (result.items.empty()) {
        QString text = QCoreApplication::translate("DirectoryScan", "There were no items to add.");
        if (result.totals.alreadyListed > 0 || result.totals.unreadableFolders > 0 ||
            result.totals.linkedFolders > 0 || !result.withLineBreak.empty())
            text += QStringLiteral("\n\n") + report;
        DialogSeam::message(parent, 732, QMessageBox::Warning, text);
    } else if (auto* window = parent ? qobject_cast<QMainWindow*>(parent->window()) : nullptr) {
        window->statusBar()->showMessage(report, 15000);
    }
    return result;
}

QString scanReport(const DirectoryScanResult& result)
{
    const ScanProgress& t = result.totals;
    QStringList why;
    if (!result.withLineBreak.empty())
        why << QCoreApplication::translate("DirectoryScan", "%1 with a line break in the name")
                   .arg(result.withLineBreak.size());
    if (t.unreadableFolders > 0)
        why << QCoreApplication::translate("DirectoryScan", "%1 folders could not be read")
                   .arg(t.unreadableFolders);
    if (t.linkedFolders > 0)
        why << QCoreApplication::translate("DirectoryScan", "%1 links to folders not followed")
                   .arg(t.linkedFolders);
    QString text =
        QCoreApplication::translate("DirectoryScan", "Folder scan: %1 added, %2 already in the list")
            .arg(result.items.size())
            .arg(t.alreadyListed);
    if (!why.isEmpty())
        text +=
            QCoreApplication::translate("DirectoryScan", ", skipped: %1").arg(why.join(QStringLiteral("; ")));
    return text;
}

} // namespace tovalo::gui
