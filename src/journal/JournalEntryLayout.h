#pragma once

#include "journal/JournalEntry.h"

#include <QByteArray>
#include <QString>

/// The text of one entry: its lines, each ended by CR LF, then three empty lines.
QString journalEntryText(const JournalEntry& entry);

/// The upper-stub lines of an entry (each starting with "ˆ"), joined by CR LF; empty when
/// the stub has nothing to record.
QString journalStubBlock(const JournalEntry& entry);

/// The journal file's new bytes: its lines (any line break) rewritten with CR LF, and the
/// entry (cp1252) after the last line, or before the first when `inverted`.
QByteArray journalWithEntry(const QByteArray& journal, const QString& entryText, bool inverted);
