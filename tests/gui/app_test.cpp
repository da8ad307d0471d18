// The application object: start-up and exit order with the settings, the demo toolkit, the
// oneAPI warning, the first-start language question in each interface language, the language
// packs and their versions, a missing language pack, a second start handing over its files,
// and a clean end on SIGTERM.

#include "app/language_pack.h"
#include "app/language_question.h"
#include "app/tovalo_app.h"
#include "base/message.h"
#include "dialog_test_support.h"
#include "gui_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"
#include "ui/core_messages.h"
#include "ui/document_window.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/run_controller.h"
#include "ui/tool_option_page_general.h"
#include "ui/tool_option_prop.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QUuid>

using namespace tovalo;
using namespace tovalo::gui;
using testing_gui::readAll;
using testing_gui::Sandbox;

namespace {

QString uniqueKey()
{
    return QStringLiteral("tovalo-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

/// Stores `language` (and nothing else) as a earlier run would have.
void storeLanguage(const Sandbox& sandbox, int language)
{
    Settings settings;
    settings.language = language;
    std::string error;
    QVERIFY2(saveSettings(*sandbox.store(), settings, kSaveLanguage, error), error.c_str());
}

/// While it lives, the language question is answered by clicking the link of `index` (-1:
/// Cancel); what the dialog showed is kept.
class LanguageAnswer
{
public:
    explicit LanguageAnswer(int index)
    {
        LanguageQuestion::setTestAnswer([this, index](LanguageQuestion& dialog) {
            ++asked;
            title = dialog.windowTitle();
            instruction = dialog.instructionLabel()->text();
            content = dialog.contentLabel()->text();
            hasIcon = !dialog.windowIcon().isNull();
            captions.clear();
            for (int i = 0; i < 5; ++i)
                captions.append(dialog.link(i)->text());
            cancelText = dialog.cancelButton()->text();
            if (index < 0)
                dialog.cancelButton()->click();
            else
                dialog.link(index)->click();
        });
    }
    ~LanguageAnswer() { LanguageQuestion::setTestAnswer(unexpectedQuestion); }

    static void unexpectedQuestion(LanguageQuestion&)
    {
        QTest::qFail("unexpected language question", __FILE__, __LINE__);
    }

    int asked = 0;
    bool hasIcon = false;
    QString title, instruction, content, cancelText;
    QStringList captions;
};

} // namespace

class TestApp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void systemLanguageChoosesTheBuiltInTexts();
    void languageQuestionSpeaksTheSystemLanguage_data();
    void languageQuestionSpeaksTheSystemLanguage();
    void languageLinksShowKeyboardFocus();
    void choosingTheThirdLinkLoadsChineseAndStoresIt();
    void cancellingTheQuestionEndsTheStartAndWritesNothing();
    void storedLanguageOutOfRangeMeansJapanese();
    void everyPackMissingSaysSoInTheSystemLanguage();
    void packVersionsAreReadWithoutChangingTheLanguage();
    void everyPackSpeaksItsLanguageWithQtsOwnTexts();
    void coreMessagesAreWordedInEveryPack();
    void demoStartOpensFilesAndExitSavesSettings();
    void missingOneApiWarnsAndDisablesRuns();
    void settingsThatCannotBeReadOrSavedAreSaid();
    void missingLanguagePackEndsTheStart();
    void secondStartHandsOverItsFiles();
    void sigtermClosesCleanlyAndSaves();
    void optionsCommandOpensTheSheetWhileIdle();
    void helpAndVersionAnswerWithoutADisplay();
};

void TestApp::initTestCase()
{
    testing_gui::failOnUnexpectedDialogs();
    testing_gui::useBuiltLanguagePacks();
    LanguageQuestion::setTestAnswer(LanguageAnswer::unexpectedQuestion);
    setSystemUiLanguagesForTests({QStringLiteral("ja-JP")});
}

void TestApp::cleanup()
{
    setSystemUiLanguagesForTests({QStringLiteral("ja-JP")});
    LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
}

void TestApp::systemLanguageChoosesTheBuiltInTexts()
{
    using L = StartupLanguage;
    const QList<QPair<QStringList, L>> cases = {
        {{QStringLiteral("ja-JP")}, L::Japanese},
        {{QStringLiteral("ja")}, L::Japanese},
        {{QStringLiteral("zh-CN")}, L::ChineseSimplified},
        {{QStringLiteral("zh-Hans-CN")}, L::ChineseSimplified},
        {{QStringLiteral("zh-SG")}, L::ChineseSimplified},
        {{QStringLiteral("zh-TW")}, L::ChineseTraditional},
        {{QStringLiteral("zh-Hant-TW")}, L::ChineseTraditional},
        {{QStringLiteral("zh_HK")}, L::ChineseTraditional},
        {{QStringLiteral("zh-Hant")}, L::ChineseTraditional},
        {{QStringLiteral("ko-KR")}, L::Korean},
        {{QStringLiteral("en-US")}, L::English},
        {{QStringLiteral("fr-FR"), QStringLiteral("ja-JP")}, L::English}, // only the first counts
        {{QStringLiteral("en-GB"), QStringLiteral("zh-CN")}, L::English},
        {{}, L::English},
        {{QStringLiteral("C")}, L::English},
    };
    for (const auto& [names, expected] : cases)
        QVERIFY2(startupLanguageOf(names) == expected, qPrintable(names.join(QLatin1Char(','))));
}

void TestApp::languageQuestionSpeaksTheSystemLanguage_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("ja") << QStringLiteral("ja-JP") << QStringLiteral("Tovaloの表示言語を選択してください。")
                        << QStringLiteral("※起動後、オプションで言語を変更できます。")
                        << QStringLiteral("キャンセル");
    QTest::newRow("zh") << QStringLiteral("zh-CN") << QStringLiteral("请选择 Tovalo 的显示语言。")
                        << QStringLiteral("启动后可以在选项中更改语言。") << QStringLiteral("取消");
    QTest::newRow("zh-TW") << QStringLiteral("zh-TW") << QStringLiteral("請選擇 Tovalo 的顯示語言。")
                           << QStringLiteral("啟動後可以在選項中變更語言。") << QStringLiteral("取消");
    QTest::newRow("ko") << QStringLiteral("ko-KR") << QStringLiteral("Tovalo의 표시 언어를 선택하십시오.")
                        << QStringLiteral("언어는 시작 후 옵션으로 변경할 수 있습니다.")
                        << QStringLiteral("취소");
    QTest::newRow("en") << QStringLiteral("de-DE")
                        << QStringLiteral("Please select the display language of Tovalo.")
                        << QStringLiteral("You can change the language in the options after startup.")
                        << QStringLiteral("Cancel");
}

