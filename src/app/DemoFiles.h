#pragma once

#include <QString>

struct Platform;

/// Puts the demonstration files in the UserFolder at start: copied from the common data
/// folder when the user has none, announced as missing when neither folder has them.
class DemoFiles {
public:
    explicit DemoFiles(Platform& platform);

    /// `seriesPathEmpty`: the missing-file box shows only while no series file is chosen.
    void CopyFileSerieAuto(bool seriesPathEmpty);
    void CopyFileEntete(bool seriesPathEmpty);
    void CopyFileNotes();

private:
    void copyDemoFile(const QString& fileName, const QString& missingText, bool announceMissing);

    Platform& m_platform;
};
