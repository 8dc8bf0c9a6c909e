#include "platform/qt/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QString>

namespace ga {

namespace {

constexpr int kLockWaitMilliseconds = 100;
constexpr int kHandOverWaitMilliseconds = 2000;
// A path longer than this is no path a later copy sends.
constexpr qint64 kMostHandedBytes = 16 * 1024;

QString runtimeFile(const char* name) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(name));
}

QString handOverName() {
    return runtimeFile("gridAtelier.socket");
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard() {
    // The runtime folder is the user's own: a crashed copy of another user
    // can never block this one, and it is emptied at each log-in.
    const QString path = runtimeFile("gridAtelier.lock");
    if (path.isEmpty()) return;
    lock_ = std::make_unique<QLockFile>(path);
    // A lock is stale only when the copy that took it is gone, however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(kLockWaitMilliseconds)) return;
    // A folder that cannot be written must not keep the program from starting.
    firstInstance_ = lock_->error() != QLockFile::LockFailedError;
}

FileHandOverServer::FileHandOverServer(std::function<void(const QString&)> open)
    : server_(std::make_unique<QLocalServer>()), open_(std::move(open)) {
    const QString name = handOverName();
    if (name.isEmpty()) return;
    // The lock is this copy's: a socket left there belongs to a copy that is gone.
    QLocalServer::removeServer(name);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, received] {
                received->append(socket->readAll());
                if (received->size() > kMostHandedBytes) socket->abort();
            });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, [this, socket, received] {
                received->append(socket->readAll());
                socket->deleteLater();
                const qsizetype end = received->indexOf('\n');
                if (end <= 0 || received->size() > kMostHandedBytes) return;
                open_(QString::fromUtf8(received->left(end)));
            });
        }
    });
}

FileHandOverServer::~FileHandOverServer() = default;

bool handOverFile(const QString& path) {
    const QString name = handOverName();
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kHandOverWaitMilliseconds)) return false;
    socket.write(path.toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(kHandOverWaitMilliseconds);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kHandOverWaitMilliseconds);
    return written;
}

}  // namespace ga
