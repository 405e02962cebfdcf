#pragma once

#include <QStringList>

/// `quilmet-cli mots MONTANT [options]`: the amount in words, typed into the amount field and
/// converted as the window does. Returns the exit status (2: refused amount or bad usage).
int runWordsCommand(const QStringList& args);

/// The lines of `--help` describing the command.
extern const char* const kWordsCommandUsage;
