// The about box, offscreen: the picture and caption colours by the hour, the version report
// (oneAPI and dpct not known, absent language packs), the still picture after closing, and the
// about command of the running program.

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "controls/copyright_link.h"
#include "controls/static_tree_ctrl.h"
#include "controls/water_drop_ctrl.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "ui/about_dlg.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/run_controller.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace tovalo::gui;

namespace {

AboutInfo sampleInfo(QTime time)
{
    AboutInfo info;
    info.programFile = QStringLiteral("Tovalo.exe");
    info.programVersion = QStringLiteral("1.2.3");
    for (int i = 0; i < AboutInfo::kPackCount; ++i) {
        info.packFiles[static_cast<std::size_t>(i)] = LanguagePack::fileStem(i) + QStringLiteral(".qm");
        info.packVersions[static_cast<std::size_t>(i)] = QStringLiteral("1.0.%1").arg(i);
    }
    info.localTime = time;
    return info;
}

/// Top-level texts, each followed by its children's texts.
QStringList report(const CStaticTreeCtrl* tree)
{
    QStringList lines;
    for (const CStaticTreeNode* node : tree->nodesInOrder())
        lines << (node->hasChildren() ? node->text() : QStringLiteral("  ") + node->text());
    return lines;
}

} // namespace

class TestAboutDlg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { testing_gui::failOnUnexpectedDialogs(); }

    void pictureAndCaptionColoursByHour_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QColor>("caption");
        QTest::addColumn<QColor>("shadow");
        const QColor dim(169, 169, 169), silver(192, 192, 192);
        QTest::newRow("0:00") << QTime(0, 0) << 0 << "0-night" << QColor(255, 250, 250) << dim;
        QTest::newRow("3:59") << QTime(3, 59) << 0 << "0-night" << QColor(255, 250, 250) << dim;
        QTest::newRow("4:00") << QTime(4, 0) << 1 << "1-dawn" << QColor(250, 235, 215) << dim;
        QTest::newRow("11:59") << QTime(11, 59, 59) << 2 << "2-morning" << QColor(245, 255, 250) << silver;
        QTest::newRow("15:59") << QTime(15, 59) << 3 << "3-noon" << QColor(148, 0, 211) << silver;
        QTest::newRow("16:00") << QTime(16, 0) << 4 << "4-afternoon" << QColor(255, 250, 205) << silver;
        QTest::newRow("23:59") << QTime(23, 59) << 5 << "5-evening" << QColor(107, 142, 35) << silver;
    }

    void pictureAndCaptionColoursByHour()
    {
        QFETCH(QTime, time);
        QFETCH(int, index);
        QFETCH(QString, resource);
        QFETCH(QColor, caption);
        QFETCH(QColor, shadow);
        CAboutDlg dlg(sampleInfo(time));
        QCOMPARE(dlg.picture().index, index);
        CWaterDropCtrl* water = dlg.pictureCtrl();
        QCOMPARE(water->captionColor(), caption);
        QCOMPARE(water->shadowColor(), shadow);
        // The picture shown is that of the hour, 384 x 160, with the caption written in its
        // colour on the lower part.
        const QImage expected =
            QImage(QStringLiteral(":/daytime/%1.png").arg(resource)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), QSize(384, 160));
        const QImage still = water->stillImage();
        QCOMPARE(still.copy(0, 0, 384, 40), expected.copy(0, 0, 384, 40));
        int captionPixels = 0;
        for (int y = 60; y < 154; ++y)
            for (int x = 0; x < 384; ++x)
                captionPixels += still.pixelColor(x, y) == caption ? 1 : 0;
        QVERIFY2(captionPixels > 50, qPrintable(QString::number(captionPixels)));
        QCOMPARE(water->caption().count(QLatin1Char('\n')), 2);
        QVERIFY(water->isRunning());
    }

    void versionReportWithoutOneApiOrDpct()
    {
        CAboutDlg dlg(sampleInfo(QTime(10, 0)));
        CStaticTreeCtrl* tree = dlg.versionTree();
        const QStringList expected = {
            QStringLiteral("[Application Version]"),
            QStringLiteral("  Tovalo.exe: 1.2.3 (20220127.3270)"),
            QStringLiteral("  TovaloLangJa.qm: 1.0.0"),
            QStringLiteral("  TovaloLangEn.qm: 1.0.1"),
            QStringLiteral("  TovaloLangCn.qm: 1.0.2"),
            QStringLiteral("  TovaloLangTw.qm: 1.0.3"),
            QStringLiteral("  TovaloLangKo.qm: 1.0.4"),
            QStringLiteral("[dpct Version]"),
            QStringLiteral("  Path : not installed."),
            QStringLiteral("  dpct version : not installed."),
            QStringLiteral("  dpct codebase : not installed."),
        };
        QCOMPARE(report(tree), expected);
        QCOMPARE(tree->selectedNode(), tree->firstNode());
        QCOMPARE(tree->selectionBackground(), QColor(176, 196, 222));
        QCOMPARE(tree->parentBackground(), QColor(135, 206, 250));

        // oneAPI found, but dpct not asked yet: only the two version lines are unknown.
        AboutInfo info = sampleInfo(QTime(10, 0));
        info.oneapiRoot = QStringLiteral("/opt/intel/oneapi/");
        CAboutDlg withRoot(info);
        const QStringList lines = report(withRoot.versionTree());
        QCOMPARE(lines.mid(8), (QStringList{QStringLiteral("  Path : /opt/intel/oneapi/"),
                                            QStringLiteral("  dpct version : not installed."),
                                            QStringLiteral("  dpct codebase : not installed.")}));
    }

    void absentPacksAreListedWithAllBitsSet()
    {
        QTemporaryDir empty;
        LanguagePack::setSearchFolders({empty.path()});
        const AboutInfo none = AboutInfo::current(tovalo::Settings{}, nullptr);
        for (const QString& version : none.packVersions)
            QCOMPARE(version, QStringLiteral("65535.255.255"));
        CAboutDlg dlg(none);
        QVERIFY(report(dlg.versionTree()).contains(QStringLiteral("  TovaloLangKo.qm: 65535.255.255")));

        // With the built packs the Japanese one reports its own version.
        LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
        const AboutInfo built = AboutInfo::current(tovalo::Settings{}, nullptr);
        LanguagePack::setSearchFolders({});
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(built.packVersions[0])
                    .hasMatch());
        QVERIFY(built.packVersions[0] != QStringLiteral("65535.255.255"));
        QCOMPARE(built.programVersion, AboutInfo::buildVersion());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(built.programVersion)
                    .hasMatch());
    }

    void titleLinkAndClose()
    {
        CAboutDlg dlg(sampleInfo(QTime(12, 0)));
        QVERIFY(dlg.titleLabel()->font().bold());
        QCOMPARE(dlg.titleLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!dlg.titleLabel()->text().isEmpty());
        QVERIFY(dlg.link()->toolTip().startsWith(QStringLiteral("mailto:")));
        QCOMPARE(dlg.link()->url().toString(), dlg.link()->toolTip());
        QVERIFY(dlg.closeButton()->isDefault());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void closingRestoresTheStillPicture()
    {
        CAboutDlg dlg(sampleInfo(QTime(21, 30)));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CWaterDropCtrl* water = dlg.pictureCtrl();
        QTest::mousePress(water, Qt::LeftButton, {}, QPoint(190, 100));
        QTest::mouseRelease(water, Qt::LeftButton, {}, QPoint(190, 100));
        QVERIFY(water->isFrameTimerActive());
        QTRY_VERIFY(water->frameCount() > 3);
        QVERIFY(water->displayImage() != water->stillImage());

        dlg.closeButton()->click();
        QVERIFY(!dlg.isVisible());
        QVERIFY(!water->isRunning());
        QVERIFY(!water->isFrameTimerActive());
        QCOMPARE(water->displayImage(), water->stillImage());
        // After the box has closed the mouse drops nothing.
        QTest::mousePress(water, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!water->isFrameTimerActive());
        QCOMPARE(water->displayImage(), water->stillImage());
    }

    void aboutCommandShowsTheRunnersVersions()
    {
        testing_gui::useBuiltLanguagePacks();
        testing_gui::Sandbox sandbox;
        {
            // A language chosen before, as after any first start: no question is asked.
            tovalo::Settings stored;
            stored.language = 0;
            std::string error;
            QVERIFY2(saveSettings(*sandbox.store(), stored, tovalo::kSaveLanguage, error), error.c_str());
        }
        StartOptions options;
        options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
        options.instanceKey =
            QStringLiteral("tovalo-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        CTovaloApp app(sandbox.store());
        QVERIFY(app.initInstance(options));
        CMainFrame* frame = app.mainFrame();
        QTRY_VERIFY_WITH_TIMEOUT(frame->runController()->scheduler()->startUpDone(), 30000);
        QVERIFY(!frame->runController()->dpctVersion().isEmpty());

        QStringList seen;
        bool found = false;
        testing_gui::whenModal([&](QDialog* dialog) {
            auto* about = qobject_cast<CAboutDlg*>(dialog);
            QVERIFY(about);
            found = true;
            seen = report(about->versionTree());
        });
        frame->action(cmd::About)->trigger(); // runs the modal box until it is answered and closed
        QVERIFY(found);
        QVERIFY2(seen.contains(QStringLiteral("  dpct version : ") + frame->runController()->dpctVersion()),
                 qPrintable(seen.join(QLatin1Char('\n'))));
        QVERIFY(
            seen.contains(QStringLiteral("  Path : ") + QString::fromStdString(app.settings().oneapiRoot)));
        QVERIFY(seen.contains(QStringLiteral("  TovaloLangJa.qm: ") + LanguagePack::versionText(0)));
        app.exitInstance();
    }
};

QTEST_MAIN(TestAboutDlg)
#include "about_dlg_test.moc"
