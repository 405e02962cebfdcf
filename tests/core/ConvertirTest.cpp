#include "core/AmountWordsText.h"
#include "core/ChequeFaceFixture.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* entry;
    const char* words; // before the closing marker
    DecimalMode mode = DecimalMode::Two;
    bool majuscules = false;
    bool specificites = false;
    const char* preposition = "d'";
    const char* amountAfter = nullptr; // the entry after its normalisation, when it changes
};

const ConversionCase kCases[] = {
    {.entry = "0", .words = "*** Zéro euro"},
    {.entry = "1", .words = "*** Un euro"},
    {.entry = "21", .words = "*** Vingt et un euros"},
    {.entry = "71", .words = "*** Soixante et onze euros"},
    {.entry = "75", .words = "*** Soixante-quinze euros"},
    {.entry = "80", .words = "*** Quatre-vingts euros"},
    {.entry = "81", .words = "*** Quatre-vingt-un euros"},
    {.entry = "91", .words = "*** Quatre-vingt-onze euros"},
    {.entry = "97", .words = "*** Quatre-vingt-dix-sept euros"},
    {.entry = "100", .words = "*** Cent euros"},
    {.entry = "180", .words = "*** Cent quatre-vingts euros"},
    {.entry = "200", .words = "*** Deux cents euros"},
    {.entry = "280", .words = "*** Deux cent quatre-vingts euros"},
    {.entry = "1000", .words = "*** Mille euros"},
    {.entry = "1080", .words = "*** Mille quatre-vingts euros"},
    {.entry = "80000", .words = "*** Quatre-vingt mille euros"},
    {.entry = "200000", .words = "*** Deux cent mille euros"},
    {.entry = "1000000", .words = "*** Un million d'euros"},
    {.entry = "1001000", .words = "*** Un million mille euros"},
    {.entry = "1200000", .words = "*** Un million deux cent mille euros"},
    {.entry = "80000000", .words = "*** Quatre-vingts millions d'euros"},
    {.entry = "100000000", .words = "*** Cent millions d'euros"},
    // Hundreds multiplying "millions" take their "s", whatever the hundred.
    {.entry = "200000000", .words = "*** Deux cents millions d'euros"},
    {.entry = "300000000", .words = "*** Trois cents millions d'euros"},
    {.entry = "900000000", .words = "*** Neuf cents millions d'euros"},
    {.entry = "500001000", .words = "*** Cinq cents millions mille euros"},
    {.entry = "210000000", .words = "*** Deux cent dix millions d'euros"},
    {.entry = "1000000000", .words = "*** Un milliard d'euros"},
    {.entry = "2147483647",
     .words = "*** Deux milliards cent quarante-sept millions quatre cent quatre-vingt-trois "
              "mille six cent quarante-sept euros"},
    {.entry = "12,50", .words = "*** Douze euros et cinquante centimes"},
    {.entry = "12,5", .words = "*** Douze euros et cinquante centimes", .amountAfter = "12,50"},
    {.entry = "12,00", .words = "*** Douze euros", .amountAfter = "12"},
    {.entry = "12,0", .words = "*** Douze euros", .amountAfter = "12"},
    {.entry = "12,", .words = "*** Douze euros", .amountAfter = "12"},
    {.entry = "0,05", .words = "*** Zéro euro et cinq centimes"},
    {.entry = "1,01", .words = "*** Un euro et un centime"},
    {.entry = "21,21", .words = "*** Vingt et un euros et vingt et un centimes"},
    {.entry = "1000000,50", .words = "*** Un million d'euros et cinquante centimes"},
    // Majuscules
    {.entry = "0", .words = "*** ZÉRO EURO", .majuscules = true},
    {.entry = "1000000", .words = "*** UN MILLION D'EUROS", .majuscules = true},
    {.entry = "97,21",
     .words = "*** QUATRE-VINGT-DIX-SEPT EUROS ET VINGT ET UN CENTIMES",
     .majuscules = true},
    // Spécificités, with "et un" and the hyphen of Belgian and Swiss French
    {.entry = "70", .words = "*** Septante euros", .specificites = true},
    {.entry = "71", .words = "*** Septante et un euros", .specificites = true},
    {.entry = "77", .words = "*** Septante-sept euros", .specificites = true},
    {.entry = "80", .words = "*** Huitante euros", .specificites = true},
    {.entry = "81", .words = "*** Huitante et un euros", .specificites = true},
    {.entry = "82", .words = "*** Huitante-deux euros", .specificites = true},
    {.entry = "91", .words = "*** Nonante et un euros", .specificites = true},
    {.entry = "99", .words = "*** Nonante-neuf euros", .specificites = true},
    {.entry = "17", .words = "*** Dix-sept euros", .specificites = true},
    {.entry = "80000000", .words = "*** Huitante millions d'euros", .specificites = true},
    {.entry = "71,91",
     .words = "*** SEPTANTE ET UN EUROS ET NONANTE ET UN CENTIMES",
     .majuscules = true,
     .specificites = true},
    // Three decimals
    {.entry = "12,5",
     .words = "*** Douze euros et cinq cents centimes",
     .mode = DecimalMode::Three,
     .amountAfter = "12,500"},
    {.entry = "12,50",
     .words = "*** Douze euros et cinq cents centimes",
     .mode = DecimalMode::Three,
     .amountAfter = "12,500"},
    {.entry = "12,001", .words = "*** Douze euros et un centime", .mode = DecimalMode::Three},
    {.entry = "12,050",
     .words = "*** Douze euros et cinquante centimes",
     .mode = DecimalMode::Three},
    {.entry = "12,00", .words = "*** Douze euros", .mode = DecimalMode::Three, .amountAfter = "12"},
    {.entry = "12,000",
     .words = "*** Douze euros",
     .mode = DecimalMode::Three,
     .amountAfter = "12"},
    // No decimals
    {.entry = "1", .words = "*** Un euro", .mode = DecimalMode::None},
    {.entry = "2000000", .words = "*** Deux millions d'euros", .mode = DecimalMode::None},
    // The preposition is the user's word, kept apart from the unit
    {.entry = "1000000", .words = "*** Un million de euros", .preposition = "de"},
    {.entry = "3000000000", .words = nullptr}, // beyond the 32-bit range: no words
};