void TestApp::languageQuestionSpeaksTheSystemLanguage()
{
    QFETCH(QString, system);
    QFETCH(QString, instruction);
    QFETCH(QString, content);
    QFETCH(QString, cancel);
    setSystemUiLanguagesForTests({system});
    LanguageAnswer answer(4);
    QCOMPARE(LanguageQuestion::ask(), 4);
    QCOMPARE(answer.asked, 1);
    QCOMPARE(answer.title, QStringLiteral("Tovalo"));
    QVERIFY(answer.hasIcon);
    QCOMPARE(answer.instruction, instruction);
    QCOMPARE(answer.content, content);
    QCOMPARE(answer.cancelText, cancel);
    // The language names are the same whatever the system speaks.
    QCOMPARE(answer.captions, (QStringList{QStringLiteral("日本語 (Japanese)"), QStringLiteral("English"),
                                           QStringLiteral("简体中文 (Chinese Simplified)"),
                                           QStringLiteral("繁體中文 (Chinese Traditional)"),
                                           QStringLiteral("한국어 (Korean)")}));
    // Closing the dialog without a choice is a cancel.
    LanguageQuestion::setTestAnswer([](LanguageQuestion& dialog) { dialog.close(); });
    QCOMPARE(LanguageQuestion::ask(), -1);
}

void TestApp::languageLinksShowKeyboardFocus()
{
    LanguageQuestion dialog(StartupLanguage::English);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCommandLinkButton* link = dialog.link(1);
    link->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(link->hasFocus());
    const QImage focused = link->grab().toImage();
    dialog.link(2)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!link->hasFocus());
    QVERIFY2(link->grab().toImage() != focused, "the focused link looks like the others");
}

