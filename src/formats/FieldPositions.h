#pragma once

#include <span>

/// The elements printed on the cheque face at a format's positions.
enum class ChequeField { WordsLine1, WordsLine2, WordsLine3, Beneficiary, Figures, Place, Date };

/// The position fields of one format, in whole millimetres on the cheque; each is the spin edit
/// `Edit<n>Bq<suffix>` of field number n (1 to 16, 30, 31).
struct FieldPositions {
    int wordsLine1X = 0;       // 1
    int wordsLine2X = 0;       // 2
    int beneficiaryX = 0;      // 3
    int figuresX = 0;          // 4
    int placeX = 0;            // 5
    int dateX = 0;             // 6
    int wordsLine1Y = 0;       // 7
    int wordsLine2Y = 0;       // 8
    int beneficiaryY = 0;      // 9
    int figuresY = 0;          // 10
    int placeY = 0;            // 11
    int dateY = 0;             // 12
    int wordsLine1Length = 0;  // 13
    int wordsLine2Length = 0;  // 14
    int wordsLine3Length = 0;  // 15, three-line format only
    int beneficiaryLength = 0; // 16
    int wordsLine3X = 0;       // 30, three-line format only
    int wordsLine3Y = 0;       // 31, three-line format only

    /// Every field number, in ascending order.
    static std::span<const int> allFieldNumbers();
    static bool isFieldNumber(int n);
    /// Largest value of field n (its spin edit's range starts at 0); 0 for unknown numbers.
    static int maximum(int n);

    /// Value of field n; 0 for unknown numbers.
    int field(int n) const;
    /// Sets field n, kept within its range; unknown numbers are ignored.
    void setField(int n, int value);

    /// Horizontal start and vertical position of a printed element, before any adjustment.
    int x(ChequeField element) const;
    int y(ChequeField element) const;

    bool operator==(const FieldPositions&) const = default;
};
