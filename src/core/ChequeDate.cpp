#include "core/ChequeDate.h"

#include <array>

DateStyle dateStyleFromSetting(int value) {
    return value >= 1 && value <= 4 ? static_cast<DateStyle>(value) : DateStyle::Words;
}

QString frenchMonthName(int month) {
    static const std::array<QString, 12> names = {
        QStringLiteral("janvier"), QStringLiteral("février"),  QStringLiteral("mars"),
        QStringLiteral("avril"),   QStringLiteral("mai"),      QStringLiteral("juin"),
        QStringLiteral("juillet"), QStringLiteral("août"),     QStringLiteral("septembre"),
        QStringLiteral("octobre"), QStringLiteral("novembre"), QStringLiteral("décembre")};
    return month >= 1 && month <= 12 ? names[static_cast<size_t>(month - 1)] : QString();
}

QString formatChequeDate(const QDate& date, DateStyle style, bool leadingZeros) {
    const int width = leadingZeros ? 2 : 1;
    const QString day = QStringLiteral("%1").arg(date.day(), width, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(date.month(), width, 10, QLatin1Char('0'));
    const QString year = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    switch (style) {
    case DateStyle::Words:
        return day + u' ' + frenchMonthName(date.month()) + u' ' + year;
    case DateStyle::Spaces:
        return day + u' ' + month + u' ' + year;
    case DateStyle::Dashes:
        return day + u'-' + month + u'-' + year;
    case DateStyle::Slashes:
        break;
    }
    // The short date of a French system, the same at start and from the menu.
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(year);
}