void TestApp::choosingTheThirdLinkLoadsChineseAndStoresIt()
{
    Sandbox sandbox;
    StartOptions options;
    options.instanceKey = uniqueKey();
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    {
        LanguageAnswer answer(2);
        CTovaloApp app(sandbox.store());
        QVERIFY(app.initInstance(options));
        QCOMPARE(answer.asked, 1);
        QCOMPARE(answer.instruction, QStringLiteral("Tovaloの表示言語を選択してください。"));
        QVERIFY(app.languagePack().loadedFile().endsWith(QStringLiteral("/TovaloLangCn.qm")));
        // The interface speaks Chinese, Qt's own buttons included.
        QCOMPARE(app.mainFrame()->menuBar()->actions().constFirst()->text(), QStringLiteral("文件(&F)"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(sandbox.storedSettings().language, kLanguageNotChosen); // stored at exit
        app.exitInstance();
    }
    QCOMPARE(sandbox.storedSettings().language, 2);
    // Once stored, the next start does not ask.
    options.instanceKey = uniqueKey();
    CTovaloApp again(sandbox.store());
    QVERIFY(again.initInstance(options));
    QVERIFY(again.languagePack().loadedFile().endsWith(QStringLiteral("/TovaloLangCn.qm")));
    again.exitInstance();
}

void TestApp::cancellingTheQuestionEndsTheStartAndWritesNothing()
{
    Sandbox sandbox;
    // A settings file of an earlier run that never got a language (the look was saved at once).
    Settings earlier;
    earlier.applicationLook = 206;
    earlier.recent = {"/nowhere/kept.txt"};
    std::string error;
    QVERIFY(saveSettings(*sandbox.store(), earlier, kSaveAll, error));
    const QByteArray before = readAll(sandbox.settingsFile());
    QVERIFY(!before.isEmpty());
    StartOptions options;
    options.instanceKey = uniqueKey();
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    const int boxes = DialogSeam::shownCount();
    LanguageAnswer answer(-1);
    CTovaloApp app(sandbox.store());
    QVERIFY(!app.initInstance(options));
    QCOMPARE(answer.asked, 1);
    QVERIFY(!app.startFailed()); // the user's choice, not a failure
    QCOMPARE(app.mainFrame(), nullptr);
    QCOMPARE(DialogSeam::shownCount(), boxes); // nothing more is said
    QVERIFY(app.languagePack().loadedFile().isEmpty());
    app.exitInstance();
    QCOMPARE(readAll(sandbox.settingsFile()), before);
}

void TestApp::storedLanguageOutOfRangeMeansJapanese()
{
    Sandbox sandbox;
    storeLanguage(sandbox, 7); // written as it is; the loader itself leaves it at "not chosen"
    QCOMPARE(sandbox.storedSettings().language, kLanguageNotChosen);
    StartOptions options;
    options.instanceKey = uniqueKey();
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    {
        CTovaloApp app(sandbox.store()); // no question: a language is stored
        QVERIFY(app.initInstance(options));
        QVERIFY(app.languagePack().loadedFile().endsWith(QStringLiteral("/TovaloLangJa.qm")));
        QCOMPARE(app.settings().language, 0);
        app.exitInstance();
    }
    QCOMPARE(sandbox.storedSettings().language, 0);
}

void TestApp::everyPackMissingSaysSoInTheSystemLanguage()
{
    const QList<QPair<QString, QString>> cases = {
        {QStringLiteral("ja-JP"),
         QStringLiteral("選択した言語のライブラリをロードできませんでした。Tovaloを終了します。")},
        {QStringLiteral("zh-CN"), QStringLiteral("无法加载所选语言的资源。Tovalo 将退出。")},
        {QStringLiteral("zh-TW"), QStringLiteral("無法載入所選語言的資源。Tovalo 將會結束。")},
        {QStringLiteral("ko-KR"),
         QStringLiteral("선택한 언어의 리소스를 로드할 수 없습니다. Tovalo를 종료합니다.")},
        {QStringLiteral("en-US"),
         QStringLiteral("The resources for the selected language could not be loaded. Tovalo will exit.")},
    };
    int stored = 0;
    for (const auto& [system, message] : cases) {
        Sandbox sandbox;
        storeLanguage(sandbox, stored); // Japanese first: its pack is required like any other
        const QByteArray before = readAll(sandbox.settingsFile());
        setSystemUiLanguagesForTests({system});
        LanguagePack::setSearchFolders({sandbox.path()});
        StartOptions options;
        options.instanceKey = uniqueKey();
        options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
        CTovaloApp app(sandbox.store());
        DialogSeam::answerMessage(QMessageBox::Ok);
        QVERIFY(!app.initInstance(options));
        QVERIFY(app.startFailed());
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
        QCOMPARE(DialogSeam::last().text, message);
        QCOMPARE(app.mainFrame(), nullptr);
        app.exitInstance();
        QCOMPARE(readAll(sandbox.settingsFile()), before);
        stored = (stored + 1) % 5;
    }
}

void TestApp::everyPackSpeaksItsLanguageWithQtsOwnTexts()
{
    const QStringList files = {QStringLiteral("ファイル(&F)"), QStringLiteral("&File"),
                               QStringLiteral("文件(&F)"), QStringLiteral("檔案(&F)"),
                               QStringLiteral("파일(&F)")};
    const QStringList cancels = {QStringLiteral("キャンセル"), QStringLiteral("Cancel"),
                                 QStringLiteral("取消"), QStringLiteral("取消"), QStringLiteral("취소")};
    const bool qtTexts = QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                           QStringLiteral("/qtbase_ko.qm"));
    for (int i = 0; i < 5; ++i) {
        LanguagePack pack;
        QVERIFY(pack.load(i));
        QCOMPARE(QCoreApplication::translate("tovalo::gui::MainCommands", "&File"), files[i]);
        // (English has no catalog of Qt's own: the suite's Japanese one still answers then.)
        if (qtTexts && i != 1)
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancels[i]);
        // A pack can mend a text of Qt's: the Traditional Chinese key name of Return (which Qt's
        // catalog leaves in English) is "Enter", as in the menus.
        if (i == 3)
            QCOMPARE(QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText),
                     QStringLiteral("Enter"));
    }
    // Unloading gives the interface back to the pack loaded before.
    QCOMPARE(QCoreApplication::translate("tovalo::gui::MainCommands", "&File"), files[0]);
}

