// The application object: start-up and exit order with the settings, the demo toolkit, the
// oneAPI warning, a missing language pack, a second start handing over its files, and a clean
// end on SIGTERM.

#include "app/language_pack.h"
#include "app/tovalo_app.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"
#include "ui/document_window.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QUuid>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::Sandbox;

namespace {

QString uniqueKey()
{
    return QStringLiteral("tovalo-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

Settings reload(const Sandbox& sandbox)
{
    Settings settings;
    std::string error;
    loadSettings(*sandbox.store(), settings, error);
    return settings;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void demoStartOpensFilesAndExitSavesSettings();
    void missingOneApiWarnsAndDisablesRuns();
    void missingLanguagePackEndsTheStart();
    void secondStartHandsOverItsFiles();
    void sigtermClosesCleanlyAndSaves();
    void helpAndVersionAnswerWithoutADisplay();
};

void TestApp::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
}

void TestApp::demoStartOpensFilesAndExitSavesSettings()
{
    Sandbox sandbox;
    const QString def = testing_gui::writeDefinition(sandbox.path(), QStringLiteral("d.txt"),
                                                     {{QStringLiteral("d.cu"), QStringLiteral("result=ok")}});
    // A file of the command line that is not there is reported, not passed over.
    const QString missing = sandbox.file(QStringLiteral("missing.txt"));
    DialogSeam::answerMessage(QMessageBox::Ok);
    const int boxes = DialogSeam::shownCount();
    StartOptions options;
    options.files = {missing, def};
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    options.instanceKey = uniqueKey();
    {
        CTovaloApp app(sandbox.store());
        QVERIFY(app.initInstance(options));
        // oneAPI is there: no warning; the missing file: one error naming it.
        QCOMPARE(DialogSeam::shownCount(), boxes + 1);
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
        QVERIFY(DialogSeam::last().text.startsWith(QDir::toNativeSeparators(missing)));
        CMainFrame* frame = app.mainFrame();
        QVERIFY(frame->isVisible());
        QVERIFY(frame->windowTitle().contains(QStringLiteral("[デモ]")));
        QVERIFY(frame->findChild<QLabel*>(QStringLiteral("statusDemo"))->isVisible());
        // One empty document window, then the file of the command line.
        QCOMPARE(frame->documentWindows().size(), 2);
        QVERIFY(frame->documentWindows().at(0)->filePath().isEmpty());
        QCOMPARE(frame->activeDocument()->filePath(), def);
        QTRY_VERIFY_WITH_TIMEOUT(frame->runController()->engine()->startUpDone(), 30000);
        QVERIFY(frame->action(cmd::Start)->isEnabled());

        frame->action(206)->trigger();
        app.settings().tabMode[kTabMdiOn] = 1;
        frame->applyTabSettings();
        QCOMPARE(reload(sandbox).applicationLook, 206);  // the look is saved at once
        QCOMPARE(reload(sandbox).tabMode[kTabMdiOn], 0); // the rest at exit
        QCOMPARE(app.exitInstance(), 0);
    }
    const Settings saved = reload(sandbox);
    QCOMPARE(saved.tabMode[kTabMdiOn], 1);
    QCOMPARE(saved.language, 0);
    QCOMPARE(saved.recent, std::vector<std::string>{def.toStdString()});
}

void TestApp::missingOneApiWarnsAndDisablesRuns()
{
    Sandbox sandbox;
    const QByteArray oldRoot = qgetenv("ONEAPI_ROOT"), oldHome = qgetenv("HOME");
    qputenv("ONEAPI_ROOT", sandbox.file(QStringLiteral("no-oneapi")).toUtf8());
    qputenv("HOME", sandbox.path().toUtf8());
    StartOptions options;
    options.instanceKey = uniqueKey();
    if (QFileInfo::exists(QStringLiteral("/opt/intel/oneapi/setvars.sh")))
        QSKIP("a real oneAPI is installed here");
    CTovaloApp app(sandbox.store());
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(app.initInstance(options));
    // The design's warning first, then where the program looked and how to point it elsewhere.
    const QString warning = DialogSeam::last().text;
    QVERIFY2(
        warning.startsWith(QStringLiteral(
            "Intel® oneAPI がインストールされていません。dpc++ファイルへの変換処理はできませんが定義ファイル"
            "（変換対象ファイル一覧：変換オプション定義）の作成は可能です。")),
        qPrintable(warning));
    QVERIFY2(warning.contains(sandbox.file(QStringLiteral("no-oneapi"))), qPrintable(warning));
    QVERIFY(warning.contains(QStringLiteral("/opt/intel/oneapi")));
    QVERIFY(warning.count(QStringLiteral("ONEAPI_ROOT")) >= 2); // the value looked at, and the advice
    QVERIFY(app.settings().oneapiRoot.empty());
    // The status bar keeps saying that nothing can be converted.
    auto* unavailable = app.mainFrame()->findChild<QLabel*>(QStringLiteral("statusUnavailable"));
    QVERIFY(unavailable && !unavailable->isHidden());
    QVERIFY(!unavailable->text().isEmpty());
    const QString def = testing_gui::writeDefinition(sandbox.path(), QStringLiteral("e.txt"),
                                                     {{QStringLiteral("e.cu"), QString()}});
    QVERIFY(app.mainFrame()->openDefinition(def)); // editing works
    QVERIFY(!app.mainFrame()->action(cmd::Start)->isEnabled());
    app.exitInstance();
    if (oldRoot.isNull())
        qunsetenv("ONEAPI_ROOT");
    else
        qputenv("ONEAPI_ROOT", oldRoot);
    qputenv("HOME", oldHome);
}

void TestApp::missingLanguagePackEndsTheStart()
{
    Sandbox sandbox;
    LanguagePack::setSearchFolders({sandbox.path()});
    StartOptions options;
    options.instanceKey = uniqueKey();
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    CTovaloApp app(sandbox.store());
    DialogSeam::answerMessage(QMessageBox::Ok);
    QVERIFY(!app.initInstance(options));
    QVERIFY(app.startFailed());
    QCOMPARE(DialogSeam::last().text, LanguagePack::loadFailureMessage());
    QCOMPARE(app.mainFrame(), nullptr);
    app.exitInstance();
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    testing_gui::useBuiltLanguagePacks();
}

void TestApp::secondStartHandsOverItsFiles()
{
    Sandbox sandbox;
    const QString def = testing_gui::writeDefinition(sandbox.path(), QStringLiteral("second.txt"),
                                                     {{QStringLiteral("s.cu"), QString()}});
    StartOptions options;
    options.instanceKey = uniqueKey();
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    CTovaloApp app(sandbox.store());
    QVERIFY(app.initInstance(options));
    QCOMPARE(app.mainFrame()->documentWindows().size(), 1);
    const QByteArray settingsBefore = readAll(sandbox.settingsFile());

    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(QStringLiteral(TOVALO_BIN), {QStringLiteral("--instance-key"), options.instanceKey, def});
    QVERIFY(second.waitForStarted());
    // The first instance answers from its event loop, which QTRY keeps running.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(app.mainFrame()->documentWindows().size(), 2);
    QCOMPARE(app.mainFrame()->activeDocument()->filePath(), def);
    // The second start never loaded the settings, so it wrote none over the first one's.
    QCOMPARE(readAll(sandbox.settingsFile()), settingsBefore);
    app.exitInstance();
}

void TestApp::sigtermClosesCleanlyAndSaves()
{
    Sandbox sandbox;
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(TOVALO_BIN),
                  {QStringLiteral("--instance-key"), uniqueKey(), QStringLiteral("--demo-toolkit"),
                   QStringLiteral(TOVALO_SIM_TOOLKIT_DIR)});
    QVERIFY(program.waitForStarted());
    // The look is saved while the main window is built: the program is up once the file exists.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(sandbox.settingsFile()), 20000);
    QVERIFY(!readAll(sandbox.settingsFile()).contains("\"Language\""));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(reload(sandbox).language, 0); // saved by the exit sequence
}

void TestApp::helpAndVersionAnswerWithoutADisplay()
{
    // The built program, on a platform that cannot show a window: --help and --version must
    // not need one.
    const auto run = [](const QStringList& args, QByteArray& out) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        env.remove(QStringLiteral("DISPLAY"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TOVALO_BIN), args);
        if (!program.waitForFinished(30000))
            return -100;
        out = program.readAllStandardOutput();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -101;
    };
    QByteArray out;
    QCOMPARE(run({QStringLiteral("--help")}, out), 0);
    QVERIFY2(out.contains("--demo-toolkit") && out.contains("--version") && out.contains("files"),
             out.constData());
    QCOMPARE(run({QStringLiteral("-h")}, out), 0);
    QVERIFY(out.contains("--demo-toolkit"));
    QCOMPARE(run({QStringLiteral("--version")}, out), 0);
    QCOMPARE(out.trimmed(), QByteArray("Tovalo " TOVALO_VERSION_TEXT));
    // A usage error still says so (on a display-less platform too).
    QCOMPARE(run({QStringLiteral("--no-such-option"), QStringLiteral("--help")}, out), 2);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
