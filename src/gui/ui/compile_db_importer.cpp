#include "ui/compile_db_importer.h"

#include "app/app_settings.h"
#include "data/compile_db_import.h"
#include "settings/settings.h"
#include "ui/core_messages.h"
#include "ui/document_window.h"
#include "ui/import_db_dialog.h"
#include "ui/message_box.h"

#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

namespace tovalo::gui {
namespace {

struct Outcome
{
    bool ok = false;
    ImportResult result;
    Message error;
};

} // namespace

CompileDbImporter::CompileDbImporter(Settings& settings, QWidget* window,
                                     std::function<DocumentWindow*()> newList,
                                     std::function<DocumentWindow*()> activeList)
    : QObject(window), settings_(settings), window_(window), newList_(std::move(newList)),
      activeList_(std::move(activeList))
{}

void CompileDbImporter::start()
{
    if (busy_)
        return;
    QPointer<DocumentWindow> active = activeList_();
    // Beside the open list, else where the last database was chosen.
    const QString beside =
        active && !active->filePath().isEmpty() ? QFileInfo(active->filePath()).absolutePath() : QString();
    const QString startFolder = chooserStartFolder(QString::fromStdString(settings_.folders[kDirP]), beside);
    const QString activeName = !active                        ? QString()
                               : active->filePath().isEmpty() ? active->windowTitle()
                                                              : QFileInfo(active->filePath()).fileName();
    ImportDbDialog dialog(startFolder, activeName, window_);
    if (dialog.exec() != QDialog::Accepted || dialog.database().isEmpty())
        return;

    const QString database = dialog.database();
    const QFileInfo info(database);
    settings_.folders[kDirP] =
        QDir::toNativeSeparators(info.isDir() ? info.absoluteFilePath() : info.absolutePath()).toStdString();
    ImportSettings wanted;
    wanted.inRoot = dialog.inRoot().toStdString();
    wanted.outRoot = dialog.outRoot().toStdString();
    wanted.allEntries = dialog.allEntries();
    const bool join = dialog.target() == ImportDbDialog::Target::ActiveList;

    busy_ = true;
    Q_EMIT busyChanged(true);
    // A database of tens of thousands of entries is read off the UI thread.
    auto promise = std::make_shared<QPromise<std::shared_ptr<Outcome>>>();
    auto* watcher = new QFutureWatcher<std::shared_ptr<Outcome>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, database, join, active] {
        watcher->deleteLater();
        const std::shared_ptr<Outcome> outcome = watcher->future().resultAt(0);
        busy_ = false;
        Q_EMIT busyChanged(false);
        const QString shown = QDir::toNativeSeparators(database);
        if (!outcome->ok) {
            MessageBox::error(window_, tr("%1\nThe compilation database could not be imported: %2\nNo items "
                                          "were added.")
                                           .arg(shown, wordMessage(outcome->error)));
            Q_EMIT finished();
            return;
        }
        ImportResult& result = outcome->result;
        // A list closed while the database was read leaves the items a list of their own.
        DocumentWindow* target = join ? active.data() : nullptr;
        if (target)
            dropListed(result, [target](std::string_view path) { return target->listsPath(path); });
        else if (!result.items.empty())
            target = newList_();
        if (target && !result.items.empty())
            target->addItems(std::move(result.items));
        MessageBox::inform(window_, shown + QLatin1Char('\n') +
                                        wordMessage(importSummary(result.counts, result.allEntries)));
        Q_EMIT finished();
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start(
        [promise, path = database.toStdString(), wanted = std::move(wanted)] {
            auto outcome = std::make_shared<Outcome>();
            outcome->ok = importCompileDb(path, wanted, outcome->result, outcome->error);
            promise->addResult(std::move(outcome));
            promise->finish();
        });
}

} // namespace tovalo::gui
