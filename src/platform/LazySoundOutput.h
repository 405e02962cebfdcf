#pragma once

#include "platform/Sounds.h"

#include <memory>

/// Loads the sound module (Qt Multimedia and its audio libraries) on the first sound, not
/// at start, where those libraries would cost a noticeable share of the start-up time.
/// When the module cannot be loaded the program stays silent.
class LazySoundOutput : public SoundOutput {
public:
    LazySoundOutput();
    ~LazySoundOutput() override;

    void play(const QString& path) override;
    bool isPlaying() const override;

    /// The file name of the module, without folder.
    static constexpr const char* kModuleName = "quilmet_sounds";

private:
    SoundOutput* output();

    std::unique_ptr<SoundOutput> m_output;
    bool m_tried = false;
};
