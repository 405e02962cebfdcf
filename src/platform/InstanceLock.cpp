#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& lockFilePath) : m_lock(lockFilePath) {
    // Only a dead owner makes the lock stale, never its age: the program runs for hours.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::tryLock() {
    return m_lock.tryLock(0);
}

void InstanceLock::unlock() {
    m_lock.unlock();
}

QString InstanceLock::defaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/quilmet.lock");
}
