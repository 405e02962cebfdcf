#pragma once

#include "platform/AppFolders.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Sounds.h"
#include "support/RecordingDialogs.h"

#include <QTemporaryDir>
#include <vector>

/// Remembers which wave files were started.
class RecordingSoundOutput : public SoundOutput {
public:
    void play(const QString& path) override { played.push_back(path); }
    bool isPlaying() const override { return playing; }

    /// The cue names played so far, in order ("Son000", ...).
    QStringList cues() const;

    std::vector<QString> played;
    bool playing = false;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2026, 12, 11), QTime(10, 30, 0)};
};

class RecordingShell : public Shell {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

/// Every service as a double, with the folders in a fresh temporary directory and the real
/// generated sound cues in the Wav folder of the build.
class TestPlatform {
public:
    TestPlatform();

    Platform& platform() { return m_platform; }
    const QString& root() const { return m_rootPath; }

    RecordingDialogs dialogs;
    RecordingSoundOutput soundOutput;
    FixedClock clock;
    RecordingShell shell;

private:
    QTemporaryDir m_root;
    QString m_rootPath;

public:
    AppFolders folders;
    Sounds sounds;

private:
    Platform m_platform;
};
