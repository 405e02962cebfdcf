#include "core/NumberWords.h"

#include <array>
#include <vector>

namespace {

// The two wordings differ only by their tens and by the rules tied to them.
struct Wording {
    std::array<const char*, 10> tens; // indexed by the tens digit, 2..9
    bool foldSeventiesAndNineties;    // 70-79 and 90-99 written as 60 and 80 + 10..19
    int lastTensBeforeEt;             // "et un" up to this tens digit
    bool quatreVingtsPlural;
};

constexpr std::array<const char*, 17> kUnits = {
    "",     "un",  "deux", "trois", "quatre", "cinq",     "six",    "sept", "huit",
    "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize"};
constexpr std::array<const char*, 4> kGroups = {"cent", "mille", "million", "milliard"};

constexpr Wording kStandard{
    {"", "", "vingt", "trente", "quarante", "cinquante", "soixante", "", "quatre-vingt", ""},
    true,
    7,
    true};
// Belgian and Swiss French say "septante et un", "huitante et un", "nonante et un".
constexpr Wording kSpecificites{{"", "", "vingt", "trente", "quarante", "cinquante", "soixante",
                                 "septante", "huitante", "nonante"},
                                false,
                                9,
                                false};

QString word(const char* text) {
    return u' ' + QString::fromLatin1(text);
}

QString writeNumber(qint64 n, bool majuscules, const Wording& wording) {
    if (n < 0)
        n = -n;
    if (n == 0)
        return majuscules ? QStringLiteral(" ZÉRO") : QStringLiteral(" zéro");

    std::vector<int> groups;
    for (; n > 0; n /= 1000)
        groups.push_back(static_cast<int>(n % 1000));
    if (groups.size() > kGroups.size())
        groups.resize(kGroups.size()); // beyond the milliards there are no group words

    QString result;
    for (size_t g = 0; g < groups.size(); ++g) {
        const int value = groups[g];
        if (g > 0) {
            if (value > 1 && g >= 2)
                result.prepend(u's');
            if (value > 0)
                result.prepend(word(kGroups[g]));
            if (value == 1 && g == 1)
                continue; // "mille", never "un mille"
        }
        int units = value % 10;
        int tens = value / 10 % 10;
        const int hundreds = value / 100;
        if (tens == 1 || (wording.foldSeventiesAndNineties && (tens == 7 || tens == 9))) {
            --tens;
            units += 10;
        }
        QString part;
        if (tens >= 2) {
            part = word(wording.tens[static_cast<size_t>(tens)]);
            if (tens <= wording.lastTensBeforeEt && (units == 1 || units == 11))
                part += QStringLiteral(" et");
        }
        if (units > 16) {
            part += word(kUnits[10]);
            units -= 10;
        }
        if (units > 0)
            part += word(kUnits[static_cast<size_t>(units)]);
        if (wording.quatreVingtsPlural && result.isEmpty() && tens == 8 && units == 0)
            result = QStringLiteral("s");
        result.prepend(part);
        if (hundreds > 0) {
            QString hundredsPart =
                (hundreds >= 2 ? word(kUnits[static_cast<size_t>(hundreds)]) : QString()) +
                word(kGroups[0]);
            // "cents" when nothing follows, and before "millions"/"milliards", which multiply it.
            if (hundreds >= 2 && (result.isEmpty() || (part.isEmpty() && g >= 2)))
                result.prepend(u's');
            result.prepend(hundredsPart);
        }
    }
    return result;
}

} // namespace

QString EnLettres(qint64 n, bool majuscules) {
    return writeNumber(n, majuscules, kStandard);
}

QString EnLettres2(qint64 n, bool majuscules) {
    return writeNumber(n, majuscules, kSpecificites);
}
