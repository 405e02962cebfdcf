#include "core/AmountWordsText.h"
#include "core/Hyphenation.h"
#include "core/NumberWords.h"
#include "core/WordCase.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

// The faults a wrong table or pass would show anywhere in the range: a doubled blank, a blank
// beside a hyphen, "et" after "quatre-vingt", "un mille" at the start. Empty when well formed.
QString fault(const QString& words) {
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QChar a = words[i - 1];
        const QChar b = words[i];
        if (a == u' ' && (b == u' ' || b == u'-'))
            return QStringLiteral("blank before a blank or a hyphen");
        if (a == u'-' && b == u' ')
            return QStringLiteral("blank after a hyphen");
    }
    if (words.contains(QStringLiteral("quatre-vingt et"), Qt::CaseInsensitive))
        return QStringLiteral("\"et\" after \"quatre-vingt\"");
    if (words.startsWith(QStringLiteral("*** un mille"), Qt::CaseInsensitive))
        return QStringLiteral("\"un mille\"");
    return {};
}

void expectWellFormed(const QString& words, qint64 n) {
    const QString problem = fault(words);
    ASSERT_TRUE(problem.isEmpty())
        << n << ": " << problem.toStdString() << " in " << words.toStdString();
}

TEST(NumberWordsSweep, EveryAmountUpToOneMillionOneHundredThousand) {
    for (qint64 n = 0; n <= 1'099'999; ++n) {
        const QString words = QStringLiteral("***") + GestiTiretChiffres(EnLettres(n, false));
        if (!fault(words).isEmpty())
            return expectWellFormed(words, n);
    }
}

TEST(NumberWordsSweep, RandomAmountsOverTheWholeRangeInBothWordings) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<qint64> integer(0, std::numeric_limits<qint32>::max());
    std::uniform_int_distribution<qint64> cents(0, 99);
    for (int i = 0; i < 100'000; ++i) {
        AmountWordsParts parts;
        parts.integer = integer(random);
        parts.decimals = cents(random);
        parts.specificites = i % 2 == 1;
        parts.unit = QStringLiteral(" euros");
        parts.subUnit = QStringLiteral(" centimes");
        const QString words = applyCaseRule(GestiTiretChiffres(composeAmountWords(parts)), false);
        expectWellFormed(words, parts.integer);
        ASSERT_TRUE(words.startsWith(QStringLiteral("*** "))) << words.toStdString();
        ASSERT_TRUE(words.endsWith(kClosingMarker)) << words.toStdString();
    }
}

TEST(NumberWords, NegativeNumbersAreWrittenAsTheirAbsoluteValue) {
    EXPECT_EQ(EnLettres(-231, false), QStringLiteral(" deux cent trente et un"));
    EXPECT_EQ(EnLettres(std::numeric_limits<qint32>::min(), false), EnLettres(2147483648LL, false));
}

TEST(NumberWords, EveryWordCarriesOneLeadingBlank) {
    EXPECT_EQ(EnLettres(0, true), QStringLiteral(" ZÉRO"));
    EXPECT_EQ(EnLettres(0, false), QStringLiteral(" zéro"));
    EXPECT_EQ(EnLettres(231, false), QStringLiteral(" deux cent trente et un"));
    EXPECT_EQ(EnLettres(77, false), QStringLiteral(" soixante dix sept"));
    EXPECT_EQ(EnLettres2(77, false), QStringLiteral(" septante sept"));
    EXPECT_EQ(EnLettres2(81, false), QStringLiteral(" huitante et un"));
}

TEST(Hyphenation, MatchesWhateverTheCaseAndWritesLowerCase) {
    EXPECT_EQ(GestiTiretChiffres(QStringLiteral("*** QUATRE-VINGT UN EUROS")),
              QStringLiteral("*** quatre-vingt-un EUROS"));
    EXPECT_EQ(GestiTiretChiffres(QStringLiteral("*** Un million d' euros d' euros")),
              QStringLiteral("*** Un million d'euros d' euros"));
    EXPECT_EQ(GestiTiretChiffres(QStringLiteral("*** trois cent millions")),
              QStringLiteral("*** trois cents millions"));
}

TEST(WordCase, CaseRuleTouchesAsciiLettersOnly) {
    EXPECT_EQ(applyCaseRule(QStringLiteral("*** zéro EURO"), false),
              QStringLiteral("*** Zéro euro"));
    EXPECT_EQ(applyCaseRule(QStringLiteral("*** zéro écu"), true), QStringLiteral("*** ZéRO éCU"));
}

TEST(WordCase, Cp1252CaseCoversAccentedLetters) {
    EXPECT_EQ(toUpperCp1252(QStringLiteral("*** zéro œuvre ÿ ß µ š")),
              QStringLiteral("*** ZÉRO ŒUVRE Ÿ ß µ Š"));
    EXPECT_EQ(toLowerCp1252(QStringLiteral("*** ZÉRO ŒUVRE Ÿ Š")),
              QStringLiteral("*** zéro œuvre ÿ š"));
}

} // namespace
