#pragma once

#include <QLockFile>
#include <QString>

/// Keeps a second copy of the program from running. The lock is a file, so a copy that
/// crashed leaves a stale lock behind, which the next start takes over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& lockFilePath = defaultPath());

    bool tryLock();
    void unlock();
    bool isLocked() const { return m_lock.isLocked(); }

    static QString defaultPath();

private:
    QLockFile m_lock;
};
