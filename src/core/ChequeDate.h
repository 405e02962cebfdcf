#pragma once

#include <QDate>
#include <QString>

/// The four "Format date" entries, numbered as stored in the settings file (`Datage`).
enum class DateStyle { Words = 1, Spaces = 2, Dashes = 3, Slashes = 4 };

/// The style stored as `Datage`; any value other than 1 to 4 gives the first.
DateStyle dateStyleFromSetting(int value);

/// French long month name ("janvier" ... "décembre"), whatever the machine's language.
QString frenchMonthName(int month);

/// The date as the cheque carries it: "14 mai 2007", "14 05 2007", "14-05-2007" or
/// "14/05/2007". Without leading zeros (as written at start) day and month take no "0"
/// in the first three styles.
QString formatChequeDate(const QDate& date, DateStyle style, bool leadingZeros);
