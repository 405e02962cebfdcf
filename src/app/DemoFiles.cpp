#include "app/DemoFiles.h"

#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Sounds.h"

#include <QDir>
#include <QFile>

DemoFiles::DemoFiles(Platform& platform) : m_platform(platform) {}

void DemoFiles::CopyFileSerieAuto(bool seriesPathEmpty) {
    copyDemoFile(QStringLiteral("Serie_Auto.txt"),
                 QStringLiteral("Le fichier Serie_Auto.txt de démonstration est absent en :"),
                 seriesPathEmpty);
}

void DemoFiles::CopyFileEntete(bool seriesPathEmpty) {
    copyDemoFile(QStringLiteral("Entete.rtf"),
                 QStringLiteral("Le fichier Entete.rtf de démonstration est absent en :"),
                 seriesPathEmpty);
}

void DemoFiles::CopyFileNotes() {
    copyDemoFile(QStringLiteral("Notes.txt"),
                 QStringLiteral("Le fichier Notes.txt est absent en :"), true);
}

void DemoFiles::copyDemoFile(const QString& fileName, const QString& missingText,
                             bool announceMissing) {
    const AppFolders& folders = m_platform.folders;
    const QString target = folders.userFolder() + fileName;
    if (QFile::exists(target))
        return;
    const QString source = folders.commonDataFolder() + fileName;
    if (QFile::exists(source)) {
        QFile::copy(source, target); // never overwrites
        return;
    }
    if (!announceMissing)
        return;
    m_platform.sounds.play(Cue::Son000);
    m_platform.dialogs.information(QStringLiteral("Quilmet et son fichier %1...").arg(fileName),
                                   QStringLiteral("   FICHIER MANQUANT\r\n\r\n") + missingText +
                                       QStringLiteral("\r\n\r\n") +
                                       QDir::toNativeSeparators(folders.userFolder()));
}
