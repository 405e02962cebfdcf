#pragma once

#include "platform/Sounds.h"

/// The command line plays no sound.
class SilentSoundOutput : public SoundOutput {
public:
    void play(const QString&) override {}
    bool isPlaying() const override { return false; }
};
