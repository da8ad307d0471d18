#include "app/tovalo_app.h"

#include "app/app_settings.h"
#include "app/language_question.h"
#include "app/single_instance.h"
#include "app/termination.h"
#include "base/file_io.h"
#include "settings/oneapi.h"
#include "settings/settings_store.h"
#include "ui/about_dlg.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/output_pane.h"
#include "ui/run_controller.h"
#include "ui/tool_option_prop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>

namespace tovalo::gui {

namespace {

/// True when the store holds a language index that is not -1 and not 0 to 4.
bool storedLanguageOutOfRange(SettingsStore& store)
{
    std::string error;
    if (!store.beginRead(error))
        return false;
    const std::optional<RegValue> value = store.read(kGroupCommon, "Language");
    store.endRead();
    if (!value || value->type != kRegDword || value->data.size() != 4)
        return false;
    std::uint32_t index = 0;
    for (int i = 3; i >= 0; --i)
        index = index << 8 | static_cast<unsigned char>(value->data[static_cast<std::size_t>(i)]);
    return index != static_cast<std::uint32_t>(kLanguageNotChosen) &&
           index >= static_cast<std::uint32_t>(kLanguageCount);
}

} // namespace

bool parseCommandLine(const QStringList& arguments, StartOptions& options, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "tovalo::gui::CTovaloApp", "Front end for the dpct CUDA-to-SYCL migration tool."));
    const QCommandLineOption demo(
        QStringLiteral("demo-toolkit"),
        QCoreApplication::translate("tovalo::gui::CTovaloApp",
                                    "Use the simulated oneAPI toolkit in <folder> (demo mode)."),
        QStringLiteral("folder"));
    QCommandLineOption key(
        QStringLiteral("instance-key"),
        QCoreApplication::translate("tovalo::gui::CTovaloApp", "Single-instance key (tests)."),
        QStringLiteral("key"));
    key.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(demo);
    parser.addOption(key);
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QCoreApplication::translate("tovalo::gui::CTovaloApp", "Definition files to open."),
        QStringLiteral("[files...]"));
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    options.helpRequested = parser.isSet(help);
    options.versionRequested = parser.isSet(version);
    if (options.helpRequested)
        options.helpText = parser.helpText();
    options.demoToolkit = parser.value(demo);
    options.instanceKey = parser.value(key);
    for (const QString& file : parser.positionalArguments())
        options.files.append(QFileInfo(file).absoluteFilePath());
    return true;
}

QString CTovaloApp::settingsUnreadableMessage(const std::string& why)
{
    return tr("The settings could not be read, so Tovalo starts with its default settings and will not "
              "save over them when it ends:\n%1")
        .arg(QString::fromStdString(why));
}

QString CTovaloApp::settingsNotSavedMessage(const std::string& why)
{
    return tr("The settings could not be saved; the changes of this session are lost:\n%1")
        .arg(QString::fromStdString(why));
}

void CTovaloApp::saveSettingsAtExit()
{
    std::string error;
    if (saveSettings(*store_, settings_, kSaveAll, error))
        return;
    if (terminating_)
        qWarning("%s", qUtf8Printable(settingsNotSavedMessage(error)));
    else
        MessageBox::error(nullptr, settingsNotSavedMessage(error));
}

QString CTovaloApp::oneApiMissingMessage(const std::vector<std::string>& looked)
{
    QString text = tr("Intel® oneAPI is not installed. Files cannot be converted to DPC++, but "
                      "definition files (the files to convert with their conversion options) can "
                      "still be made.");
    if (!looked.empty()) {
        QStringList places;
        for (const std::string& place : looked)
            places << QStringLiteral("  ") + QDir::toNativeSeparators(QString::fromStdString(place));
        text += QStringLiteral("\n\n") + tr("Tovalo looked for oneAPI in:") + QLatin1Char('\n') +
                places.join(QLatin1Char('\n'));
    }
    text += QStringLiteral("\n\n") +
            tr("To use an installation in another folder, set the environment variable ONEAPI_ROOT to "
               "that folder (the one that holds the setvars script) and start Tovalo again.");
    return text;
}

CTovaloApp::CTovaloApp(std::unique_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent), store_(store ? std::move(store) : openUserSettingsStore()), settings_()
{
    setObjectName(QStringLiteral("tovaloApp"));
}

CTovaloApp::~CTovaloApp()
{
    exitInstance();
}

