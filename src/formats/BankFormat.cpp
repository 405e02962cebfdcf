#include "formats/BankFormat.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 15> kTwoLineFields{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16};
constexpr std::array<int, 18> kThreeLineFields{1,  2,  3,  4,  5,  6,  7,  8,  9,
                                               10, 11, 12, 13, 14, 15, 16, 30, 31};

} // namespace

std::span<const int> BankFormat::fieldNumbers() const {
    if (lineCount == 3)
        return kThreeLineFields;
    return kTwoLineFields;
}

bool BankFormat::hasField(int n) const {
    const std::span<const int> fields = fieldNumbers();
    return std::find(fields.begin(), fields.end(), n) != fields.end();
}

QString BankFormat::editName(int n) const {
    return QStringLiteral("Edit%1Bq%2").arg(n).arg(editSuffix);
}

QString BankFormat::oldJournalFileName(int account) const {
    return QStringLiteral("J_%1%2%3.TXT").arg(oldJournalCode).arg(account).arg(oldJournalSuffix);
}

QString BankFormat::caption(const QString& displayName) {
    QString text = displayName;
    return text.remove(u'&');
}

QPoint BankFormat::anchorMm(ChequeField element, const FieldPositions& positions) const {
    int dx = 0;
    int dy = 0;
    switch (element) {
    case ChequeField::WordsLine1:
    case ChequeField::WordsLine2:
    case ChequeField::WordsLine3:
        dy = adjustments.wordsDy;
        break;
    case ChequeField::Beneficiary:
        dx = adjustments.beneficiaryDx;
        dy = adjustments.beneficiaryDy;
        break;
    case ChequeField::Figures:
        dx = adjustments.figuresDx;
        dy = adjustments.figuresDy;
        break;
    case ChequeField::Place:
        dx = adjustments.placeDx;
        dy = adjustments.placeDateDy;
        break;
    case ChequeField::Date:
        dx = adjustments.dateDx;
        dy = adjustments.placeDateDy;
        break;
    }
    return {positions.x(element) + dx, positions.y(element) - dy};
}
