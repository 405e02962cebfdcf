#pragma once

#include <QString>

/// How many decimals the amount carries: "Forcer à trois décimales" and "Refuser les
/// décimales" exclude each other; with neither the amount has two.
enum class DecimalMode { Two, Three, None };

/// The empty amount of a decimal mode: "0,00", "0,000" or "0".
inline QString zeroAmount(DecimalMode mode) {
    switch (mode) {
    case DecimalMode::Three:
        return QStringLiteral("0,000");
    case DecimalMode::None:
        return QStringLiteral("0");
    case DecimalMode::Two:
        break;
    }
    return QStringLiteral("0,00");
}
