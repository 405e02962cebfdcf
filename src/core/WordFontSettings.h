#pragma once

#include <QString>

/// The word-font settings of the print settings: the default font, or a chosen font with
/// its custom sizes (in points).
struct WordFontSettings {
    bool defaultFont = true;
    QString fontName = QStringLiteral("MS Sans Serif");
    int wordsSize = 9;
    int beneficiarySize = 12;
    int figuresSize = 14;
    int placeDateSize = 8;
};
