#include "shell/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance() {
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.remove(QLatin1Char('/')).remove(QLatin1Char('\\'));
    lock_ = std::make_unique<QLockFile>(
        QDir::temp().filePath(QStringLiteral("darvista-%1.lock").arg(user)));
    lock_->setStaleLockTime(0); // only a lock whose process is gone is stale
}

bool SingleInstance::acquire() {
    if (lock_->tryLock(0)) {
        return true;
    }
    // Only a lock that another running copy holds stops this one; a
    // temporary directory that cannot be written must not keep the program
    // from starting.
    return lock_->error() != QLockFile::LockFailedError;
}
