#include "journal/JournalDating.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(DatagePrecis, FrenchMonthNamesWithoutLeadingZeroOnTheDay) {
    const char* months[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                            "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    for (int month = 1; month <= 12; ++month) {
        const QDateTime moment(QDate(2026, month, 9), QTime(7, 5, 9));
        EXPECT_EQ(DatagePrecis(moment),
                  QStringLiteral("9 %1 2026 à 07:05:09").arg(QString::fromUtf8(months[month - 1])));
    }
    EXPECT_EQ(DatagePrecis(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 0))),
              QStringLiteral("31 décembre 2026 à 23:59:00"));
}

TEST(DatagePrecis, IgnoresTheSystemLanguage) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = DatagePrecis(QDateTime(QDate(2026, 3, 1), QTime(17, 5, 9)));
    QLocale::setDefault(before);
    EXPECT_EQ(text, QStringLiteral("1 mars 2026 à 17:05:09"));
}

TEST(NumeroSemaine, IsoWeekWithWeek53WrittenAsOne) {
    struct Case {
        QDate day;
        int week;
    };
    const Case cases[] = {
        {QDate(2026, 12, 11), 50}, {QDate(2026, 6, 15), 25},
        {QDate(2025, 12, 28), 52}, // Sunday ending week 52
        {QDate(2025, 12, 29), 1},  // Monday of week 1 of 2026, still in December
        {QDate(2024, 12, 30), 1},  {QDate(2026, 12, 31), 1}, // week 53 of 2026
        {QDate(2027, 1, 1), 1},                              // week 53 of 2026, in January
        {QDate(2027, 1, 3), 1},    {QDate(2027, 1, 4), 1},   // true week 1 of 2027
        {QDate(2027, 1, 11), 2},   {QDate(2020, 12, 31), 1},
        {QDate(2021, 1, 3), 1},    {QDate(2015, 12, 28), 1},
        {QDate(2015, 12, 27), 52},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumeroSemaine(c.day), c.week) << c.day.toString(Qt::ISODate).toStdString();
}

} // namespace
