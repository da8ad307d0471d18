#include "ui/document_commands.h"

#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/document_files.h"
#include "ui/list_editor.h"
#include "ui/report_export.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeySequence>
#include <QMdiSubWindow>

namespace tovalo::gui {
namespace {

using State = DocumentCommandState;

// Editing, saving and closing wait for the end of a run and of the start-up sequence: the run
// references the items. The diagnostics view only reads, so it opens during a run too.
const DocumentCommand kCommands[] = {
    {
        .id = cmd::Save,
        .objectName = "actionSave",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Save Definition File"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Save the definition file\nSave"),
        .keys = {Qt::CTRL | Qt::Key_S},
        .icon = "save",
        .enabled = [](const State& s) { return s.idle && s.rows > 0 && s.modified; },
        .run = [](CChildFrame& w) { w.files()->save(); },
    },
    {
        .id = cmd::SaveAs,
        .objectName = "actionSaveAs",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Save &As..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands",
                                 "Save the definition file under a new name\nSave As"),
        .icon = "saveas",
        .enabled = [](const State& s) { return s.idle && s.rows > 0; },
        .run = [](CChildFrame& w) { w.files()->saveAs(); },
    },
    {
        .id = cmd::Close,
        .objectName = "actionClose",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Close"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Close the active document\nClose"),
        .enabled = [](const State& s) { return s.idle; },
        .run =
            [](CChildFrame& w) {
                // The sub-window closes with the window, through the main frame's save question.
                if (auto* sub = qobject_cast<QMdiSubWindow*>(w.parentWidget()))
                    sub->close();
            },
    },
    {
        .id = cmd::AddItem,
        .objectName = "actionAddItem",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Add CUDA Files..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Add CUDA files to the list\nAdd"),
        .keys = {Qt::Key_Insert},
        .icon = "add",
        .listKeys = true,
        .contextName = "contextAddItem",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Add CUDA Files...\tIns"),
        .enabled = [](const State& s) { return s.idle; },
        .run = [](CChildFrame& w) { w.editor()->addItem(); },
    },
    {
        .id = cmd::UpdateItem,
        .objectName = "actionUpdateItem",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Edit Selected Item..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Edit the selected item\nEdit"),
        .keys = {Qt::Key_Return},
        .icon = "update",
        .listKeys = true,
        .contextName = "contextUpdateItem",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Edit Selected Item...\tEnter"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0 && s.selectedRow >= 0; },
        .run = [](CChildFrame& w) { w.editor()->updateItem(); },
    },
    {
        .id = cmd::DeleteItem,
        .objectName = "actionDeleteItem",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Delete Selected Item"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Delete the selected item\nDelete"),
        .keys = {Qt::Key_Delete},
        .icon = "delete",
        .listKeys = true,
        .contextName = "contextDeleteItem",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Delete Selected Item\tDel"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0 && s.selectedRow >= 0; },
        .run = [](CChildFrame& w) { w.editor()->deleteItem(); },
    },
    {
        .id = cmd::DeleteAll,
        .objectName = "actionDeleteAll",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Delete A&ll Items..."),
        .tip =
            QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Delete every item of the list\nDelete All"),
        .keys = {Qt::CTRL | Qt::Key_Delete},
        .icon = "deleteall",
        .listKeys = true,
        .contextName = "contextDeleteAll",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Delete A&ll Items...\tCtrl+Del"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0; },
        .run = [](CChildFrame& w) { w.editor()->deleteAllItems(); },
    },
    {
        .id = cmd::MoveItemUp,
        .objectName = "actionMoveItemUp",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Move U&p"),
        .tip = QT_TRANSLATE_NOOP(
            "tovalo::gui::DocumentCommands",
            "Move the selected item one place up; items are converted in list order\nMove Up"),
        .keys = {Qt::ALT | Qt::Key_Up},
        .listKeys = true,
        .contextName = "contextMoveUp",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Move U&p\tAlt+Up"),
        .enabled = [](const State& s) { return s.idle && s.selectedRow > 0 && s.selectedRows <= 1; },
        .run = [](CChildFrame& w) { w.editor()->moveItem(-1); },
    },
    {
        .id = cmd::MoveItemDown,
        .objectName = "actionMoveItemDown",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Move Do&wn"),
        .tip = QT_TRANSLATE_NOOP(
            "tovalo::gui::DocumentCommands",
            "Move the selected item one place down; items are converted in list order\nMove Down"),
        .keys = {Qt::ALT | Qt::Key_Down},
        .listKeys = true,
        .contextName = "contextMoveDown",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Move Do&wn\tAlt+Down"),
        .enabled =
            [](const State& s) {
                return s.idle && s.selectedRow >= 0 && s.selectedRow + 1 < s.shownRows && s.selectedRows <= 1;
            },
        .run = [](CChildFrame& w) { w.editor()->moveItem(1); },
    },
    {
        .id = cmd::Undo,
        .objectName = "actionUndo",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Undo"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Undo the last change\nUndo"),
        .keys = {Qt::CTRL | Qt::Key_Z},
        .listKeys = true,
        .contextName = "contextUndo",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Undo\tCtrl+Z"),
        .enabled = [](const State& s) { return s.idle && s.canUndo; },
        .run = [](CChildFrame& w) { w.editor()->undo(); },
    },
    {
        .id = cmd::Redo,
        .objectName = "actionRedo",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Redo"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Redo the last undone change\nRedo"),
        // Ctrl+Shift+Z redoes as well, as in most programs on Linux.
        .keys = {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        .listKeys = true,
        .contextName = "contextRedo",
        .contextText = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Redo\tCtrl+Y"),
        .enabled = [](const State& s) { return s.idle && s.canRedo; },
        .run = [](CChildFrame& w) { w.editor()->redo(); },
    },
    {
        // The run itself is the main window's: the window asks for it (and the main window's
        // rule also wants a console ready to convert).
        .id = cmd::ConvertSelected,
        .objectName = "actionConvertSelected",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Convert Se&lected Items"),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands",
                                 "Convert only the items selected in the list\nConvert Selected"),
        .keys = {Qt::Key_F7},
        .enabled = [](const State& s) { return s.idle && s.selectedRows > 0; },
        .run = [](CChildFrame& w) { Q_EMIT w.convertSelectedRequested(); },
    },
    {
        .id = cmd::Diagnostics,
        .objectName = "actionDiagnostics",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "dpct &Diagnostics..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands",
                                 "Show dpct's diagnostics of the last run by code\nDiagnostics"),
        .keys = {Qt::CTRL | Qt::SHIFT | Qt::Key_D},
        .enabled = [](const State& s) { return s.rows > 0; },
        .run = [](CChildFrame& w) { w.showDiagnostics(); },
    },
    {
        .id = cmd::ExportCsv,
        .objectName = "actionExportCsv",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "&Export Results as CSV..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands",
                                 "Save the last run's results as a CSV file\nExport CSV"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0; },
        .run = [](CChildFrame& w) { w.files()->exportResults(false); },
    },
    {
        .id = cmd::ExportJson,
        .objectName = "actionExportJson",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Export Results as &JSON..."),
        .tip = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands",
                                 "Save the last run's results as a JSON file\nExport JSON"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0; },
        .run = [](CChildFrame& w) { w.files()->exportResults(true); },
    },
    {
        .id = cmd::ExportReport,
        .objectName = "actionExportReport",
        .text = QT_TRANSLATE_NOOP("tovalo::gui::DocumentCommands", "Export &Report..."),
        .tip = QT_TRANSLATE_NOOP(
            "tovalo::gui::DocumentCommands",
            "Save the last run's results as a report for the web browser and show it\nExport Report"),
        .enabled = [](const State& s) { return s.idle && s.rows > 0; },
        .run = [](CChildFrame& w) { ReportExport::run(w.document(), w.settings(), &w); },
    },
};

} // namespace

std::span<const DocumentCommand> documentCommands()
{
    return kCommands;
}

const DocumentCommand* documentCommand(int id)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const DocumentCommand& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

QList<QKeySequence> commandShortcuts(const DocumentCommand& command)
{
    QList<QKeySequence> keys;
    for (const QKeyCombination key : command.keys) {
        if (key.key() != Qt::Key_unknown)
            keys.append(QKeySequence(key));
    }
    return keys;
}

QString documentCommandText(const char* source)
{
    return QCoreApplication::translate(kDocumentCommandsContext, source);
}

} // namespace tovalo::gui
