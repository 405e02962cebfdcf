#include "core/ChequeFaceFixture.h"
#include "core/Clipboard.h"

#include <gtest/gtest.h>

namespace {

class FakeClipboard : public Clipboard {
public:
    QString text() const override { return content; }
    void setText(const QString& text) override { content = text; }
    QString content;
};

const QString kRefusal = QStringLiteral("Son000");
const QString kErase = QStringLiteral("Son003");

struct PasteCase {
    const char* name;
    const char* clipboard;
    const char* expectedAmount;
    QStringList messages;
    QStringList sounds;
    DecimalMode mode = DecimalMode::Two;
};

const PasteCase kPasteCases[] = {
    {"DecimalsCutToTwo", "1234,5678", "1234,56", {}, {}},
    {"PointBecomesComma", "12.5", "12,5", {}, {}},
    {"OtherCharactersDropped", "1 234 €", "1234", {}, {}},
    {"CutToTwelveCharacters", "123456789,1234", "123456789,12", {}, {}},
    {"ThreeDecimalsAlsoCutToTwo", "12,345", "12,34", {}, {}, DecimalMode::Three},
    {"DoubleCommaRefused", "1,,5", "7", {QStringLiteral("Saisie incorrecte !")}, {kRefusal}},
    {"CommasTwoApartRefused", "1,2,5", "7", {QStringLiteral("Saisie incorrecte !")}, {kRefusal}},
    {"LeadingZeroRefused",
     "0,50",
     "7",
     {QStringLiteral("Saisie non valide : \"0\" en début du nombre !")},
     {kRefusal}},
    {"LeadingPointRefused",
     ".5",
     "7",
     {QStringLiteral("Saisie non valide : \".\" en début du nombre !")},
     {kRefusal}},
    {"LeadingCommaRefused",
     ",5",
     "7",
     {QStringLiteral("Saisie non valide : \",\" en début du nombre !")},
     {kRefusal}},
    {"NoDecimalsDropsThem",
     "12,5",
     "12",
     {QStringLiteral("L'option de refus des décimales est activée.\r\n\r\nCette saisie sera "
                     "affichée sans la partie décimale.\r\n\r\n(Désactiver cette option en "
                     "onglet : Paramètres de contrôle)")},
     {},
     DecimalMode::None},
    {"EmptyClipboardPastesNothing", "", "7", {}, {}},
};

class AmountPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(AmountPaste, ChecksThePastedText) {
    const PasteCase& c = GetParam();
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.threeDecimals = c.mode == DecimalMode::Three;
    options.noDecimals = c.mode == DecimalMode::None;
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QStringLiteral("7"));
    f.forget();
    FakeClipboard clipboard;
    clipboard.content = QString::fromUtf8(c.clipboard);

    f.entry.ItemCollerClick(clipboard);

    EXPECT_EQ(f.entry.amountText(), QString::fromUtf8(c.expectedAmount));
    EXPECT_EQ(f.messages(), c.messages);
    EXPECT_EQ(f.t.soundOutput.cues(), c.sounds);
    if (!c.sounds.isEmpty()) {
        EXPECT_TRUE(f.entry.EditCollerValide().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AmountPaste, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AmountPasteMenu, CutIsOfferedOnlyForANonZeroAmount) {
    ChequeFaceFixture f;
    for (const char* zero : {"0", "0,00", "0,000"}) {
        f.entry.setAmountText(QString::fromUtf8(zero));
        EXPECT_TRUE(f.entry.isAmountZero()) << zero;
    }
    f.entry.setAmountText(QStringLiteral("0,5"));
    EXPECT_FALSE(f.entry.isAmountZero());
}

struct ClearCase {
    const char* name;
    bool resetZones;
    DecimalMode mode;
    const char* amount;
    const char* beneficiary;
    bool stubEmpty;
    const char* expectedAmount;
    const char* expectedBeneficiary;
    QStringList sounds;
    bool wordsCleared;
};

const ClearCase kClearAmountCases[] = {
    {"ResetOffClearsTheAmount",
     false,
     DecimalMode::Two,
     "12,50",
     "Dupont",
     false,
     "0,00",
     "Dupont",
     {kErase},
     false},
    {"ResetOffZeroDoesNothing",
     false,
     DecimalMode::Two,
     "0",
     "Dupont",
     false,
     "0",
     "Dupont",
     {},
     false},
    {"ResetOffDefaultIsSilent", false, DecimalMode::Two, "0,00", "", true, "0,00", "", {}, false},
    {"ResetOffThreeDecimals",
     false,
     DecimalMode::Three,
     "12,500",
     "",
     true,
     "0,000",
     "",
     {kErase},
     false},
    {"ResetOffNoDecimals", false, DecimalMode::None, "12", "", true, "0", "", {kErase}, false},
    {"ResetOnClearsEverything",
     true,
     DecimalMode::Two,
     "12,50",
     "Dupont",
     false,
     "0,00",
     "",
     {kErase},
     true},
    {"ResetOnAlreadyEmpty", true, DecimalMode::Two, "0", "", true, "0", "", {}, false},
    {"ResetOnBeneficiaryOnly",
     true,
     DecimalMode::Two,
     "0",
     "Dupont",
     true,
     "0,00",
     "",
     {kErase},
     true},
};

class ClearAmount : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ClearAmount, GommeSaisieSomme) {
    const ClearCase& c = GetParam();
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.resetZones = c.resetZones;
    options.threeDecimals = c.mode == DecimalMode::Three;
    options.noDecimals = c.mode == DecimalMode::None;
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QString::fromUtf8(c.amount));
    f.entry.setBeneficiary(QString::fromUtf8(c.beneficiary));
    f.host.stubEmpty = c.stubEmpty;
    f.lines.setText(1, QStringLiteral("*** Douze euros"));
    f.forget();

