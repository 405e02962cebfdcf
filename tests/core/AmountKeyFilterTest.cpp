#include "core/ChequeFaceFixture.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    const char* text;
    int selStart;
    int selLength;
    const char* keys; // '\b' is Backspace
    const char* expectedText;
    int expectedSelStart;
    int expectedSelLength;
    QStringList messages;
    QStringList sounds;
    DecimalMode mode = DecimalMode::Two;
};

const QString kClick = QStringLiteral("Son007");
const QString kDecimalsRefused =
    QStringLiteral("L'option de refus des décimales est activée.\r\n\r\nCette saisie sera "
                   "affichée sans la partie décimale.\r\n\r\n(Désactiver cette option en onglet : "
                   "Paramètres de contrôle)");
const QString kOverflowInfo = QStringLiteral(
    "DÉPASSEMENT DE CAPACITÉ\r\n\r\nLa capacité d'Quilmet est de DEUX MILLIARDS et quelques...");

const KeyCase kKeyCases[] = {
    {"PointBecomesComma", "0", 0, 1, ".", "0,", 2, 0, {}, {kClick}},
    {"DigitAfterZeroSelected", "0", 0, 1, "7", "7", 1, 0, {}, {kClick}},
    {"LeadingZerosVanish", "0", 0, 1, "007", "7", 1, 0, {}, {kClick, kClick, kClick}},
    {"ZeroThenComma", "0", 0, 1, "0,", "0,", 2, 0, {}, {kClick, kClick}},
    {"LetterIsDropped", "12", 2, 0, "a", "12", 2, 0, {}, {kClick}},
    {"SpaceIsDropped", "12", 2, 0, " ", "12", 2, 0, {}, {kClick}},
    {"RefusedKeyStillDeletesTheSelection", "123", 1, 1, "x", "13", 1, 0, {}, {kClick}},
    {"RefusedKeyOnWholeSelectionLeavesZero", "12,50", 0, 5, "x", "0", 0, 1, {}, {kClick}},
    {"TypingReplacesTheWholeSelection", "12,50", 0, 5, "3", "3", 1, 0, {}, {kClick}},
    {"SecondCommaIsDropped", "12,3", 4, 0, ",", "12,3", 4, 0, {}, {kClick}},
    {"DecimalsFullRefusesTheDigit", "12,34", 5, 0, "5", "12,34", 5, 0, {}, {kClick}},
    {"DecimalsFullSilencesTheNextClick", "12,34", 5, 0, "56", "12,34", 5, 0, {}, {kClick}},
    {"DigitsBeforeTheCommaPass", "12,34", 2, 0, "5", "125,34", 3, 0, {}, {kClick}},
    {"CommaTooFarFromTheEnd", "1234", 1, 0, ",", "1234", 1, 0, {}, {kClick}},
    {"CommaBeforeTwoDigits", "1234", 2, 0, ",", "12,34", 3, 0, {}, {kClick}},
    {"CommaAtTheStartGetsAZero", "5", 0, 0, ",", "0,5", 3, 0, {}, {kClick}},
    {"ZeroBeforeADigitIsRemoved", "0,00", 1, 0, "5", "5,00", 1, 0, {}, {kClick}},
    {"BackspaceToEmptySelectsZero", "5", 1, 0, "\b", "0", 0, 1, {}, {}},
    {"BackspaceNeedsNoClick", "12,5", 4, 0, "\b", "12,", 3, 0, {}, {}},
    {"BackspaceDeletesTheSelection", "12,50", 3, 2, "\b", "12,", 3, 0, {}, {}},
    {"ElevenIntegerDigitsOverflow",
     "1234567890",
     10,
     0,
     "1",
     "0,00",
     0,
     0,
     {QStringLiteral("EconvertError #3"), kOverflowInfo},
     {kClick}},
    {"ThreeDecimalsAcceptTheThird",
     "12,34",
     5,
     0,
     "5",
     "12,345",
     6,
     0,
     {},
     {kClick},
     DecimalMode::Three},
    {"ThreeDecimalsFull", "12,345", 6, 0, "6", "12,345", 6, 0, {}, {kClick}, DecimalMode::Three},
    {"ThreeDecimalsCommaBeforeThree",
     "1234",
     1,
     0,
     ",",
     "1,234",
     2,
     0,
     {},
     {kClick},
     DecimalMode::Three},
    {"ThreeDecimalsCommaBeforeFour",
     "12345",
     1,
     0,
     ",",
     "12345",
     1,
     0,
     {},
     {kClick},
     DecimalMode::Three},
    {"FourteenCharactersAtMost",
     "1234567890,123",
     0,
     0,
     "1",
     "1234567890,123",
     0,
     0,
     {},
     {kClick},
     DecimalMode::Three},
    {"NoDecimalsDropsTheComma",
     "12",
     2,
     0,
     ",",
     "12",
     2,
     0,
     {kDecimalsRefused},
     {kClick},
     DecimalMode::None},
};

class AmountKeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AmountKeyFilter, FiltersTheKey) {
    const KeyCase& c = GetParam();
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.threeDecimals = c.mode == DecimalMode::Three;
    options.noDecimals = c.mode == DecimalMode::None;
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QString::fromUtf8(c.text));
    f.entry.setAmountSelection(c.selStart, c.selLength);
    f.forget();

    for (const char key : std::string_view(c.keys))
        f.entry.EditSaisieSommeKeyPress(QChar::fromLatin1(key));

    EXPECT_EQ(f.entry.amountText(), QString::fromUtf8(c.expectedText));
    EXPECT_EQ(f.entry.amountSelStart(), c.expectedSelStart);
    EXPECT_EQ(f.entry.amountSelLength(), c.expectedSelLength);
    EXPECT_EQ(f.messages(), c.messages);
    EXPECT_EQ(f.t.soundOutput.cues(), c.sounds);
}

INSTANTIATE_TEST_SUITE_P(Table, AmountKeyFilter, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AmountKeyFilterState, DecimalsFullMarkerIsClearedByTheNextChange) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("12,34"));
    f.entry.EditSaisieSommeKeyPress(u'5'); // refused: decimals full
    f.entry.EditSaisieSommeKeyPress(u'\b');
    f.forget();
    f.entry.EditSaisieSommeKeyPress(u'9');
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("12,39"));
    EXPECT_EQ(f.t.soundOutput.cues(), QStringList{kClick});
}

TEST(AmountKeyFilterState, MutedSoundsGiveNoClick) {
    ChequeFaceFixture f;
    f.t.sounds.setMuted(true);
    f.entry.selectAllAmount();
    f.entry.EditSaisieSommeKeyPress(u'4');
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("4"));
    EXPECT_TRUE(f.t.soundOutput.played.empty());
}

TEST(AmountKeyFilterState, EscapeInAnyFieldSetsTheAmountToZero) {
    using KeyDown = void (ChequeEntry::*)(int);
    for (KeyDown keyDown :
         {&ChequeEntry::EditSaisieSommeKeyDown, &ChequeEntry::EditBeneficiaireKeyDown,
          &ChequeEntry::EditLieuKeyDown, &ChequeEntry::EditDateKeyDown}) {
        ChequeFaceFixture f;
        f.entry.setAmountText(QStringLiteral("12,50"));
        (f.entry.*keyDown)(Qt::Key_Escape);
        EXPECT_EQ(f.entry.amountText(), QStringLiteral("0"));
    }
}

TEST(AmountKeyFilterState, DeleteRemovesTheCharacterAfterTheCaret) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("125"));
    f.entry.setAmountSelection(1, 0);
    f.entry.EditSaisieSommeKeyDown(Qt::Key_Delete);
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("15"));
    EXPECT_EQ(f.entry.amountSelStart(), 1);
}

