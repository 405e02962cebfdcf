#pragma once

#include <QString>
#include <optional>

/// What ends the words of an `AmountWords` text: a no-break space and three stars.
inline const QString kClosingMarker = QStringLiteral("\u00A0***");

/// The parts the amount in words is made of; unit words carry their leading blank.
struct AmountWordsParts {
    qint64 integer = 0;
    std::optional<qint64> decimals; // none: the amount has no comma
    bool specificites = false;
    bool majuscules = false;
    QString preposition; // empty: no preposition before the unit word
    QString unit;
    QString subUnit;
};

/// "***" + integer words + [" " + preposition] + unit + [" et" + decimal words + sub-unit]
/// + the closing marker, before the case rule and the hyphenation pass.
QString composeAmountWords(const AmountWordsParts& parts);
