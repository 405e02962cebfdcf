#pragma once

#include "journal/JournalEntry.h"

#include <QObject>
#include <QString>
#include <optional>

class CurrentAccount;
class IniDocument;
class Journal;
struct Platform;

/// What happened after a cheque was printed; each error was already shown to the user.
struct PrintedChequeOutcome {
    std::optional<QString> journalError;
    std::optional<QString> numberError;
};

/// The steps after a cheque left for the printer: journal entry, cheque number advance and
/// the printed-cheque counter (SHOW/NbrChqPrint).
class ChequeRecorder : public QObject {
    Q_OBJECT
public:
    ChequeRecorder(Platform& platform, Journal& journal, CurrentAccount& current,
                   QObject* parent = nullptr);

    int NbrChqPrint() const { return m_printed; }
    void load(const IniDocument& settings);
    void save(IniDocument& settings) const;

    /// Records one printed cheque. `printed` holds what was on the cheque; the time, format,
    /// account and numbers are taken from the clock and the current account. Every step runs
    /// whatever the earlier ones gave: the paper cheque is used, so its number must not be
    /// printed again.
    PrintedChequeOutcome recordPrintedCheque(JournalEntry printed);

signals:
    void printedCountChanged(int count);

private:
    Platform& m_platform;
    Journal& m_journal;
    CurrentAccount& m_current;
    int m_printed = 0;
};
