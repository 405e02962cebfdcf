#pragma once

#include "core/DecimalMode.h"

#include <QString>

/// The amount grouped by thousands with "." and followed by its decimals as the mode wants
/// them: 1234567,5 gives 1.234.567,5; 1234 gives 1.234,00 (two decimals).
QString groupAmount(const QString& amount, DecimalMode mode);

/// Two decimals: "," + the first two decimals, or ",00".
inline QString StrToMil(const QString& amount) {
    return groupAmount(amount, DecimalMode::Two);
}
/// Three decimals: "," + the first three decimals, or ",000".
inline QString StrToMilTryDec(const QString& amount) {
    return groupAmount(amount, DecimalMode::Three);
}
/// No decimals: the grouped integer part alone.
inline QString StrToMilNoDec(const QString& amount) {
    return groupAmount(amount, DecimalMode::None);
}
