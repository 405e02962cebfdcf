#include "formats/PrintModeSettings.h"

#include "platform/Dialogs.h"
#include "platform/IniDocument.h"
#include "platform/Sounds.h"

#include <optional>

namespace {

constexpr ModeOffset kStd[] = {ModeOffset::EditStdX};
constexpr ModeOffset kVerti2[] = {ModeOffset::EditVertical2};
constexpr ModeOffset kVerti3[] = {ModeOffset::EditVertical3};
constexpr ModeOffset kLaser[] = {ModeOffset::EditLaserH, ModeOffset::EditLaserL};
constexpr ModeOffset kA4Bas[] = {ModeOffset::EditA4BasL, ModeOffset::EditA4BasH};

constexpr OffsetButton kButtons[] = {OffsetButton::BtnDefautStd, OffsetButton::BtnVerti2,
                                     OffsetButton::BtnVerti3, OffsetButton::BtnDefautLaser,
                                     OffsetButton::BtnA4Bas};

std::optional<int> integerFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

PrintModeSettings::PrintModeSettings(Dialogs& dialogs, Sounds& sounds, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_sounds(sounds) {}

void PrintModeSettings::setMode(PrintMode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged(mode);
}

void PrintModeSettings::setOffset(ModeOffset offset, int value) {
    if (m_offsets.value(offset) == value)
        return;
    m_offsets.setValue(offset, value);
    emit offsetChanged(offset, value);
}

void PrintModeSettings::OffsetChange(ModeOffset offset, const QString& text) {
    const int kept = integerFromText(text).value_or(ModeOffsets::info(offset).factory);
    if (kept == m_offsets.value(offset))
        emit offsetChanged(offset, kept); // the field shows the kept value again
    setOffset(offset, kept);
    const OffsetButton button = buttonOf(offset);
    if (!defaultButtonEnabled(button))
        m_dialogs.information(QStringLiteral("Votre attention s'il vous plaît..."),
                              offsetAdviceText());
    setButtonEnabled(button, true);
}

std::span<const ModeOffset> PrintModeSettings::offsetsOf(OffsetButton button) {
    switch (button) {
    case OffsetButton::BtnDefautStd:
        return kStd;
    case OffsetButton::BtnVerti2:
        return kVerti2;
    case OffsetButton::BtnVerti3:
        return kVerti3;
    case OffsetButton::BtnDefautLaser:
        return kLaser;
    case OffsetButton::BtnA4Bas:
        return kA4Bas;
    }
    return {};
}

OffsetButton PrintModeSettings::buttonOf(ModeOffset offset) {
    for (OffsetButton button : kButtons)
        for (ModeOffset restored : offsetsOf(button))
            if (restored == offset)
                return button;
    return OffsetButton::BtnDefautStd;
}

bool PrintModeSettings::defaultButtonEnabled(OffsetButton button) const {
    return m_buttonEnabled[std::size_t(button)];
}

void PrintModeSettings::setButtonEnabled(OffsetButton button, bool enabled) {
    if (m_buttonEnabled[std::size_t(button)] == enabled)
        return;
    m_buttonEnabled[std::size_t(button)] = enabled;
    emit defaultButtonEnabledChanged(button, enabled);
}

bool PrintModeSettings::atFactoryValues(OffsetButton button) const {
    for (ModeOffset offset : offsetsOf(button))
        if (m_offsets.value(offset) != ModeOffsets::info(offset).factory)
            return false;
    return true;
}

void PrintModeSettings::DefaultButtonClick(OffsetButton button) {
    const bool twoValues = offsetsOf(button).size() == 2;
    const QString question =
        offsetAdviceText() +
        (twoValues ? QStringLiteral("SOUHAITEZ-VOUS REMETTRE LA VALEUR X ET Y "
                                    "D'ORIGINE ?")
                   : QStringLiteral("SOUHAITEZ-VOUS REMETTRE LA VALEUR Y D'ORIGINE ?"));
    if (!m_dialogs.question(QStringLiteral("Votre attention s'il vous plaît..."), question,
                            DialogButton::No, DialogIcon::Warning))
        return;
    for (ModeOffset offset : offsetsOf(button))
        setOffset(offset, ModeOffsets::info(offset).factory);
    setButtonEnabled(button, false);
}

void PrintModeSettings::DisableBtnParDefaut() {
    for (OffsetButton button : kButtons)
        setButtonEnabled(button, !atFactoryValues(button));
}

void PrintModeSettings::ImgDblClick(PrintMode mode) {
    const bool turned = !m_turned[index(mode)];
    m_turned[index(mode)] = turned;
    emit pictureTurnedChanged(mode, turned);
    m_sounds.play(Cue::Son003);
}

void PrintModeSettings::load(const IniDocument& settings) {
    const QString section = QString::fromLatin1(kSection);
    setMode(printModeFromStored(settings.readInteger(section, QStringLiteral("Orientation"), 0))
                .value_or(PrintMode::PrintHorizontal));
    for (const ModeOffsetInfo& info : ModeOffsets::all())
        setOffset(
            info.offset,
            integerFromText(settings.readString(section, QString::fromLatin1(info.key), QString()))
                .value_or(info.factory));
    const QString pictures = QString::fromLatin1(kPictureSection);
    for (PrintMode mode : printModesInMenuOrder()) {
        const QString key = QString::fromLatin1(printModeInfo(mode).pictureKey);
        if (!settings.valueExists(pictures, key))
            continue;
        const bool turned = settings.readString(pictures, key, QString()) == u"R";
        if (turned != m_turned[index(mode)]) {
            m_turned[index(mode)] = turned;
            emit pictureTurnedChanged(mode, turned);
        }
    }
}

void PrintModeSettings::save(IniDocument& settings) const {
    const QString section = QString::fromLatin1(kSection);
    for (const ModeOffsetInfo& info : ModeOffsets::all())
        settings.writeInteger(section, QString::fromLatin1(info.key), m_offsets.value(info.offset));
    settings.writeInteger(section, QStringLiteral("Orientation"), int(m_mode));
    const QString pictures = QString::fromLatin1(kPictureSection);
    for (int stored = 1; stored <= 7; ++stored) {
        const PrintMode mode = PrintMode(stored);
        settings.writeString(pictures, QString::fromLatin1(printModeInfo(mode).pictureKey),
                             m_turned[index(mode)] ? QStringLiteral("R") : QString());
    }
}

const QString& PrintModeSettings::offsetAdviceText() {
    static const QString text = QStringLiteral(
        "Avant toute modification : il est recommandé d'effectuer une\r\nsauvegarde de votre "
        "fichier personnel d'initialisation, mémorisant\r\négalement les données de ces "
        "réglages d'impression.\r\nOption en menu : \"Sauvegarde fichier des paramètres de "
        "réglage\".\r\n\r\n");
    return text;
}
