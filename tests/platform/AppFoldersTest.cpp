#include "platform/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

FolderRoots rootsIn(const QTemporaryDir& dir) {
    FolderRoots roots;
    roots.applicationData = dir.filePath(QStringLiteral("data"));
    roots.commonData = dir.filePath(QStringLiteral("share"));
    roots.install = dir.filePath(QStringLiteral("bin"));
    roots.desktop = dir.filePath(QStringLiteral("Bureau"));
    roots.internetCache = dir.filePath(QStringLiteral("cache"));
    return roots;
}

TEST(AppFolders, BuildsEveryPathFromItsRoot) {
    QTemporaryDir dir;
    const FolderRoots roots = rootsIn(dir);
    const AppFolders folders(roots);
    EXPECT_EQ(folders.DonnePathUser(), roots.applicationData);
    EXPECT_EQ(folders.userFolder(), roots.applicationData + QStringLiteral("/Quilmet/"));
    EXPECT_EQ(folders.settingsFilePath(),
              roots.applicationData + QStringLiteral("/Quilmet/Quilcfg.ini"));
    EXPECT_EQ(folders.DonneFolderAppli(), roots.install + QStringLiteral("/"));
    EXPECT_EQ(folders.commonDataFolder(), roots.commonData + QStringLiteral("/quilmet/"));
    EXPECT_EQ(folders.SpecialFolder(AppFolders::Desktop), roots.desktop);
    EXPECT_EQ(folders.SpecialFolder(AppFolders::ApplicationData), roots.applicationData);
    EXPECT_EQ(folders.SpecialFolder(AppFolders::InternetCache), roots.internetCache);
    EXPECT_EQ(folders.SpecialFolder(AppFolders::CommonApplicationData), roots.commonData);
    EXPECT_EQ(folders.SpecialFolder(5), QString());
}

TEST(CreateFolderUser, CreatesTheFolderOnceAndKeepsWhatIsInIt) {
    QTemporaryDir dir;
    const AppFolders folders(rootsIn(dir));
    EXPECT_EQ(folders.CreateFolderUser(), std::nullopt);
    ASSERT_TRUE(QFileInfo(folders.userFolder()).isDir());
    QFile keep(folders.settingsFilePath());
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    EXPECT_EQ(folders.CreateFolderUser(), std::nullopt);
    EXPECT_TRUE(QFile::exists(folders.settingsFilePath()));
}

TEST(CreateFolderUser, ReportsItsFailureWithTheRoutineName) {
    QTemporaryDir dir;
    FolderRoots roots = rootsIn(dir);
    // A plain file where the application-data folder should be.
    roots.applicationData = dir.filePath(QStringLiteral("notAFolder"));
    QFile blocker(roots.applicationData);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(AppFolders(roots).CreateFolderUser(),
              QStringLiteral("Création échouée méthode \"CreateFolderUser\"."));
}

} // namespace