void TestApp::coreMessagesAreWordedInEveryPack()
{
    // The GUI's translation sources are the core's English templates, so that tovalo-cli and
    // the English interface say the same and every catalog entry is found.
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (qsizetype i = 0; i + 1 < text.size(); ++i)
            if (text.at(i) == u'%' && text.at(i + 1) >= u'1' && text.at(i + 1) <= u'9')
                found.append(text.mid(i, 2));
        found.sort();
        return found;
    };
    for (int i = 0; i < 5; ++i) {
        LanguagePack pack;
        QVERIFY(pack.load(i));
        for (int m = 1; m < static_cast<int>(MessageId::Count); ++m) {
            const auto id = static_cast<MessageId>(m);
            const QString source = QString::fromUtf8(coreMessageSource(id));
            QCOMPARE(source, QString::fromUtf8(englishTemplate(id)));
            const QString worded = QCoreApplication::translate(kCoreMessagesContext, coreMessageSource(id));
            QVERIFY2(i == 1 || worded != source, qPrintable(QString::number(i) + u' ' + source));
            QCOMPARE(placeholders(worded), placeholders(source));
        }
    }
    // Nested messages are worded in the interface language throughout; literal arguments stay.
    const Message refused(
        MessageId::NotConverted,
        {Message(MessageId::ValueRefused,
                 {Message(MessageId::SubjectOptionValue, {"--out-root"}), MessageId::HasLineBreak})});
    QCOMPARE(wordMessage(refused),
             QStringLiteral("変換しませんでした：--out-root の値に改行が含まれています。"));
    QCOMPARE(wordMessage(Message(MessageId::PathHasLineBreak, {"/w/%2.cu"})),
             QStringLiteral("パス \"/w/%2.cu\" に改行が含まれています"));
    QCOMPARE(wordMessage(Message("as it is")), QStringLiteral("as it is"));
}