class Convertir : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Convertir, WritesTheAmountInWords) {
    const ConversionCase& c = GetParam();
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.majuscules = c.majuscules;
    options.specificites = c.specificites;
    options.preposition = QString::fromUtf8(c.preposition);
    options.threeDecimals = c.mode == DecimalMode::Three;
    options.noDecimals = c.mode == DecimalMode::None;
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QString::fromUtf8(c.entry));

    const bool converted = f.wording.Convertir();

    if (!c.words) {
        EXPECT_FALSE(converted);
        EXPECT_TRUE(f.wording.EditPioche().isEmpty());
        return;
    }
    ASSERT_TRUE(converted) << f.messages().join(u'|').toStdString();
    EXPECT_EQ(f.wording.EditPioche(), QString::fromUtf8(c.words) + kClosingMarker);
    EXPECT_EQ(f.entry.amountText(), QString::fromUtf8(c.amountAfter ? c.amountAfter : c.entry));
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_EQ(f.host.fitted, QStringList{f.wording.EditPioche()});
}

INSTANTIATE_TEST_SUITE_P(Table, Convertir, ::testing::ValuesIn(kCases));

struct UnitCase {
    const char* entry;
    const char* unit;
    const char* subUnit;
    DecimalMode mode = DecimalMode::Two;
};

TEST(ConvertirUnitWords, ChoosesSingularOrPluralFromTheEntry) {
    const UnitCase cases[] = {
        {"0,50", " franc", " cts"},
        {"1", " franc", " cts"},
        {"1,20", " franc", " cts"},
        {"1,01", " franc", " ct"},
        {"10", " francs", " cts"},
        {"2", " francs", " cts"},
        {"12,001", " francs", " ct", DecimalMode::Three},
        {"12,01", " francs", " cts", DecimalMode::Three},
    };
    for (const UnitCase& c : cases) {
        WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
        options.unitSingular = QStringLiteral("franc");
        options.unitPlural = QStringLiteral("francs");
        options.subUnitSingular = QStringLiteral("ct");
        options.subUnitPlural = QStringLiteral("cts");
        options.threeDecimals = c.mode == DecimalMode::Three;
        ChequeFaceFixture f(options);
        f.entry.setAmountText(QString::fromUtf8(c.entry));
        EXPECT_EQ(f.wording.currentUnit(), QString::fromUtf8(c.unit)) << c.entry;
        EXPECT_EQ(f.wording.currentSubUnit(), QString::fromUtf8(c.subUnit)) << c.entry;
    }
}

TEST(ConvertirUnitWords, NewWordsApplyToTheNextConversionWithoutRetyping) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("5"));
    f.wording.setUnitPlural(QStringLiteral("dollars"));
    ASSERT_TRUE(f.wording.Convertir());
    EXPECT_EQ(f.wording.EditPioche(), QStringLiteral("*** Cinq dollars") + kClosingMarker);
}

TEST(ConvertirUnitWords, UnitWordIsCutToTwentyCharactersWithItsBlank) {
    WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
    options.unitPlural = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    ChequeFaceFixture f(options);
    f.entry.setAmountText(QStringLiteral("5"));
    EXPECT_EQ(f.wording.currentUnit(), QStringLiteral(" abcdefghijklmnopqrs"));
}

