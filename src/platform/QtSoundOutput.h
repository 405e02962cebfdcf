#pragma once

#include "platform/Sounds.h"

#include <QHash>

class QSoundEffect;

/// Plays the wave files through Qt Multimedia; with no audio device it stays silent. Built
/// into its own module, loaded on the first sound (see LazySoundOutput).
class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    void play(const QString& path) override;
    bool isPlaying() const override;

private:
    QHash<QString, QSoundEffect*> m_effects; // one per file, loaded on first use
    QSoundEffect* m_current = nullptr;
};
