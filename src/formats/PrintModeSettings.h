#pragma once

#include "formats/ModeOffsets.h"
#include "formats/PrintMode.h"

#include <QObject>
#include <QString>
#include <array>
#include <span>

class Dialogs;
class IniDocument;
class Sounds;

/// The default buttons of the mode offsets, each restoring one or two offsets.
enum class OffsetButton { BtnDefautStd, BtnVerti2, BtnVerti3, BtnDefautLaser, BtnA4Bas };

/// The current print mode, the mode offsets with their default buttons, and the turned
/// pictures (sections PRINT and PICTOPOSPRINT).
class PrintModeSettings : public QObject {
    Q_OBJECT
public:
    PrintModeSettings(Dialogs& dialogs, Sounds& sounds, QObject* parent = nullptr);

    PrintMode mode() const { return m_mode; }
    /// A mode command of the menu, the pictures' menu or the chooser.
    void setMode(PrintMode mode);

    const ModeOffsets& offsets() const { return m_offsets; }
    int offset(ModeOffset offset) const { return m_offsets.value(offset); }
    /// Sets an offset without the rules of a user's change.
    void setOffset(ModeOffset offset, int value);
    /// The user changed an offset field: an emptied (or unreadable) field gets its factory
    /// value back; the first change after the factory values shows the backup advice.
    void OffsetChange(ModeOffset offset, const QString& text);

    /// The offsets a button restores.
    static std::span<const ModeOffset> offsetsOf(OffsetButton button);
    static OffsetButton buttonOf(ModeOffset offset);
    bool defaultButtonEnabled(OffsetButton button) const;
    /// Asks, and on "Oui" restores the button's factory offsets and disables it.
    void DefaultButtonClick(OffsetButton button);
    /// Start-up check: a button is enabled only when one of its offsets is not the factory one.
    void DisableBtnParDefaut();

    bool pictureTurned(PrintMode mode) const { return m_turned[index(mode)]; }
    /// Double-click on a mode picture: turns it over or back.
    void ImgDblClick(PrintMode mode);

    /// Reads the mode (1 to 7, anything else the horizontal mode), the offsets (text; an
    /// empty or non-integer value keeps the factory offset) and the picture flags ("R" =
    /// turned, applied only where the key exists).
    void load(const IniDocument& settings);
    void save(IniDocument& settings) const;

    static const QString& offsetAdviceText();

    static constexpr const char* kSection = "PRINT";
    static constexpr const char* kPictureSection = "PICTOPOSPRINT";

signals:
    void modeChanged(PrintMode mode);
    void offsetChanged(ModeOffset offset, int value);
    void defaultButtonEnabledChanged(OffsetButton button, bool enabled);
    void pictureTurnedChanged(PrintMode mode, bool turned);

private:
    static std::size_t index(PrintMode mode) { return std::size_t(mode) - 1; }
    bool atFactoryValues(OffsetButton button) const;
    void setButtonEnabled(OffsetButton button, bool enabled);

    Dialogs& m_dialogs;
    Sounds& m_sounds;
    PrintMode m_mode = PrintMode::PrintHorizontal;
    ModeOffsets m_offsets;
    std::array<bool, 5> m_buttonEnabled{true, true, true, true, true};
    std::array<bool, 7> m_turned{};
};
