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
    return lock_->tryLock(0);
}
