#pragma once

#include "core/DecimalMode.h"

#include <QString>

class IniDocument;

/// The options of the amount and its wording as the settings file keeps them.
struct WordingOptions {
    QString unitSingular = QStringLiteral("euro");       // SHOW/UMonaie
    QString unitPlural = QStringLiteral("euros");        // SHOW/UMonaieS
    QString subUnitSingular = QStringLiteral("centime"); // SHOW/U100Monaie
    QString subUnitPlural = QStringLiteral("centimes");  // SHOW/U100MonaieS
    QString preposition = QStringLiteral("d'");          // SHOW/Preposition
    QString currencySign = QStringLiteral("€");          // SHOW/Devise
    QString validateCaption = QStringLiteral("Valider"); // SHOW/LabelBtnValid
    bool specificites = false;                           // SHOW/Septante
    bool majuscules = true;                              // SHOW/FontMaj
    bool threeDecimals = false;                          // SHOW/ThreeDecimal
    bool noDecimals = false;                             // PRINT/YesDecimal
    bool resetZones = false;                             // SHOW/Reset
    int dateStyle = 0;                                   // SHOW/Datage, 1..4

    /// "Refuser les décimales" wins should a file tick both boxes.
    DecimalMode decimalMode() const;
};

/// Reads the options with the settings file's defaults; `FontMaj` is guarded (absent: on).
WordingOptions readWordingOptions(const IniDocument& settings);
