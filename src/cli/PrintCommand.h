#pragma once

#include <QStringList>

extern const char* const kPrintCommandUsage;
extern const char* const kJournalCommandUsage;

/// `imprimer`: fills a cheque as the window would and prints it onto the PDF printer.
int runPrintCommand(const QStringList& args);
/// `journal`: the path of the current format's and account's journal.
int runJournalCommand(const QStringList& args);
