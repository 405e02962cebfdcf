#include "platform/InstanceLock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstReleases) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quilmet.lock"));
    InstanceLock first(path);
    InstanceLock second(path);
    ASSERT_TRUE(first.tryLock());
    EXPECT_FALSE(second.tryLock());
    first.unlock();
    EXPECT_TRUE(second.tryLock());
}

TEST(InstanceLock, LockLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quilmet.lock"));
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        // A process id that cannot be running (above the kernel's maximum).
        stale.write("4194305\nquilmet\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    InstanceLock lock(path);
    EXPECT_TRUE(lock.tryLock());
}

} // namespace
