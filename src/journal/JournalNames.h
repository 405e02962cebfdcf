#pragma once

#include "journal/JournalFormatInfo.h"

#include <QString>

/// Which journal file the current format and account write to.
struct JournalTarget {
    const JournalFormatInfo* format = nullptr; // null: no format chosen
    int account = 0;                           // 1..9, 0 when no account is selected
    bool single = false;                       // JournalUnique
};

/// "Journal.<ext>" for the single journal, else "J_" + name (blanks as "-") + "3L-"/"_" +
/// account + "." + ext, e.g. J_BNP-PARIBAS2.txt.
QString GetNameJournal(const JournalTarget& target, const QString& extension);

/// The UserFolder (with its trailing '/') + the name with extension "txt".
QString GetPathJournal(const QString& userFolder, const JournalTarget& target);

/// The name earlier versions gave the same journal, e.g. J_CA2_3L.TXT or Journal.TXT.
QString GetNameOldJournal(const JournalTarget& target);
