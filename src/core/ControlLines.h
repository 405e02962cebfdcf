#pragma once

#include <QString>

/// The control lines that report the measured lengths of the filled lines.
struct ControlLines {
    QString line1;       // lblCTRL_L1
    QString line2;       // lblCTRL_L2
    QString line3;       // lblCTRL_L3, empty but on the three-line format
    QString beneficiary; // lblCTRL_LBenef

    bool operator==(const ControlLines&) const = default;
};
