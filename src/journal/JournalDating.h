#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

/// "9 décembre 2026 à 17:05:09": French month names whatever the system's language.
QString DatagePrecis(const QDateTime& moment);

/// The ISO 8601 week number of `day`, except that week 53 is written as 1.
int NumeroSemaine(const QDate& day);
