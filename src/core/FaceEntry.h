#pragma once

#include <QString>

/// What the fills read from the entry fields of the cheque face.
struct FaceEntry {
    enum class Decimals { Two, Three, None };

    QString beneficiary;   // the beneficiary field as it stands, fill included
    QString amount;        // the amount field
    QString groupedAmount; // the amount grouped by thousands ("1.234,50")
    Decimals decimals = Decimals::Two;
};
