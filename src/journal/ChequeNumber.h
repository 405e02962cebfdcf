#pragma once

#include <QString>
#include <optional>

/// Cheque numbers are digit strings whose width matters (French cheques carry seven
/// digits): stepping keeps the leading zeros, 0000999 + 1 = 0001000, and grows past nines.
namespace ChequeNumber {

/// True when `text` is one or more ASCII digits.
bool isNumber(const QString& text);

/// The number plus `delta` (+1 or -1) at the same width; nullopt when `text` is not a
/// number or would go below zero.
std::optional<QString> stepped(const QString& text, int delta);

} // namespace ChequeNumber
