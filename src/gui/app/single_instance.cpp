#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace tovalo::gui {
namespace {
// A request is a header line, one absolute path per line, and an empty line.
constexpr QByteArrayView kHeader = "tovalo-activate/1\n";
constexpr qsizetype kMaxRequest = 1024 * 1024;
} // namespace

SingleInstance::SingleInstance(QString key, QObject* parent) : QObject(parent), key_(std::move(key)) {}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();
}

QString SingleInstance::defaultKey()
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray hash = QCryptographicHash::hash((user + QLatin1Char('|') + QDir::homePath()).toUtf8(),
                                                     QCryptographicHash::Sha1);
    return QStringLiteral("tovalo-") + QString::fromLatin1(hash.toHex().left(16));
}

SingleInstance::Role SingleInstance::claim(const QStringList& files, QString& error)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + key_ + QStringLiteral(".lock"));
    if (lock_->tryLock(0)) {
        // A crashed instance may have left its socket behind.
        QLocalServer::removeServer(key_);
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server_->listen(key_)) {
            error = server_->errorString();
            return Role::Primary; // still the only instance; later starts just cannot reach it
        }
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
        return Role::Primary;
    }

    QByteArray request = kHeader.toByteArray();
    for (const QString& file : files)
        request += file.toUtf8() + '\n';
    request += '\n';

    // The first instance may still be starting: try for a few seconds.
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(key_);
        if (socket.waitForConnected(500)) {
            socket.write(request);
            socket.waitForBytesWritten(2000);
            // The answer tells that the request was taken; its content does not matter.
            socket.waitForReadyRead(3000);
            return Role::Forwarded;
        }
        QThread::msleep(100);
    }
    error = tr("Another Tovalo is running but does not answer.");
    return Role::Failed;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    if (buffer.size() > kMaxRequest || (buffer.size() >= kHeader.size() && !buffer.startsWith(kHeader))) {
        socket->abort();
        return;
    }
    if (!buffer.endsWith("\n\n")) {
        socket->setProperty("request", buffer);
        return;
    }
    socket->setProperty("request", QByteArray());
    QStringList files;
    const QList<QByteArray> lines = buffer.mid(kHeader.size()).split('\n');
    for (const QByteArray& line : lines) {
        if (!line.isEmpty())
            files.append(QString::fromUtf8(line));
    }
    socket->write("ok\n");
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT activated(files);
}

} // namespace tovalo::gui
