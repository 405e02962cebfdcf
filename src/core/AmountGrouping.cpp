#include "core/AmountGrouping.h"

QString groupAmount(const QString& amount, DecimalMode mode) {
    const qsizetype comma = amount.indexOf(u',');
    const QString integer = comma < 0 ? amount : amount.left(comma);
    QString grouped;
    for (qsizetype i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped += u'.';
        grouped += integer[i];
    }
    switch (mode) {
    case DecimalMode::None:
        return grouped;
    case DecimalMode::Two:
        return grouped + (comma < 0 ? QStringLiteral(",00") : u',' + amount.mid(comma + 1, 2));
    case DecimalMode::Three:
        break;
    }
    return grouped + (comma < 0 ? QStringLiteral(",000") : u',' + amount.mid(comma + 1, 3));
}
