#pragma once

#include <QString>
#include <array>

/// One words line of the cheque as shown and printed.
struct WordLine {
    QString text;
    bool visible = false;

    bool operator==(const WordLine&) const = default;
};

/// The three words lines as the line fitting splits and fills them (the third only on the
/// three-line format).
struct FittedLines {
    std::array<WordLine, 3> lines;

    /// The marker closing the amount in words: a no-break space then "***".
    static QString closingMarker() { return QStringLiteral("\u00A0***"); }
    /// True when line `index` (0 to 2) holds the end of the words.
    bool holdsEnd(int index) const { return lines.at(index).text.contains(closingMarker()); }

    bool operator==(const FittedLines&) const = default;
};
