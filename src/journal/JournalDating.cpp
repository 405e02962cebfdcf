#include "journal/JournalDating.h"

#include <array>

QString DatagePrecis(const QDateTime& moment) {
    static const std::array<const char16_t*, 12> months = {
        u"janvier", u"février", u"mars",      u"avril",   u"mai",      u"juin",
        u"juillet", u"août",    u"septembre", u"octobre", u"novembre", u"décembre"};
    const QDate day = moment.date();
    const QTime time = moment.time();
    return QStringLiteral("%1 %2 %3 à %4:%5:%6")
        .arg(day.day())
        .arg(QString::fromUtf16(months.at(static_cast<size_t>(day.month() - 1))))
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

int NumeroSemaine(const QDate& day) {
    const int week = day.weekNumber();
    return week == 53 ? 1 : week;
}
