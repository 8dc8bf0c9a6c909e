#include "platform/qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace ga {

namespace {

constexpr int kLockWaitMilliseconds = 100;

}  // namespace

SingleInstanceGuard::SingleInstanceGuard() {
    // The runtime folder is the user's own: a crashed copy of another user
    // can never block this one, and it is emptied at each log-in.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return;
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("gridAtelier.lock")));
    // A lock is stale only when the copy that took it is gone, however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(kLockWaitMilliseconds)) return;
    // A folder that cannot be written must not keep the program from starting.
    firstInstance_ = lock_->error() != QLockFile::LockFailedError;
}

}  // namespace ga
