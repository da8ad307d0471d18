// CMainFrame's documents: the list windows in the MDI area (new, opened, recent, the active one),
// closing the main window with its documents, and files dropped on the window (definition files
// open, sources join the list they are dropped on).

#include "app/app_settings.h"
#include "base/path_text.h"
#include "controls/commui/dialog_seam.h"
#include "data/definition_file.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_window.h"
#include "ui/main_commands.h"
#include "ui/main_frame.h"
#include "ui/main_status_bar.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"
#include "ui/window_looks.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

namespace tovalo::gui {

// ---------------------------------------------------------------------------------------------
// Documents

void CMainFrame::setDocumentFactory(DocumentFactory factory)
{
    documentFactory_ = std::move(factory);
}

void CMainFrame::documentsChanged()
{
    commands_->setDocumentsOpen(!mdiArea_->subWindowList().isEmpty());
    // A run's summary belongs to its list.
    const DocumentWindow* active = activeDocument();
    statusBar_->setSummaryShown(active && active == run_->runDocument());
    updateTitle();
    updateActions();
}

QMdiSubWindow* CMainFrame::showDocument(DocumentWindow* doc)
{
    QMdiSubWindow* sub = mdiArea_->addSubWindow(doc);
    sub->setObjectName(QStringLiteral("documentSubWindow"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    looks_->decorate(sub);
    doc->applyColors(settings_);
    doc->setRunPhase(run_->phase());
    connect(doc, &DocumentWindow::stateChanged, this, [this] {
        updateTitle();
        updateActions();
    });
    connect(doc, &DocumentWindow::convertSelectedRequested, this, [this, doc] {
        if (action(cmd::ConvertSelected)->isEnabled())
            run_->startAfterAsking(doc, RunScope::Selected, this);
        updateActions();
    });
    connect(sub, &QObject::destroyed, this, &CMainFrame::documentsChanged);
    doc->installEventFilter(this);

    if (settings_.tabMode[kTabMdiOn] == 0)
        sub->showMaximized();
    else
        sub->show();
    mdiArea_->setActiveSubWindow(sub);
    doc->setProportions();
    documentsChanged();
    return sub;
}

DocumentWindow* CMainFrame::newDocumentWindow()
{
    DocumentWindow* doc = documentFactory_();
    showDocument(doc);
    return doc;
}

QList<DocumentWindow*> CMainFrame::documentWindows() const
{
    QList<DocumentWindow*> docs;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* doc = qobject_cast<DocumentWindow*>(sub->widget()))
            docs.append(doc);
    }
    return docs;
}

DocumentWindow* CMainFrame::activeDocument() const
{
    QMdiSubWindow* sub = mdiArea_->activeSubWindow();
    if (!sub) {
        // Offscreen and while another window has the focus the MDI area reports no active
        // sub-window; the current one is still the document the commands act on.
        sub = mdiArea_->currentSubWindow();
    }
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

bool CMainFrame::openDefinition(const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    const QList<DocumentWindow*> docs = documentWindows();
    for (qsizetype i = docs.size() - 1; i >= 0; --i) {
        const QString open = docs.at(i)->filePath();
        if (!open.isEmpty() &&
            samePathText(QFileInfo(open).absoluteFilePath().toStdString(), wanted.toStdString())) {
            mdiArea_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(docs.at(i)->parentWidget()));
            return true;
        }
    }
    DocumentWindow* doc = documentFactory_();
    QString error;
    if (!doc->loadDefinition(wanted, error)) {
        delete doc;
        MessageBox::error(this, tr("%1\n%2").arg(QDir::toNativeSeparators(wanted), error));
        return false;
    }
    showDocument(doc);
    settings_.addRecent(wanted.toStdString());
    refreshRecentFiles();
    return true;
}

void CMainFrame::openFromDialog()
{
    if (!action(cmd::Open)->isEnabled())
        return;
    // Beside the active definition file, else in the folder last opened from.
    QString beside;
    if (DocumentWindow* doc = activeDocument(); doc && !doc->filePath().isEmpty())
        beside = QFileInfo(doc->filePath()).absolutePath();
    const QString start = chooserStartFolder(beside, QString::fromStdString(settings_.folders[kDirTextOpen]));
    const QString path = DialogSeam::openFileName(this, tr("Open Definition File"), start,
                                                  tr("Definition file (*.txt);;All Files (*)"));
    if (path.isEmpty())
        return;
    settings_.folders[kDirTextOpen] = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    openDefinition(path);
}

void CMainFrame::openRecent(int index)
{
    if (index < 0 || index >= static_cast<int>(settings_.recent.size()) || !run_->isIdle())
        return;
    openDefinition(QString::fromStdString(settings_.recent[static_cast<std::size_t>(index)]));
}

void CMainFrame::refreshRecentFiles()
{
    commands_->setRecentFiles(recentFiles(settings_), run_->isIdle());
}

// ---------------------------------------------------------------------------------------------
// Closing, drops

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Every question comes before anything closes: the run's, then each modified document's
    // save question. A "no" or a Cancel on any of them leaves everything as it was. Nothing
    // is asked when nothing would be lost.
    const QList<DocumentWindow*> docs = documentWindows();
    const bool modified =
        std::any_of(docs.begin(), docs.end(), [](DocumentWindow* d) { return d->isModified(); });
    if (isRunPhase(run_->phase()) || modified) {
        const QString text =
            tr("\"Intel®  oneAPI DPC++ Compatibility Tool\" Support App\nDo you really want to quit?");
        if (MessageBox::askYesNo(this, text) != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    if (!querySaveAll()) {
        event->ignore();
        return;
    }
    // All answered: the windows close without asking again, the run first.
    storeLayout();
    quitting_ = true;
    run_->close();
    const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    const bool allClosed =
        std::all_of(subs.rbegin(), subs.rend(), [](QMdiSubWindow* sub) { return sub->close(); });
    quitting_ = false;
    if (!allClosed) {
        event->ignore();
        return;
    }
    event->accept();
}

bool CMainFrame::querySaveAll()
{
    const QList<DocumentWindow*> docs = documentWindows();
    return std::all_of(docs.begin(), docs.end(), [](DocumentWindow* doc) { return doc->queryClose(); });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && event->isAccepted()) {
        if (auto* doc = qobject_cast<DocumentWindow*>(watched)) {
            // A document window's close box and close command do nothing while a run or the
            // start-up sequence is under way; quitting the program still closes it.
            if (!run_->isIdle() && !quitting_) {
                event->ignore();
                return true;
            }
            // Filters see the close before the window does: the save question is asked here
            // (when quitting it has been asked already), and a run of this document is stopped
            // before its items go away.
            if (!quitting_ && !doc->queryClose()) {
                event->ignore();
                return true;
            }
            run_->documentClosing(doc);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

DocumentWindow* CMainFrame::documentAt(const QPoint& pos) const
{
    for (QWidget* w = childAt(pos); w; w = w->parentWidget()) {
        if (auto* doc = qobject_cast<DocumentWindow*>(w))
            return doc;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return qobject_cast<DocumentWindow*>(sub->widget());
    }
    return activeDocument();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // Sources join the list they are dropped on (or the active one) with the list's duplicate
    // rule; every other file is opened as a definition file.
    QStringList sources;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile())
            continue;
        const QString path = QFileInfo(url.toLocalFile()).absoluteFilePath();
        if (isListSource(path.toStdString()))
            sources << path;
        else
            openDefinition(path);
    }
    if (!sources.isEmpty()) {
        DocumentWindow* doc = documentAt(event->position().toPoint());
        if (!doc && action(cmd::New)->isEnabled())
            doc = newDocumentWindow();
        if (doc && doc->commandEnabled(cmd::AddItem)) {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(doc->parentWidget()))
                mdiArea_->setActiveSubWindow(sub);
            std::vector<CDpctData> items;
            for (const QString& path : std::as_const(sources)) {
                CDpctData item = settings_.defaultItem;
                item.path = QDir::toNativeSeparators(path).toStdString();
                items.push_back(std::move(item));
            }
            doc->addItems(std::move(items));
        }
    }
    event->acceptProposedAction();
}

} // namespace tovalo::gui