void TestApp::packVersionsAreReadWithoutChangingTheLanguage()
{
    for (int i = 0; i < 5; ++i)
        QCOMPARE(LanguagePack::versionText(i), QStringLiteral("1.0.0"));
    QCOMPARE(LanguagePack::versionValue(1), 0x00010000u);
    // Reading a pack's version does not make it the interface language.
    QCOMPARE(QCoreApplication::translate("tovalo::gui::MainCommands", "&File"),
             QStringLiteral("ファイル(&F)"));

    Sandbox sandbox;
    LanguagePack::setSearchFolders({sandbox.path()});
    QCOMPARE(LanguagePack::versionText(0), QStringLiteral("65535.255.255")); // absent
    QCOMPARE(LanguagePack::versionValue(0), 0xFFFFFFFFu);
    // A catalog that loads but carries no version (here one of Qt's own) counts as absent too.
    const QString qtCatalog =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ko.qm");
    if (!QFileInfo::exists(qtCatalog))
        QSKIP("Qt's translations are not installed");
    QVERIFY(QFile::copy(qtCatalog, sandbox.file(QStringLiteral("TovaloLangKo.qm"))));
    QCOMPARE(LanguagePack::versionText(4), QStringLiteral("65535.255.255"));
    QCOMPARE(LanguagePack::versionText(5), QStringLiteral("65535.255.255"));
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
        LanguageAnswer japanese(0);
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
        // The file of the command line, without an empty list beside it.
        QCOMPARE(frame->documentWindows().size(), 1);
        QCOMPARE(frame->activeDocument()->filePath(), def);
        // No chooser starts in the program's folder: nothing is remembered yet.
        for (const std::string& folder : app.settings().folders)
            QVERIFY2(folder.empty(), folder.c_str());
        QTRY_VERIFY_WITH_TIMEOUT(frame->runController()->scheduler()->startUpDone(), 30000);
        QVERIFY(frame->action(cmd::Start)->isEnabled());

        frame->action(206)->trigger();
        app.settings().tabMode[kTabMdiOn] = 1;
        frame->applyTabSettings();
        QCOMPARE(sandbox.storedSettings().applicationLook, 206);  // the look is saved at once
        QCOMPARE(sandbox.storedSettings().tabMode[kTabMdiOn], 0); // the rest at exit
        QCOMPARE(app.exitInstance(), 0);
    }
    const Settings saved = sandbox.storedSettings();
    QCOMPARE(saved.tabMode[kTabMdiOn], 1);
    QCOMPARE(saved.language, 0);
    QCOMPARE(saved.recent, std::vector<std::string>{def.toStdString()});
}

// A settings file that exists but cannot be read is not a first start: no language question
// over it, the user is told at the start, and nothing is saved over it at exit. A save that fails
// at exit is said too.
void TestApp::settingsThatCannotBeReadOrSavedAreSaid()
{
    Sandbox sandbox;
    StartOptions options;
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    options.showWindow = false;
    // A folder where the file belongs: it exists, and reading it fails.
    QVERIFY(QDir().mkpath(sandbox.settingsFile()));
    setSystemUiLanguagesForTests({QStringLiteral("en-US")});
    {
        options.instanceKey = uniqueKey();
        CTovaloApp app(sandbox.store()); // an unexpected language question fails the test
        DialogSeam::answerMessage(QMessageBox::Ok);
        const int boxes = DialogSeam::shownCount();
        QVERIFY(app.initInstance(options));
        QCOMPARE(DialogSeam::shownCount(), boxes + 1);
        QCOMPARE(DialogSeam::last().icon, QMessageBox::Critical);
        QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("could not be read")),
                 qPrintable(DialogSeam::last().text));
        QVERIFY2(DialogSeam::last().text.contains(sandbox.settingsFile()),
                 qPrintable(DialogSeam::last().text));
        QCOMPARE(app.settings().language, 1); // the system's language, not asked
        QCOMPARE(app.exitInstance(), 0);
        QCOMPARE(DialogSeam::shownCount(), boxes + 1); // no save was tried over it
        QVERIFY(QFileInfo(sandbox.settingsFile()).isDir());
    }
    setSystemUiLanguagesForTests({QStringLiteral("ja-JP")});

    // Readable at the start, not writable at exit.
    QVERIFY(QDir(sandbox.settingsFile()).removeRecursively());
    storeLanguage(sandbox, 1);
    {
        options.instanceKey = uniqueKey();
        CTovaloApp app(sandbox.store());
        QVERIFY(app.initInstance(options));
        QVERIFY(QFile::remove(sandbox.settingsFile()));
        QVERIFY(QDir().mkpath(sandbox.settingsFile()));
        DialogSeam::answerMessage(QMessageBox::Ok);
        const int boxes = DialogSeam::shownCount();
        QCOMPARE(app.exitInstance(), 0);
        QCOMPARE(DialogSeam::shownCount(), boxes + 1);
        QVERIFY2(DialogSeam::last().text.contains(QStringLiteral("could not be saved")),
                 qPrintable(DialogSeam::last().text));
    }
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
    storeLanguage(sandbox, 0);
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
    storeLanguage(sandbox, 1);
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
    storeLanguage(sandbox, 0);
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
    storeLanguage(sandbox, 0); // a stored language: the program does not ask
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(TOVALO_BIN),
                  {QStringLiteral("--instance-key"), uniqueKey(), QStringLiteral("--demo-toolkit"),
                   QStringLiteral(TOVALO_SIM_TOOLKIT_DIR)});
    QVERIFY(program.waitForStarted());
    // The look is saved while the main window is built: the program is up once it is stored.
    QTRY_VERIFY_WITH_TIMEOUT(readAll(sandbox.settingsFile()).contains("\"ApplicationLook\""), 20000);
    QVERIFY(!readAll(sandbox.settingsFile()).contains("\"TabMode\""));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(sandbox.storedSettings().language, 0);
    QVERIFY(readAll(sandbox.settingsFile()).contains("\"TabMode\"")); // saved by the exit sequence
}

