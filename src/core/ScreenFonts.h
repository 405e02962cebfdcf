#pragma once

#include "core/WordFontSettings.h"

#include <QFont>

/// The fonts the cheque texts are shown and measured in.
struct ScreenFonts {
    QFont wordLines;   // bold
    QFont wrapping;    // the words lines' name and size, regular: used for the split
    QFont beneficiary; // regular
    QFont figures;     // bold
    QFont placeDate;   // regular

    /// The fonts of the given settings: "MS Sans Serif" 9/12/14/8 by default, else the
    /// chosen name with the custom sizes.
    static ScreenFonts fromSettings(const WordFontSettings& settings);
};
