#pragma once

#include <QString>

/// What the journal and the account slots need of a bank format, filled from the catalogue.
struct JournalFormatInfo {
    QString journalName;      // display name, every "&" removed ("BNP PARIBAS")
    QString bankKey;          // name in the Compte<k>/Cheque<k> keys ("BNP")
    QString oldJournalCode;   // short code of earlier file names ("BABNP")
    QString oldJournalSuffix; // after the account in earlier names ("", "_", "_3L")
    int slotCount = 3;        // accounts 1..slotCount (9 for the Société Générale formats)
    bool threeLines = false;  // the three-line Crédit Agricole format
    bool dashed = false;      // one of the three [--] formats
};