    f.entry.GommeSaisieSomme();

    EXPECT_EQ(f.entry.amountText(), QString::fromUtf8(c.expectedAmount));
    EXPECT_EQ(f.entry.beneficiary(), QString::fromUtf8(c.expectedBeneficiary));
    EXPECT_EQ(f.t.soundOutput.cues(), c.sounds);
    EXPECT_EQ(f.lines.text(1).isEmpty(), c.wordsCleared);
    EXPECT_EQ(f.host.calls.contains(QStringLiteral("clearStubLines")), c.wordsCleared);
    EXPECT_FALSE(f.entry.isValidateButtonVisible());
    EXPECT_TRUE(f.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, ClearAmount, ::testing::ValuesIn(kClearAmountCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClearAmountState, DoesNothingBeforeTheWindowIsShown) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("12"));
    f.entry.setMainWindowShown(false);
    f.entry.GommeSaisieSomme();
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("12"));
}

const ClearCase kClearBeneficiaryCases[] = {
    {"ResetOffClearsTheBeneficiary",
     false,
     DecimalMode::Two,
     "12,50",
     "Dupont",
     false,
     "12,50",
     "",
     {kErase},
     false},
    {"ResetOffEmptyIsSilent", false, DecimalMode::Two, "12,50", "", false, "12,50", "", {}, false},
    {"ResetOnClearsAmountToo",
     true,
     DecimalMode::Two,
     "12,50",
     "Dupont",
     false,
     "0,00",
     "",
     {kErase},
     true},
    {"ResetOnThreeDecimals",
     true,
     DecimalMode::Three,
     "12,500",
     "",
     true,
     "0,000",
     "",
     {kErase},
     true},
    {"ResetOnNoDecimalsRaisesNoBox",
     true,
     DecimalMode::None,
     "12",
     "",
     true,
     "0",
     "",
     {kErase},
     true},
    {"ResetOnAlreadyEmpty", true, DecimalMode::Two, "0", "", true, "0", "", {}, false},
};

class ClearBeneficiary : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ClearBeneficiary, GommeBeneficiaireClick) {
    const ClearCase& c = GetParam();
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.resetZones = c.resetZones;
    options.threeDecimals = c.mode == DecimalMode::Three;
    options.noDecimals = c.mode == DecimalMode::None;
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QString::fromUtf8(c.amount));
    f.entry.setBeneficiary(QString::fromUtf8(c.beneficiary));
    f.entry.EditBeneficiaireKeyUp();
    f.host.stubEmpty = c.stubEmpty;
    f.lines.setText(1, QStringLiteral("*** Douze euros"));
    f.forget();
    EntryField focused = EntryField::Amount;
    QObject::connect(&f.entry, &ChequeEntry::focusRequested,
                     [&focused](EntryField field) { focused = field; });

    f.entry.GommeBeneficiaireClick();

    EXPECT_EQ(f.entry.amountText(), QString::fromUtf8(c.expectedAmount));
    EXPECT_EQ(f.entry.beneficiary(), QString::fromUtf8(c.expectedBeneficiary));
    EXPECT_EQ(f.t.soundOutput.cues(), c.sounds);
    EXPECT_EQ(f.lines.text(1).isEmpty(), c.wordsCleared);
    EXPECT_TRUE(f.entry.LastBeneficiary().isEmpty());
    EXPECT_TRUE(f.entry.edtBen().isEmpty());
    EXPECT_EQ(focused, EntryField::Beneficiary);
    EXPECT_TRUE(f.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, ClearBeneficiary, ::testing::ValuesIn(kClearBeneficiaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CutCommand, ItemEffacerClickSetsZeroAndHides) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("12,50"));
    f.lines.setVisible(1, true);
    f.lines.setVisible(2, true);
    f.forget();
    f.entry.ItemEffacerClick();
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("0"));
    EXPECT_FALSE(f.lines.isVisible(1));
    EXPECT_FALSE(f.lines.isVisible(2));
    EXPECT_FALSE(f.host.printVisible);
    EXPECT_TRUE(f.host.calls.contains(QStringLiteral("hideConversionLine")));
    EXPECT_EQ(f.t.soundOutput.cues(), QStringList{kErase});
}

TEST(DecimalOptions, EachClearsTheAmountAndUnticksTheOther) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("12,50"));
    f.entry.cb3decimalClick(true);
    EXPECT_EQ(f.entry.decimalMode(), DecimalMode::Three);
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("0,000"));
    EXPECT_TRUE(f.host.calls.contains(QStringLiteral("clearPriorityAmount")));

    f.entry.cbNoDecimalClick(true);
    EXPECT_EQ(f.entry.decimalMode(), DecimalMode::None);
    EXPECT_EQ(f.entry.amountText(), QStringLiteral("0"));

    f.entry.cbNoDecimalClick(false);
    EXPECT_EQ(f.entry.decimalMode(), DecimalMode::Two);
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(WordsToClipboard, CopiesTheWordsWithoutStarsAndFraming) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("1000000"));
    ASSERT_TRUE(f.wording.Convertir());
    f.forget();
    FakeClipboard clipboard;
    f.wording.PPMPasteSommelettresClick(clipboard);
    EXPECT_EQ(clipboard.content, QStringLiteral("Un million d'euros"));
    EXPECT_EQ(f.t.soundOutput.cues(), QStringList{QStringLiteral("Son011")});
}

} // namespace