void TestApp::optionsCommandOpensTheSheetWhileIdle()
{
    Sandbox sandbox;
    storeLanguage(sandbox, 0);
    StartOptions options;
    options.demoToolkit = QStringLiteral(TOVALO_SIM_TOOLKIT_DIR);
    options.instanceKey = uniqueKey();
    CTovaloApp app(sandbox.store());
    QVERIFY(app.initInstance(options));
    CMainFrame* frame = app.mainFrame();
    QAction* command = frame->action(cmd::Options);
    // Not while the start-up sequence runs; once it is idle, the command opens the sheet.
    QCOMPARE(command->isEnabled(), frame->runController()->isIdle());
    QTRY_VERIFY_WITH_TIMEOUT(frame->runController()->scheduler()->startUpDone(), 30000);
    QTRY_VERIFY(command->isEnabled());
    bool shown = false;
    testing_gui::whenModal([&shown](QDialog* dialog) {
        auto* sheet = qobject_cast<CToolOptionProp*>(dialog);
        QVERIFY(sheet);
        shown = true;
        sheet->generalPage()->lookCombo()->setCurrentIndex(1); // 205
        sheet->accept();
    });
    command->trigger();
    QVERIFY(shown);
    QCOMPARE(app.settings().applicationLook, 205);
    QVERIFY(frame->action(205)->isChecked());
    QCOMPARE(sandbox.storedSettings().applicationLook, 205);
    frame->applyLook(214);
    QCOMPARE(app.exitInstance(), 0);
}

void TestApp::helpAndVersionAnswerWithoutADisplay()
{
    // The built program, on a platform that cannot show a window: --help and --version must
    // not need one.
    QByteArray err;
    const auto run = [&err](const QStringList& args, QByteArray& out) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        env.remove(QStringLiteral("DISPLAY"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TOVALO_BIN), args);
        if (!program.waitForFinished(30000))
            return -100;
        out = program.readAllStandardOutput();
        err = program.readAllStandardError();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -101;
    };
    QByteArray out;
    QCOMPARE(run({QStringLiteral("--help")}, out), 0);
    QVERIFY2(out.contains("--demo-toolkit") && out.contains("--version") && out.contains("files"),
             out.constData());
    QVERIFY2(!out.contains("instance-key"), out.constData()); // a switch for the tests only
    QCOMPARE(run({QStringLiteral("-h")}, out), 0);
    QVERIFY(out.contains("--demo-toolkit"));
    QCOMPARE(run({QStringLiteral("--version")}, out), 0);
    QCOMPARE(out.trimmed(), QByteArray("Tovalo " TOVALO_VERSION_TEXT));
    // A usage error still says so (on a display-less platform too).
    QCOMPARE(run({QStringLiteral("--no-such-option"), QStringLiteral("--help")}, out), 2);
    // So does a wrong argument alone, before the window system would fail to start.
    QCOMPARE(run({QStringLiteral("--bogus")}, out), 2);
    QVERIFY2(err.contains("bogus") && !err.contains("platform"), err.constData());
    // Qt's own arguments are the window system's, not a usage error.
    QCOMPARE(
        run({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")}, out), 0);
}

QTEST_MAIN(TestApp)
#include "app_test.moc"
