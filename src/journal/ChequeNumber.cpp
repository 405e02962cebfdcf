#include "journal/ChequeNumber.h"

namespace ChequeNumber {

bool isNumber(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

std::optional<QString> stepped(const QString& text, int delta) {
    if (!isNumber(text) || (delta != 1 && delta != -1))
        return std::nullopt;
    // Decimal carry on the digits themselves: no overflow, whatever the length.
    QString result = text;
    const QChar from = delta > 0 ? u'9' : u'0';
    const QChar to = delta > 0 ? u'0' : u'9';
    qsizetype i = result.size() - 1;
    while (i >= 0 && result[i] == from) {
        result[i] = to;
        --i;
    }
    if (i < 0)
        return delta > 0 ? std::optional<QString>(QStringLiteral("1") + result) : std::nullopt;
    result[i] = QChar(result[i].unicode() + delta);
    return result;
}

} // namespace ChequeNumber
