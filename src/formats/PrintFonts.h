#pragma once

#include <QFont>
#include <QString>

/// The fonts the cheque texts are printed in: the fixed default fonts, or the chosen font with
/// its four custom sizes. Word lines and figures are bold.
struct PrintFonts {
    QFont words;
    QFont beneficiary;
    QFont figures;
    QFont placeDate;

    static PrintFonts standard();
    static PrintFonts custom(const QString& name, int wordsSize, int beneficiarySize,
                             int figuresSize, int placeDateSize);
};
