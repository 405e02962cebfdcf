#include "formats/PrintFonts.h"

#include "formats/BankFormatCatalogue.h"

namespace {

QFont font(const QString& name, int size, bool bold) {
    QFont f(name, size);
    f.setBold(bold);
    return f;
}

} // namespace

PrintFonts PrintFonts::standard() {
    return {BankFormatCatalogue::defaultFont(ChequeField::WordsLine1),
            BankFormatCatalogue::defaultFont(ChequeField::Beneficiary),
            BankFormatCatalogue::defaultFont(ChequeField::Figures),
            BankFormatCatalogue::defaultFont(ChequeField::Place)};
}

PrintFonts PrintFonts::custom(const QString& name, int wordsSize, int beneficiarySize,
                              int figuresSize, int placeDateSize) {
    return {font(name, wordsSize, true), font(name, beneficiarySize, false),
            font(name, figuresSize, true), font(name, placeDateSize, false)};
}
