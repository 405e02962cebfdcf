#pragma once

#include <QString>

class ChequeEntry;

/// Types an amount into the amount field as a user would: the field entered with its zero
/// selected, then each character through the key filter. False, after printing the French
/// message on standard error, when a key or the amount is refused.
bool typeAmount(ChequeEntry& entry, const QString& amount);

void printError(const QString& text);
