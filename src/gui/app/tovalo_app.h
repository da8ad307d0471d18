#pragma once
// CTovaloApp: the application object. It runs the start-up sequence (one instance per user,
// settings, language pack, oneAPI warning, main frame, first document window) and the exit
// sequence (console closed, settings saved, language pack released), also when the session
// ends or the process is asked to terminate.
//
// It owns the settings record and its store for the life of the process.

#include "app/language_pack.h"
#include "settings/settings.h"
#include "ui/main_frame.h"

#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QStringList>

namespace tovalo::gui {

class SingleInstance;

struct StartOptions
{
    QStringList files;   ///< definition files to open after start-up
    QString demoToolkit; ///< use this simulated oneAPI toolkit and label the window as a demo
    QString instanceKey; ///< single-instance key; empty = the per-user default
    bool showWindow = true;
    bool helpRequested = false;    ///< --help / -h: print `helpText` and end with success
    bool versionRequested = false; ///< --version / -v: print the version and end with success
    QString helpText;              ///< the usage text, filled when helpRequested
};

/// Reads the program's command line; false with `error` for a usage error.
bool parseCommandLine(const QStringList& arguments, StartOptions& options, QString& error);

class CTovaloApp : public QObject
{
    Q_OBJECT
public:
    /// `store` is where the settings live; null = the user's store of this platform.
    explicit CTovaloApp(std::unique_ptr<SettingsStore> store = nullptr, QObject* parent = nullptr);
    ~CTovaloApp() override;

    /// The start-up sequence. False: the process should end (another instance took over, the
    /// language question was cancelled, or the language pack is missing); exitInstance() must
    /// still be called.
    bool initInstance(const StartOptions& options);
    /// The exit sequence; safe to call more than once. Returns the process exit code.
    int exitInstance();

    CMainFrame* mainFrame() const { return mainFrame_; }
    Settings& settings() { return settings_; }
    SettingsStore& store() { return *store_; }
    bool demoMode() const { return demo_; }
    const LanguagePack& languagePack() const { return languagePack_; }
    /// The start-up message shown when no oneAPI installation was found: what that means, the
    /// places that were `looked` at, and how to point the program at an installation.
    static QString oneApiMissingMessage(const std::vector<std::string>& looked);
    /// The start-up message for a settings store that could not be read (`why` names the file
    /// and the reason): the defaults are used and nothing is saved over it.
    static QString settingsUnreadableMessage(const std::string& why);
    /// The message for settings that could not be saved (`why` names the file and the reason).
    static QString settingsNotSavedMessage(const std::string& why);
    /// The start ended because of a failure (not because another instance took over).
    bool startFailed() const { return startFailed_; }

private:
    /// Asks for the language on the first start, then loads its pack. False: the start ends
    /// (cancelled, or the pack cannot be loaded; the user was told).
    bool chooseAndLoadLanguage();
    void activateFromSecondStart(const QStringList& files);
    void installTerminationHandlers();
    void showAbout();
    void showOptions();
    /// Saves every setting; a failure is said in a message box, or on stderr while the process
    /// is being ended from outside (nobody may be there to close a box).
    void saveSettingsAtExit();

    std::unique_ptr<SettingsStore> store_;
    Settings settings_;
    bool saveAtExit_ = false; ///< the settings were loaded and the start got past the language
    bool exited_ = false;
    bool demo_ = false;
    bool startFailed_ = false;
    bool terminating_ = false; ///< asked to end from outside (SIGTERM, the session)
    LanguagePack languagePack_;
    std::unique_ptr<SingleInstance> instance_;
    QPointer<CMainFrame> mainFrame_;
};

} // namespace tovalo::gui
