#pragma once
// Shared helpers of the GUI tests, built once as the library tovalo_gui_test_support: a private
// settings folder, definition files with CUDA sources that steer the simulated dpct, the
// language packs of the build, and the fixture of the suites that drive the main window.

#include "dialog_test_support.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/main_frame.h"

#include <functional>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tovalo::gui {
class CChildFrame;
class CDpctTreeCtrl;
} // namespace tovalo::gui

namespace testing_gui {

/// A temporary folder that is also XDG_CONFIG_HOME while it lives, so no test touches the
/// user's settings.
class Sandbox
{
public:
    Sandbox();
    ~Sandbox();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    std::unique_ptr<tovalo::SettingsStore> store() const;
    QString settingsFile() const;
    /// The settings as a new start would read them from this folder's store.
    tovalo::Settings storedSettings() const;

private:
    QTemporaryDir dir_;
    QByteArray oldConfig_;
};

struct SourceFile
{
    QString name;       ///< file name of the .cu source
    QString directives; ///< dpct-sim directives, e.g. "result=ok delay-ms=500"
};

/// Writes the sources and a definition file listing them (absolute paths) into `folder`.
QString writeDefinition(const QString& folder, const QString& fileName, const QList<SourceFile>& sources);

/// Makes the build's language packs the only ones found, and loads Japanese.
void useBuiltLanguagePacks();

/// The simulated toolkit root, ending with a separator.
QString simToolkitRoot();

/// How many processes this process has started that still exist, zombies included (Linux:
/// read from /proc). A console that was closed leaves none behind.
int childProcessCount();

/// The whole file; empty when it cannot be read.
QByteArray readAll(const QString& path);

/// Writes a small CUDA source at `path`, making its folders (fails the test when it cannot).
void touch(const QString& path);

/// A closed window goes through a deferred deletion: carries out the pending ones, so that a
/// count of the windows afterwards tells whether the close went through.
void closeSettled();

/// A point inside row `row` of the list, where a click selects that row.
QPoint rowPoint(tovalo::gui::CDpctTreeCtrl* list, int row);

/// Base of the suites that drive the main window: each test opens a fresh window over a fresh
/// sandbox in init() and closes it in cleanup(), which also fails the test when an answer it
/// queued for a dialog was not taken.
class MainWindowSuite : public QObject
{
    Q_OBJECT
public:
    ~MainWindowSuite() override;

protected:
    /// A new sandbox, its settings store, default settings and the main window over them, shown
    /// and exposed. `configure` changes the settings before the window reads them, `beforeShow`
    /// the window before it is shown.
    void openMainWindow(const std::function<void(tovalo::Settings&)>& configure = {},
                        const std::function<void(tovalo::gui::CMainFrame&)>& beforeShow = {});
    /// Documents with unsaved changes are closed without their question (answered No).
    void discardModifiedDocuments();
    /// The window, the settings and the sandbox go (a test that moved into the sandbox leaves
    /// it first); then every queued dialog answer must have been taken.
    void closeMainWindow();

    /// Opens the console and waits for the end of its start-up sequence (the idle phase).
    void openConsole();
    /// Writes a definition file of sources that convert without trouble (their --out-root,
    /// which the item dialog checks, exists) and opens it; the new document window, or nullptr.
    tovalo::gui::CChildFrame* openRows(const QStringList& names);
    tovalo::gui::CChildFrame* active() const;

    std::unique_ptr<Sandbox> sandbox_;
    std::unique_ptr<tovalo::SettingsStore> store_;
    std::unique_ptr<tovalo::Settings> settings_;
    std::unique_ptr<tovalo::gui::CMainFrame> frame_;
};

} // namespace testing_gui