bool CTovaloApp::initInstance(const StartOptions& options)
{
    // 1. One instance per user: a later start hands its files over and ends.
    instance_ = std::make_unique<SingleInstance>(options.instanceKey.isEmpty() ? SingleInstance::defaultKey()
                                                                               : options.instanceKey);
    QString instanceError;
    switch (instance_->claim(options.files, instanceError)) {
    case SingleInstance::Role::Primary:
        break;
    case SingleInstance::Role::Forwarded:
        return false;
    case SingleInstance::Role::Failed:
        qWarning("%s", qUtf8Printable(instanceError));
        startFailed_ = true;
        return false;
    }
    connect(instance_.get(), &SingleInstance::activated, this, &CTovaloApp::activateFromSecondStart);
    installTerminationHandlers();

    // 2. Settings, before the language. A store that exists but cannot be read (another user's
    // file, a folder or FIFO in its place) is not a first start: the language is the system's
    // rather than asked, the user is told once the language is loaded, and nothing is saved
    // over the file at exit.
    std::string error;
    const bool loaded =
        loadSettings(*store_, settings_, error, [](const std::string& path) { return pathExists(path); });
    saveAtExit_ = loaded;
    if (!loaded && settings_.language == kLanguageNotChosen)
        settings_.language = static_cast<int>(systemStartupLanguage());
    // Choosers start beside the open list or in the home folder, never in the program's folder,
    // which earlier versions stored as every folder's first value.
    for (std::string& folder : settings_.folders) {
        if (!folder.empty() && isProgramFolder(QString::fromStdString(folder)))
            folder.clear();
    }
    // The loader leaves a language value outside 0 to 4 at "not chosen"; but a value that is
    // there was a choice all the same, and it means Japanese rather than asking again.
    if (settings_.language == kLanguageNotChosen && storedLanguageOutOfRange(*store_))
        settings_.language = 0;

    // 3. The language: asked on the first start, then its pack is loaded.
    if (!chooseAndLoadLanguage())
        return false;
    if (!loaded)
        MessageBox::error(nullptr, settingsUnreadableMessage(error));

    // 4. oneAPI: the simulated toolkit in demo mode, else the installation found.
    if (!options.demoToolkit.isEmpty()) {
        demo_ = true;
        settings_.oneapiRoot = withTrailingSeparator(
            QDir::toNativeSeparators(QFileInfo(options.demoToolkit).absoluteFilePath()).toStdString(),
            QDir::separator().toLatin1());
    } else {
        const OneApiDiscovery found = discoverOneApi();
        settings_.oneapiRoot = found.root;
        if (found.root.empty())
            MessageBox::inform(nullptr, oneApiMissingMessage(found.looked));
    }

    // 5. The main frame, its console and one empty document window.
    mainFrame_ = new CMainFrame(settings_, *store_);
    mainFrame_->setAttribute(Qt::WA_DeleteOnClose, false);
    mainFrame_->setDemoMode(demo_);
    connect(mainFrame_, &CMainFrame::aboutRequested, this, &CTovaloApp::showAbout);
    connect(mainFrame_, &CMainFrame::optionsRequested, this, &CTovaloApp::showOptions);
    QString consoleError;
    if (!mainFrame_->openConsole(consoleError))
        mainFrame_->outputPane()->append(
            tr("[Tovalo] The command interpreter could not be started: %1\n").arg(consoleError));
    // An empty list only when no file given at start could be opened.
    if (options.files.isEmpty())
        mainFrame_->newDocumentWindow();
    if (options.showWindow)
        mainFrame_->show();
    // A file that does not exist or cannot be read is reported, not passed over.
    bool opened = false;
    for (const QString& file : options.files)
        opened = mainFrame_->openDefinition(file) || opened;
    if (!options.files.isEmpty() && !opened)
        mainFrame_->newDocumentWindow();
    return true;
}

bool CTovaloApp::chooseAndLoadLanguage()
{
    languagePack_.unload();
    for (int i = 0; i < kLanguageCount; ++i)
        settings_.languagePackVersions[static_cast<std::size_t>(i)] = LanguagePack::versionValue(i);
    if (settings_.language == kLanguageNotChosen) {
        const int chosen = LanguageQuestion::ask();
        if (chosen < 0) {
            // Cancelled or closed: the start ends and the stored settings stay as they are.
            saveAtExit_ = false;
            return false;
        }
        settings_.language = chosen;
    }
    if (settings_.language < 0 || settings_.language >= kLanguageCount)
        settings_.language = 0;
    if (!languagePack_.load(settings_.language)) {
        MessageBox::error(nullptr, LanguagePack::loadFailureMessage());
        // Not stored either: a language chosen just now whose pack is missing would otherwise
        // end every later start the same way, without the question.
        saveAtExit_ = false;
        startFailed_ = true;
        return false;
    }
    return true;
}

void CTovaloApp::installTerminationHandlers()
{
    // Asked to end (SIGTERM, logoff): close the console and let the event loop end; the exit
    // sequence then saves the settings.
    installTerminationHandler(this, [this] {
        terminating_ = true;
        if (mainFrame_)
            mainFrame_->closeConsole();
        // exit(), not quit(): quit() would first try to close the windows, which asks the user.
        QCoreApplication::exit(0);
    });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        // The session is ending: modified documents get their save question while the session
        // manager lets us ask; a Cancel (or a save that did not happen) asks it to cancel the
        // logout, so nothing is lost.
        if (mainFrame_ && manager.allowsInteraction()) {
            const bool canEnd = mainFrame_->querySaveAll();
            manager.release();
            if (!canEnd) {
                manager.cancel();
                return;
            }
        }
        // The session may end the process right after this: save the settings now.
        terminating_ = true;
        if (saveAtExit_)
            saveSettingsAtExit();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { exitInstance(); });
}

void CTovaloApp::activateFromSecondStart(const QStringList& files)
{
    if (!mainFrame_)
        return;
    if (mainFrame_->isMinimized())
        mainFrame_->showNormal();
    mainFrame_->show();
    mainFrame_->raise();
    mainFrame_->activateWindow();
    for (const QString& file : files)
        mainFrame_->openDefinition(file);
}

void CTovaloApp::showAbout()
{
    CAboutDlg about(AboutInfo::current(settings_, mainFrame_ ? mainFrame_->runController() : nullptr),
                    mainFrame_);
    about.exec();
}

void CTovaloApp::showOptions()
{
    if (mainFrame_)
        CToolOptionProp::run(*mainFrame_, settings_, *store_);
}

int CTovaloApp::exitInstance()
{
    if (exited_)
        return 0;
    exited_ = true;
    if (mainFrame_) {
        // Ended without closing its window (SIGTERM, the session): its layout is kept too.
        if (mainFrame_->isVisible())
            mainFrame_->storeLayout();
        mainFrame_->closeConsole();
        delete mainFrame_.data();
    }
    // A start that ended before the settings were loaded (another instance runs), or at the
    // language question, must not overwrite the stored ones.
    if (saveAtExit_)
        saveSettingsAtExit();
    languagePack_.unload();
    instance_.reset();
    return 0;
}

} // namespace tovalo::gui