TEST(AmountChange, EveryChangeHidesTheWordsAndPrintingAndShowsValider) {
    ChequeFaceFixture f;
    for (int line = 1; line <= WordLines::kCount; ++line)
        f.lines.setVisible(line, true);
    f.host.printVisible = true;
    f.entry.setAmountText(QStringLiteral("5"));
    EXPECT_FALSE(f.host.printVisible);
    for (int line = 1; line <= WordLines::kCount; ++line)
        EXPECT_FALSE(f.lines.isVisible(line));
    EXPECT_TRUE(f.host.calls.contains(QStringLiteral("clearFiguresLabel")));
    EXPECT_TRUE(f.host.calls.contains(QStringLiteral("refreshBigDigits")));
    EXPECT_TRUE(f.entry.isValidateButtonVisible());
}

TEST(AmountChange, BeforeTheWindowIsShownOnlyHides) {
    ChequeFaceFixture f;
    f.entry.setMainWindowShown(false);
    f.entry.setAmountText(QStringLiteral("007"));
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("007"));
    EXPECT_FALSE(f.entry.isValidateButtonVisible());
    EXPECT_TRUE(f.entry.EditCurrency().isEmpty());
}

TEST(AmountChange, KeepsTheWorkingCopies) {
    struct Case {
        const char* amount;
        DecimalMode mode;
        const char* transit;
        const char* integer;
        const char* grouped;
    } cases[] = {
        {"1234567,5", DecimalMode::Two, "1234567,5", "1234567", "1.234.567,5"},
        {"1234", DecimalMode::Two, "1234", "1234", "1.234,00"},
        {"123", DecimalMode::Two, "123", "123", "123,00"},
        {"1234", DecimalMode::Three, "1234", "1234", "1.234,000"},
        {"12,3456", DecimalMode::Three, "12,3456", "12", "12,345"},
        {"1234567", DecimalMode::None, "1234567", "1234567", "1.234.567"},
    };
    for (const Case& c : cases) {
        WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
        options.threeDecimals = c.mode == DecimalMode::Three;
        options.noDecimals = c.mode == DecimalMode::None;
        ChequeFaceFixture f(options);
        f.entry.setAmountText(QString::fromUtf8(c.amount));
        EXPECT_EQ(f.entry.EditTransit(), QString::fromUtf8(c.transit)) << c.amount;
        EXPECT_EQ(f.entry.EditNoVirgule(), QString::fromUtf8(c.integer)) << c.amount;
        EXPECT_EQ(f.entry.EditCurrency(), QString::fromUtf8(c.grouped)) << c.amount;
        EXPECT_EQ(f.entry.edtSom(), f.entry.EditCurrency()) << c.amount;
    }
}

TEST(AmountChange, DetectPlurielReadsTheGroupedAmount) {
    struct Case {
        const char* amount;
        DecimalMode mode;
        bool plural;
    } cases[] = {{"1", DecimalMode::Two, false},    {"0,50", DecimalMode::Two, false},
                 {"1,99", DecimalMode::Two, false}, {"2", DecimalMode::Two, true},
                 {"1234", DecimalMode::Two, true},  {"10", DecimalMode::Two, true},
                 {"1", DecimalMode::None, true}};
    for (const Case& c : cases) {
        WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
        options.noDecimals = c.mode == DecimalMode::None;
        ChequeFaceFixture f(options);
        f.entry.setAmountText(QString::fromUtf8(c.amount));
        EXPECT_EQ(f.wording.DetectPluriel(), c.plural) << c.amount;
    }
}

TEST(AmountChange, AddDecMilliardKeepsTheCaretAtTheEndForLongAmounts) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("123456789,5"));
    f.entry.setAmountSelection(0, 0);
    f.forget();
    f.entry.AddDecMilliard();
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("123456789,5"));
    EXPECT_EQ(f.entry.amountSelStart(), 11);
    EXPECT_EQ(f.host.calls, QStringList{QStringLiteral("checkFieldsFilled")});
}

} // namespace
