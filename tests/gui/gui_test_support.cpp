#include "gui_test_support.h"

#include "app/language_pack.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace testing_gui {

Sandbox::Sandbox()
{
    oldConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

Sandbox::~Sandbox()
{
    if (oldConfig_.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig_);
}

QString Sandbox::settingsFile() const
{
    return dir_.filePath(QStringLiteral("mossbank/Tovalo.reg"));
}

std::unique_ptr<tovalo::SettingsStore> Sandbox::store() const
{
    return tovalo::openFileSettingsStore(settingsFile().toStdString());
}

QString writeDefinition(const QString& folder, const QString& fileName, const QList<SourceFile>& sources)
{
    QString text = QStringLiteral("[Common]\nVersion=01.00.00.00\nLastUpdate=2026/12/07\n\n");
    for (const SourceFile& source : sources) {
        const QString path = QDir(folder).filePath(source.name);
        QFile cu(path);
        if (!cu.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        cu.write(QStringLiteral("// dpct-sim: %1\n__global__ void k() {}\n").arg(source.directives).toUtf8());
        text += QStringLiteral("[%1]\n--out-root=\"%2\"\n")
                    .arg(path, QDir(folder).filePath(QStringLiteral("out")));
    }
    const QString definition = QDir(folder).filePath(fileName);
    QFile file(definition);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(definition));
    file.write(text.toUtf8());
    return definition;
}

void useBuiltLanguagePacks()
{
    static tovalo::gui::LanguagePack pack;
    tovalo::gui::LanguagePack::setSearchFolders({QStringLiteral(TOVALO_QM_DIR)});
    if (!pack.load(0))
        qFatal("the Japanese language pack was not built in %s", TOVALO_QM_DIR);
}

QString simToolkitRoot()
{
    return QStringLiteral(TOVALO_SIM_TOOLKIT_DIR) + QLatin1Char('/');
}

int childProcessCount()
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    int count = 0;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString& pid : pids) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            continue; // ended meanwhile
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("PPid:")) {
                if (QString::fromLatin1(line.mid(5).trimmed()) == self)
                    ++count;
                break;
            }
        }
    }
    return count;
}

} // namespace testing_gui
