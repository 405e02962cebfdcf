#include "platform/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

FolderRoots FolderRoots::fromSystem() {
    FolderRoots roots;
    roots.applicationData =
        withoutTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString appDir = QCoreApplication::applicationDirPath();
    // Installed or run from the build tree, the shared data sits in ../share/quilmet.
    const QString besideBinary = QDir::cleanPath(appDir + QStringLiteral("/../share"));
    roots.commonData = besideBinary;
    if (!QFileInfo(besideBinary + QStringLiteral("/quilmet")).isDir()) {
        const QString found =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("quilmet"),
                                   QStandardPaths::LocateDirectory);
        if (!found.isEmpty())
            roots.commonData = QFileInfo(found).absolutePath();
    }
    roots.install = QFileInfo(appDir + QStringLiteral("/Wav")).isDir()
                        ? appDir
                        : roots.commonData + QStringLiteral("/quilmet");
    roots.desktop =
        withoutTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (roots.desktop.isEmpty() || !QFileInfo(roots.desktop).isDir())
        roots.desktop = withoutTrailingSlash(QDir::homePath());
    roots.internetCache = withoutTrailingSlash(
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    return roots;
}

AppFolders::AppFolders(FolderRoots roots) : m_roots(std::move(roots)) {}

QString AppFolders::SpecialFolder(int csidl) const {
    switch (csidl) {
    case Desktop:
        return m_roots.desktop;
    case ApplicationData:
        return m_roots.applicationData;
    case InternetCache:
        return m_roots.internetCache;
    case CommonApplicationData:
        return m_roots.commonData;
    default:
        return {};
    }
}

QString AppFolders::DonnePathUser() const {
    return m_roots.applicationData;
}

QString AppFolders::DonneFolderAppli() const {
    return m_roots.install + QLatin1Char('/');
}

QString AppFolders::userFolder() const {
    return DonnePathUser() + QStringLiteral("/Quilmet/");
}

QString AppFolders::commonDataFolder() const {
    return m_roots.commonData + QStringLiteral("/quilmet/");
}

QString AppFolders::settingsFilePath() const {
    return DonnePathUser() + QStringLiteral("/Quilmet/Quilcfg.ini");
}

QString AppFolders::temporaryFolder() const {
    return QDir::tempPath();
}

std::optional<QString> AppFolders::CreateFolderUser() const {
    const QString folder = DonnePathUser() + QStringLiteral("/Quilmet");
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    // The application-data folder may itself be missing on a fresh account.
    if (QDir().mkpath(folder))
        return std::nullopt;
    return QString::fromUtf8(kCreateFolderUserError);
}
