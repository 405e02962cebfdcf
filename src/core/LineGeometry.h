#pragma once

/// The lengths the current bank format gives its words and beneficiary lines, in whole
/// millimetres, and whether it has the third words line.
struct LineGeometry {
    int line1Mm = 0;
    int line2Mm = 0;
    int line3Mm = 0; // only read when threeLines
    int beneficiaryMm = 0;
    bool threeLines = false;
};