TEST(ConvertirOverflow, AboveTheRangeShowsTheOverflowAndNoWords) {
    struct Case {
        const char* entry;
        const char* error;
    } cases[] = {{"3000000001", "EconvertError #2"}, {"3000000001,5", "EconvertError #1"}};
    for (const Case& c : cases) {
        ChequeFaceFixture f;
        f.entry.setAmountText(QString::fromUtf8(c.entry));
        f.forget();

        EXPECT_FALSE(f.wording.Convertir());

        ASSERT_EQ(f.t.dialogs.calls().size(), 2u) << c.entry;
        const RecordingDialogs::Call& error = f.t.dialogs.calls()[0];
        EXPECT_EQ(error.title, QStringLiteral("Dépassement de capacité"));
        EXPECT_EQ(error.text, QString::fromUtf8(c.error));
        EXPECT_EQ(error.icon, DialogIcon::Error);
        EXPECT_EQ(f.t.dialogs.calls()[1].text,
                  QStringLiteral("DÉPASSEMENT DE CAPACITÉ\r\n\r\nLa capacité d'Quilmet est de "
                                 "DEUX MILLIARDS et quelques..."));
        EXPECT_EQ(f.lines.text(1), QStringLiteral("DÉPASSEMENT DE CAPACITÉ"));
        EXPECT_TRUE(f.lines.isVisible(1));
        EXPECT_FALSE(f.lines.isVisible(2));
        EXPECT_FALSE(f.lines.isVisible(3));
        EXPECT_FALSE(f.entry.isValidateButtonVisible());
        EXPECT_FALSE(f.host.printVisible);
        EXPECT_TRUE(f.host.calls.contains(QStringLiteral("hideConversionLine")));
        EXPECT_TRUE(f.host.calls.contains(QStringLiteral("showBigDigitsOverflow")));
        EXPECT_EQ(f.entry.amountSelStart(), f.entry.amountText().size() - 4);
        EXPECT_TRUE(f.wording.EditPioche().isEmpty());
        EXPECT_TRUE(f.host.fitted.isEmpty());
    }
}

TEST(ConvertirSteps, WithoutAFormatOpensTheChoiceInstead) {
    ChequeFaceFixture f;
    f.host.chosen = false;
    f.entry.setAmountText(QStringLiteral("12"));
    f.forget();

    EXPECT_FALSE(f.wording.Convertir());
    EXPECT_EQ(f.host.calls,
              (QStringList{QStringLiteral("hidePrint"), QStringLiteral("openFormatChoice")}));
    EXPECT_TRUE(f.t.soundOutput.played.empty());
    EXPECT_TRUE(f.wording.EditPioche().isEmpty());
}

TEST(ConvertirSteps, EmptyEntryAsksForANumber) {
    ChequeFaceFixture f;
    f.entry.setMainWindowShown(false); // the working copies are not kept yet
    f.entry.setAmountText(QStringLiteral("12"));
    f.entry.setMainWindowShown(true);

    EXPECT_FALSE(f.wording.Convertir());
    EXPECT_EQ(f.messages(), QStringList{QStringLiteral("Veuillez entrer un nombre d'abord !")});
    EXPECT_EQ(f.t.soundOutput.cues(),
              (QStringList{QStringLiteral("Son002"), QStringLiteral("Son000")}));
}

TEST(ConvertirSteps, PlaysTheChimeAndHandsTheWordsToTheLineFittingThenShowsTheLines) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("100"));
    f.forget();

    ASSERT_TRUE(f.wording.Convertir());
    EXPECT_EQ(f.t.soundOutput.cues(), QStringList{QStringLiteral("Son002")});
    const qsizetype shown = f.host.calls.indexOf(QStringLiteral("showConversionLine"));
    EXPECT_GE(shown, 0);
    EXPECT_EQ(f.host.calls.first(), QStringLiteral("checkFieldsFilled"));
    for (int line = 1; line <= WordLines::kCount; ++line)
        EXPECT_TRUE(f.lines.isVisible(line));
}

TEST(ConvertirSteps, PriorityAmountReprocessesTheEntryOnTheFirstConversionOnly) {
    ChequeFaceFixture f;
    f.host.priorityAmount = true;
    f.entry.setAmountText(QStringLiteral("12"));
    f.forget();
    f.wording.Convertir();
    EXPECT_EQ(f.host.calls.count(QStringLiteral("refreshBigDigits")), 1);
    f.forget();
    f.wording.Convertir();
    EXPECT_EQ(f.host.calls.count(QStringLiteral("refreshBigDigits")), 0);
}

TEST(ConvertirSteps, LineOneGetsSevenStarsWhenLineTwoHoldsOnlyTheUnit) {
    struct Case {
        const char* line1;
        const char* line2;
        const char* expected;
    } cases[] = {
        {"*** Cent", "euros ***", "*** Cent*******"},
        {"*** Deux mille", "euros ***", "*** Deux mille"},
        {"*** Cent", "EUROS ***", "*** Cent"},
        {"*** Cent euros", "", "*** Cent euros"},
    };
    for (const Case& c : cases) {
        ChequeFaceFixture f;
        f.host.fit = [&](const QString&) {
            f.lines.setText(1, QString::fromUtf8(c.line1));
            f.lines.setText(2, QString::fromUtf8(c.line2));
        };
        f.entry.setAmountText(QStringLiteral("100"));
        ASSERT_TRUE(f.wording.Convertir());
        EXPECT_EQ(f.lines.text(1), QString::fromUtf8(c.expected)) << c.line1 << c.line2;
    }
}

} // namespace
