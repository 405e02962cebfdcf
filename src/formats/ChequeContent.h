#pragma once

#include <QString>
#include <array>

/// The texts of one cheque as they are printed: fitted word lines, the beneficiary with its
/// fill, "***" + the grouped amount + its fill, the place and the date.
struct ChequeContent {
    std::array<QString, 3> wordsLines;
    QString beneficiary;
    QString figures;
    QString place;
    QString date;
};
