#pragma once

#include "core/WordFontCommands.h"

#include <QWidget>
#include <functional>

class Dialogs;
class QCheckBox;
class QFontComboBox;
class QSpinBox;

/// The tab "Configuration de fonte": "Fonte par défaut", the font list and the four custom
/// sizes of the word-font settings.
class FontSettingsTab : public QWidget {
    Q_OBJECT
public:
    using Getter = std::function<WordFontSettings()>;
    /// Applies new settings; `restoreBeneficiary`: the beneficiary gets back its typed text.
    using Setter = std::function<void(const WordFontSettings&, bool restoreBeneficiary)>;

    FontSettingsTab(Getter get, Setter set, Dialogs& dialogs, QWidget* parent = nullptr);

    /// Shows the settings as they stand (after loading).
    void refresh();

private:
    QSpinBox* sizeSpin(FontSizeField field, const char* name);

    Getter m_get;
    Setter m_set;
    Dialogs& m_dialogs;
    QCheckBox* m_default = nullptr;
    QFontComboBox* m_fonts = nullptr;
    bool m_refreshing = false;
};
