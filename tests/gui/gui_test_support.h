#pragma once
// Shared helpers of the GUI tests: a private settings folder, definition files with CUDA
// sources that steer the simulated dpct, and the language packs of the build.

#include <memory>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tovalo {
class SettingsStore;
}

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

} // namespace testing_gui
