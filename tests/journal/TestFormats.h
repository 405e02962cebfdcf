#pragma once

#include "journal/JournalFormatInfo.h"

// What the catalogue gives for the formats these tests use.
inline JournalFormatInfo bnpFormat() {
    return {QStringLiteral("BNP PARIBAS"),
            QStringLiteral("BNP"),
            QStringLiteral("BABNP"),
            {},
            3,
            false,
            false};
}

inline JournalFormatInfo societeGeneraleDashFormat() {
    return {QStringLiteral("Société Générale [--]"),
            QStringLiteral("SocieteGenerale_"),
            QStringLiteral("SG"),
            QStringLiteral("_"),
            9,
            false,
            true};
}

inline JournalFormatInfo creditAgricole3LFormat() {
    return {QStringLiteral("CA [3 lignes en lettres]"),
            QStringLiteral("CreditAgricole3L"),
            QStringLiteral("CA"),
            QStringLiteral("_3L"),
            3,
            true,
            false};
}
