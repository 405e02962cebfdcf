#pragma once

#include "formats/ChequeContent.h"
#include "formats/FieldPositions.h"
#include "formats/PrintFonts.h"

#include <QPoint>
#include <vector>

struct BankFormat;
class PrintGeometry;

/// One text of the cheque placed on the page, in device pixels.
struct PrintedText {
    ChequeField field;
    QPoint topLeft;
    QFont font;
    QString text;
};

/// The cheque fields of any format laid out for one printer and print mode, in print order:
/// the word lines (three on the three-line format), beneficiary, figures, place, date.
std::vector<PrintedText> layoutCheque(const BankFormat& format, const FieldPositions& positions,
                                      const PrintGeometry& geometry, const PrintFonts& fonts,
                                      const ChequeContent& content);
