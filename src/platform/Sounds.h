#pragma once

#include <QObject>
#include <QString>

class Dialogs;

/// The named sound cues: the program's own and the ones the original took from the system.
enum class Cue {
    Son000,
    Son001,
    Son002,
    Son003,
    Son004,
    Son005,
    Son006,
    Son007,
    Son008,
    Son009,
    Son010,
    Son011,
    Alarm05,
    Alarm08,
    Ring06,
    Ring08,
    Ring10
};

/// Where a wave file is actually played; asynchronous, never failing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    /// Starts the file, replacing whatever is playing.
    virtual void play(const QString& path) = 0;
    virtual bool isPlaying() const = 0;
};

/// Plays the cues from the Wav folder, unless the mute switch is on.
class Sounds : public QObject {
    Q_OBJECT
public:
    Sounds(SoundOutput& output, QString wavFolder, QObject* parent = nullptr);

    void play(Cue cue);
    bool isMuted() const { return m_muted; }
    void setMuted(bool muted);

    /// The menu command that flips the mute switch, with its passing box.
    void NoSoundClick(Dialogs& dialogs);
    /// The sound of the amount eraser: only once the main window was shown, and only when
    /// the field does not already hold the zero of its decimal mode.
    void WavIfSomme(bool mainWindowShown, const QString& amountText, bool noDecimal,
                    bool threeDecimal);

    static QString fileName(Cue cue);

signals:
    void mutedChanged(bool muted);

private:
    SoundOutput& m_output;
    QString m_wavFolder;
    bool m_muted = false;
};
