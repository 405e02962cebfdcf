#include "journal/ChequeRecorder.h"

#include "journal/CurrentAccount.h"
#include "journal/Journal.h"
#include "platform/Clock.h"
#include "platform/IniDocument.h"
#include "platform/Platform.h"

ChequeRecorder::ChequeRecorder(Platform& platform, Journal& journal, CurrentAccount& current,
                               QObject* parent)
    : QObject(parent), m_platform(platform), m_journal(journal), m_current(current) {}

void ChequeRecorder::load(const IniDocument& settings) {
    m_printed = settings.readInteger(u"SHOW", u"NbrChqPrint", 0);
    emit printedCountChanged(m_printed);
}

void ChequeRecorder::save(IniDocument& settings) const {
    settings.writeInteger(u"SHOW", u"NbrChqPrint", m_printed);
}

PrintedChequeOutcome ChequeRecorder::recordPrintedCheque(JournalEntry printed) {
    PrintedChequeOutcome outcome;
    if (const JournalFormatInfo* format = m_current.format()) {
        printed.printedAt = m_platform.clock.now();
        printed.formatName = format->journalName;
        printed.threeLineFormat = format->threeLines;
        printed.account = m_current.account();
        printed.accountNumber = m_current.accountNumber();
        printed.chequeNumber = m_current.chequeNumber();
        outcome.journalError = m_journal.GestionJournalEcritures(*format, printed);
        outcome.numberError = m_current.IncrementerChqMemory();
    }
    ++m_printed;
    emit printedCountChanged(m_printed);
    return outcome;
}
