#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

FolderRoots rootsUnder(const QString& root) {
    FolderRoots roots;
    roots.applicationData = root + QStringLiteral("/appdata");
    roots.commonData = root + QStringLiteral("/common");
    roots.install = root + QStringLiteral("/install");
    roots.desktop = root + QStringLiteral("/desktop");
    roots.internetCache = root + QStringLiteral("/cache");
    for (const QString& folder :
         {roots.applicationData, roots.commonData + QStringLiteral("/quilmet"), roots.install,
          roots.desktop, roots.internetCache})
        QDir().mkpath(folder);
    return roots;
}

// The test binaries sit beside the program's, so the generated cues are in ./Wav.
QString buildWavFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Wav");
}

} // namespace

QStringList RecordingSoundOutput::cues() const {
    QStringList names;
    for (const QString& path : played)
        names << QFileInfo(path).completeBaseName();
    return names;
}

TestPlatform::TestPlatform()
    : m_rootPath(m_root.path()), folders(rootsUnder(m_rootPath)),
      sounds(soundOutput, buildWavFolder()), m_platform{dialogs, sounds, clock, shell, folders} {}
