#include "ui/report_export.h"

#include "base/file_io.h"
#include "controls/commui/dialog_seam.h"
#include "data/definition_document.h"
#include "data/run_results.h"
#include "settings/settings.h"
#include "ui/core_messages.h"
#include "ui/help_links.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace tovalo::gui {

ReportWords ReportExport::words(int language)
{
    const auto s = [](const QString& text) {
        return text.toStdString();
    };
    static constexpr const char* kTags[] = {"ja", "en", "zh-CN", "zh-TW", "ko"};
    ReportWords w;
    w.language = language >= 0 && language < 5 ? kTags[language] : "en";
    w.title = s(tr("Migration report"));
    w.generated = s(tr("Made %1"));
    w.summary = s(tr("Summary"));
    w.items = s(tr("Items"));
    w.ok = s(tr("OK"));
    w.ng = s(tr("Failed"));
    w.syntaxErrors = s(tr("Syntax errors"));
    w.notConverted = s(tr("Not converted"));
    w.diagnostics = s(tr("Diagnostics"));
    w.totalTime = s(tr("Total time"));
    w.medianTime = s(tr("Median time per item"));
    w.dpctVersion = s(tr("dpct version"));
    w.dpctCodebase = s(tr("Codebase"));
    w.folder = s(tr("Folder"));
    w.unknown = s(tr("unknown"));
    w.percentOfItems = s(tr("%1%"));
    w.statusChart = s(tr("Items by status"));
    w.codeChart = s(tr("Diagnostics by code"));
    w.otherCodes = s(tr("%1 other codes"));
    w.noDiagnostics = s(tr("dpct reported no diagnostics."));
    w.codesHeading = s(tr("Diagnostic codes"));
    w.code = s(tr("Code"));
    w.count = s(tr("Count"));
    w.itemsAffected = s(tr("Items affected"));
    w.firstMessage = s(tr("First message"));
    w.reference = s(tr("Reference"));
    w.referenceLink = s(tr("Read about %1"));
    w.itemsHeading = s(tr("Items"));
    w.path = s(tr("Path"));
    w.status = s(tr("Status"));
    w.exitCode = s(tr("Exit code"));
    w.time = s(tr("Time"));
    w.diagnosticsColumn = s(tr("Diagnostics"));
    w.itemDiagnostics = s(tr("%1 diagnostics"));
    w.filter = s(tr("Filter"));
    w.filterHint = s(tr("path, status or code"));
    w.shown = s(tr("%1 of %2 items shown"));
    w.sortHint = s(tr("Sort by this column"));
    w.notRun = "\xE2\x80\x93"; // EN DASH
    w.statusNone = s(tr("Not run"));
    w.statusWaiting = s(tr("Waiting"));
    w.statusConverting = s(tr("Stopped while converting"));
    w.statusOk = s(tr("OK"));
    w.statusNg = s(tr("Failed"));
    w.statusSyntaxError = s(tr("Syntax error"));
    w.digitSeparator = s(tr(","));
    w.milliseconds = s(tr("ms"));
    w.seconds = s(tr("s"));
    w.minutes = s(tr("min"));
    w.hours = s(tr("h"));
    return w;
}

bool ReportExport::run(DefinitionDocument& document, Settings& settings, QWidget* window)
{
    const QString base = document.path().empty()
                             ? tr("report")
                             : QFileInfo(QString::fromStdString(document.path())).completeBaseName();
    const QString start =
        QDir(QString::fromStdString(settings.folders[kDirTextSave])).filePath(base + QStringLiteral(".html"));
    const QString path = DialogSeam::saveFileName(
        window, tr("Export Report"), start, tr("HTML files (*.html);;All files (*)"), QStringLiteral("html"));
    if (path.isEmpty())
        return false;
    const std::vector<CDpctData*> items = document.runItems();
    ReportOptions options;
    options.title = document.path().empty()
                        ? std::string()
                        : tr("Migration report: %1")
                              .arg(QFileInfo(QString::fromStdString(document.path())).fileName())
                              .toStdString();
    options.generated = QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat).toStdString();
    const std::string html = migrationReportHtml(
        std::vector<const CDpctData*>(items.begin(), items.end()),
        ResultsHeader{settings.dpctVersion, settings.dpctCodebase, {}}, words(settings.language), options);
    const QString native = QDir::toNativeSeparators(path);
    Message error;
    if (!writeFileAtomically(native.toStdString(), html, error)) {
        DialogSeam::message(window, 742, QMessageBox::Warning,
                            tr("The report could not be saved to %1.\n%2").arg(native, wordMessage(error)));
        return false;
    }
    settings.folders[kDirTextSave] = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    if (!DesktopSeam::openUrl(QUrl::fromLocalFile(path)))
        DialogSeam::message(
            window, 742, QMessageBox::Warning,
            tr("The report was saved to %1, but no web browser could be started to show it.").arg(native));
    return true;
}

} // namespace tovalo::gui
