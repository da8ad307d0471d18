#pragma once
// SingleInstance: lets one Tovalo run per user. The first start holds a lock file and listens on
// a local socket; a later start finds the lock taken, sends its file arguments through the
// socket (which also asks the first window to come to the front) and ends.

#include <memory>

#include <QLockFile>
#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace tovalo::gui {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    /// `key` names the lock and the socket; the default key is per user.
    explicit SingleInstance(QString key = defaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Role
    {
        Primary,   ///< this process is the one instance; it listens for later starts
        Forwarded, ///< another instance runs and has received `files`; this start should end
        Failed,    ///< another instance holds the lock but could not be reached
    };
    /// Takes the instance role. A later start hands `files` (absolute paths) to the first one.
    Role claim(const QStringList& files, QString& error);

    static QString defaultKey();

Q_SIGNALS:
    /// A later start asked this instance to come to the front and open `files` (may be empty).
    void activated(const QStringList& files);

private:
    void acceptConnection();
    void readRequest(QLocalSocket* socket);

    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace tovalo::gui
