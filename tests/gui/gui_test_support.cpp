#include "gui_test_support.h"

#include "app/language_pack.h"
#include "controls/dpct_tree_ctrl.h"
#include "runner/run_engine.h"
#include "ui/child_frame.h"
#include "ui/run_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

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

tovalo::Settings Sandbox::storedSettings() const
{
    tovalo::Settings settings;
    std::string error;
    tovalo::loadSettings(*store(), settings, error);
    return settings;
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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("__global__ void k() {}\n");
}

void closeSettled()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPoint rowPoint(tovalo::gui::CDpctTreeCtrl* list, int row)
{
    return list->rowRect(row).topLeft() + QPoint(30, list->rowHeight() / 2);
}

MainWindowSuite::~MainWindowSuite() = default;

void MainWindowSuite::openMainWindow(const std::function<void(tovalo::Settings&)>& configure,
                                     const std::function<void(tovalo::gui::CMainFrame&)>& beforeShow)
{
    sandbox_ = std::make_unique<Sandbox>();
    store_ = sandbox_->store();
    settings_ = std::make_unique<tovalo::Settings>();
    if (configure)
        configure(*settings_);
    frame_ = std::make_unique<tovalo::gui::CMainFrame>(*settings_, *store_);
    if (beforeShow)
        beforeShow(*frame_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void MainWindowSuite::discardModifiedDocuments()
{
    for (tovalo::gui::DocumentWindow* doc : frame_->documentWindows()) {
        if (auto* child = qobject_cast<tovalo::gui::CChildFrame*>(doc); child && child->isModified()) {
            tovalo::gui::DialogSeam::answerMessage(QMessageBox::No);
            child->queryClose();
        }
    }
}

void MainWindowSuite::closeMainWindow()
{
    frame_.reset();
    settings_.reset();
    store_.reset();
    if (sandbox_) {
        const QString inside = QDir(sandbox_->path()).canonicalPath() + QLatin1Char('/');
        if (QString(QDir::currentPath() + QLatin1Char('/')).startsWith(inside))
            QDir::setCurrent(QDir::tempPath());
    }
    sandbox_.reset();
    checkEveryAnswerTaken();
}

void MainWindowSuite::openConsole()
{
    QString error;
    QVERIFY2(frame_->openConsole(error), qPrintable(error));
    QTRY_VERIFY_WITH_TIMEOUT(frame_->runController()->scheduler()->startUpDone(), 30000);
    QCOMPARE(frame_->runController()->scheduler()->phase(), tovalo::RunPhase::Idle);
}

tovalo::gui::CChildFrame* MainWindowSuite::openRows(const QStringList& names)
{
    QList<SourceFile> sources;
    for (const QString& n : names)
        sources.append({n, QStringLiteral("result=ok")});
    const QString def = writeDefinition(sandbox_->path(), QStringLiteral("doc.txt"), sources);
    QDir(sandbox_->path()).mkpath(QStringLiteral("out"));
    if (!frame_->openDefinition(def))
        return nullptr;
    return active();
}

tovalo::gui::CChildFrame* MainWindowSuite::active() const
{
    return qobject_cast<tovalo::gui::CChildFrame*>(frame_->activeDocument());
}

} // namespace testing_gui
