#include "formats/ChequeLayout.h"

#include "formats/BankFormat.h"
#include "formats/PrintGeometry.h"

std::vector<PrintedText> layoutCheque(const BankFormat& format, const FieldPositions& positions,
                                      const PrintGeometry& geometry, const PrintFonts& fonts,
                                      const ChequeContent& content) {
    std::vector<PrintedText> texts;
    const auto place = [&](ChequeField field, const QFont& font, const QString& text) {
        const QPoint mm = format.anchorMm(field, positions);
        texts.push_back({field, geometry.devicePoint(mm.x(), mm.y()), font, text});
    };
    place(ChequeField::WordsLine1, fonts.words, content.wordsLines[0]);
    place(ChequeField::WordsLine2, fonts.words, content.wordsLines[1]);
    if (format.lineCount == 3)
        place(ChequeField::WordsLine3, fonts.words, content.wordsLines[2]);
    place(ChequeField::Beneficiary, fonts.beneficiary, content.beneficiary);
    place(ChequeField::Figures, fonts.figures, content.figures);
    place(ChequeField::Place, fonts.placeDate, content.place);
    place(ChequeField::Date, fonts.placeDate, content.date);
    return texts;
}
