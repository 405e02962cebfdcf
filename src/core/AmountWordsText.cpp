#include "core/AmountWordsText.h"

#include "core/NumberWords.h"

namespace {

QString numberWords(qint64 n, const AmountWordsParts& parts) {
    return parts.specificites ? EnLettres2(n, parts.majuscules) : EnLettres(n, parts.majuscules);
}

} // namespace

QString composeAmountWords(const AmountWordsParts& parts) {
    QString text = QStringLiteral("***") + numberWords(parts.integer, parts);
    if (!parts.preposition.isEmpty())
        text += u' ' + parts.preposition;
    text += parts.unit;
    if (parts.decimals)
        text += QStringLiteral(" et") + numberWords(*parts.decimals, parts) + parts.subUnit;
    return text + kClosingMarker;
}
