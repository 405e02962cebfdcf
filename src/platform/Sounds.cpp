#include "platform/Sounds.h"

#include "platform/Dialogs.h"

#include <QFileInfo>
#include <array>

Sounds::Sounds(SoundOutput& output, QString wavFolder, QObject* parent)
    : QObject(parent), m_output(output), m_wavFolder(std::move(wavFolder)) {
    if (!m_wavFolder.endsWith(u'/'))
        m_wavFolder += u'/';
}

QString Sounds::fileName(Cue cue) {
    static const std::array<const char*, 17> names = {
        "Son000", "Son001", "Son002", "Son003",  "Son004",  "Son005", "Son006", "Son007", "Son008",
        "Son009", "Son010", "Son011", "Alarm05", "Alarm08", "Ring06", "Ring08", "Ring10"};
    return QString::fromLatin1(names.at(static_cast<size_t>(cue))) + QStringLiteral(".wav");
}

void Sounds::play(Cue cue) {
    if (m_muted)
        return;
    // The hover sounds of the hidden buttons never cut another sound short.
    if ((cue == Cue::Son008 || cue == Cue::Son009) && m_output.isPlaying())
        return;
    const QString path = m_wavFolder + fileName(cue);
    if (QFileInfo::exists(path))
        m_output.play(path);
}

void Sounds::setMuted(bool muted) {
    if (m_muted == muted)
        return;
    m_muted = muted;
    emit mutedChanged(muted);
}

void Sounds::NoSoundClick(Dialogs& dialogs) {
    PassingBoxRequest box;
    box.title = QStringLiteral("Gestion des ressources sonores...");
    box.rounds = 201;
    box.height = 110;
    if (m_muted) {
        setMuted(false);
        play(Cue::Son000);
        box.text = QStringLiteral("\r\nLes ressources sonores sont replacées.");
    } else {
        setMuted(true);
        play(Cue::Son000);
        box.text = QStringLiteral("\r\nLes ressources sonores sont neutralisées.");
    }
    dialogs.passingBox(box);
}

void Sounds::WavIfSomme(bool mainWindowShown, const QString& amountText, bool noDecimal,
                        bool threeDecimal) {
    if (!mainWindowShown)
        return;
    const QString zero = noDecimal      ? QStringLiteral("0")
                         : threeDecimal ? QStringLiteral("0,000")
                                        : QStringLiteral("0,00");
    if (amountText != zero)
        play(Cue::Son003);
}
