// File > Export Report: the active list's last results written as the migration report in the
// interface language, with the results' texts escaped, then opened in the browser.

#include "data/dpct_data.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "ui/child_frame.h"
#include "ui/command_ids.h"
#include "ui/help_links.h"
#include "ui/main_frame.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QUrl>

using namespace tovalo;
using namespace tovalo::gui;

class TestReportExport : public testing_gui::MainWindowSuite
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        testing_gui::failOnUnexpectedDialogs();
        testing_gui::useBuiltLanguagePacks();
    }
    // The interface language is Japanese, as the settings say.
    void init()
    {
        openMainWindow([](Settings& settings) { settings.language = 0; });
    }
    void cleanup()
    {
        DesktopSeam::setOpener({});
        discardModifiedDocuments();
        closeMainWindow();
    }
    void reportIsWrittenEscapedAndOpened();
};

void TestReportExport::reportIsWrittenEscapedAndOpened()
{
    auto* doc = static_cast<CChildFrame*>(frame_->newDocumentWindow());
    CDpctData hostile;
    hostile.path = sandbox_->file(QStringLiteral("<img src=x onerror=alert(1)>.cu")).toStdString();
    hostile.status = ItemStatus::ConvertedNg;
    hostile.exitCode = 2;
    hostile.diagnostics.push_back({hostile.path, 3, 5, "warning", "DPCT1003", "<script>alert(2)</script>"});
    CDpctData fine;
    fine.path = sandbox_->file(QStringLiteral("fine.cu")).toStdString();
    fine.status = ItemStatus::ConvertedOk;
    doc->document().add(hostile);
    doc->document().add(fine);
    settings_->dpctVersion = "2024.2.0";

    QList<QUrl> opened;
    DesktopSeam::setOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    const QString target = sandbox_->file(QStringLiteral("report.html"));
    DialogSeam::answerFile(target);
    QVERIFY(frame_->action(cmd::ExportReport)->isEnabled());
    frame_->action(cmd::ExportReport)->trigger();

    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(target)});
    const QString html = QString::fromUtf8(testing_gui::readAll(target));
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    // The results' texts are text, never markup.
    QVERIFY(html.contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;.cu")));
    QVERIFY(!html.contains(QStringLiteral("<img src=x")));
    QVERIFY(!html.contains(QStringLiteral("<script>alert(2)")));
    // Its fixed words come in the interface language (Japanese), with the page's language tag.
    QVERIFY(html.contains(QStringLiteral("lang=\"ja\"")));
    QVERIFY(html.contains(QStringLiteral("移行レポート")));
    QVERIFY(html.contains(QStringLiteral("2024.2.0")));
    QVERIFY(html.contains(QStringLiteral("DPCT1003")));

    // Not written (the chooser cancelled): nothing is opened.
    DialogSeam::answerFile(QString());
    frame_->action(cmd::ExportReport)->trigger();
    QCOMPARE(opened.size(), 1);
}

QTEST_MAIN(TestReportExport)
#include "report_export_test.moc"
