#include "core/LineFitting.h"

#include "support/FixedWidthTextMeasurer.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

const QString marker = QStringLiteral("\u00A0***");

QString stars(int n) {
    return QString(n, u'*');
}

// At 10 pixels per character a line of 40 mm wraps after 16 characters and is star-filled to
// 16 characters; 50 mm: 20 characters; 30 mm: 12 characters.
constexpr LineGeometry twoLines{40, 50, 0, 40, false};
constexpr LineGeometry threeLines{40, 50, 30, 40, true};

FaceEntry entry(const QString& beneficiary = QStringLiteral("Dupont"),
                const QString& amount = QStringLiteral("100"),
                const QString& grouped = QStringLiteral("100,00")) {
    return {beneficiary, amount, grouped, FaceEntry::Decimals::Two};
}

class LineFittingTest : public ::testing::Test {
protected:
    LineFittingTest() : fitting(measurer, t.dialogs, t.sounds) {
        fitting.setMainWindowShown(true);
        fitting.setGeometry(twoLines);
        QObject::connect(&fitting, &LineFitting::beneficiaryReplaced,
                         [this](const QString& text) { beneficiaries << text; });
        QObject::connect(&fitting, &LineFitting::amountReplaced,
                         [this](const QString& text) { amounts << text; });
        QObject::connect(&fitting, &LineFitting::fieldsFilledCheckRequested,
                         [this] { ++fieldChecks; });
        QObject::connect(&fitting, &LineFitting::wordsRefused, [this] { ++refusals; });
    }

    void convert(const QString& words, const FaceEntry& face = entry()) {
        fitting.setAmountWords(words + marker);
        fitting.GetFont(face);
    }

    QString line(int index) const { return fitting.wordLines().lines.at(index).text; }
    std::array<bool, 3> visibility() const {
        const auto& l = fitting.wordLines().lines;
        return {l[0].visible, l[1].visible, l[2].visible};
    }

    TestPlatform t;
    FixedWidthTextMeasurer measurer{10, 10};
    LineFitting fitting;
    QStringList beneficiaries;
    QStringList amounts;
    int fieldChecks = 0;
    int refusals = 0;
};

TEST_F(LineFittingTest, ShortAmountFillsLineOneLineTwoBeneficiaryAndFigures) {
    convert(QStringLiteral("*** Cent"));

    EXPECT_EQ(line(0), QStringLiteral("*** Cent") + marker + stars(4));
    EXPECT_EQ(line(1), stars(20));
    EXPECT_EQ(line(2), QString());
    EXPECT_EQ(visibility(), (std::array{true, true, false}));
    EXPECT_TRUE(fitting.wordsFit());
    // Beyond 40 mm takes 17 characters (43 mm).
    EXPECT_EQ(beneficiaries, QStringList{QStringLiteral("Dupont ") + stars(10)});
    EXPECT_EQ(
        fitting.controlLines(),
        (ControlLines{
            QStringLiteral("La longueur totale de la ligne 1 en lettres mesure 40 millimètres"),
            QStringLiteral("La longueur totale de la ligne 2 en lettres mesure 50 millimètres"),
            QString(),
            QStringLiteral("La longueur totale du libellé de la ligne bénéficiaire mesure "
                           "43 millimètres")}));
    // "100,00" is 15 mm wide, 2 mm per character: (27 - 15) div 2 stars.
    EXPECT_EQ(fitting.figuresFill(), stars(6));
    EXPECT_EQ(fitting.labelCurrency(), QStringLiteral("***100,00******"));
    EXPECT_EQ(fitting.figuresText(QStringLiteral("100,00")), QStringLiteral("***100,00******"));
    EXPECT_TRUE(t.dialogs.calls().empty());
}

struct SplitCase {
    const char* name;
    bool threeLines;
    const char16_t* words; // the closing marker follows
    std::array<QString, 3> lines;
    bool fits;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class Split : public LineFittingTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(Split, FillsFromTheLineHoldingTheEnd) {
    const SplitCase& c = GetParam();
    fitting.setGeometry(c.threeLines ? threeLines : twoLines);
    convert(QString::fromUtf16(c.words));
    EXPECT_EQ(line(0), c.lines[0]);
    EXPECT_EQ(line(1), c.lines[1]);
    EXPECT_EQ(line(2), c.lines[2]);
    EXPECT_EQ(fitting.wordsFit(), c.fits);
    EXPECT_EQ(refusals, c.fits ? 0 : 1);
    EXPECT_EQ(beneficiaries.isEmpty(), !c.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Split,
    ::testing::Values(
        SplitCase{"EndOnLineTwo",
                  false,
                  u"*** Mille deux cents euros",
                  {QStringLiteral("*** Mille deux "),
                   QStringLiteral("cents euros") + marker + stars(5), QString()},
                  true},
        SplitCase{"TooLongForTwoLines",
                  false,
                  u"*** Mille deux cents quatre-vingt-dix euros",
                  {QStringLiteral("*** Mille deux "), QStringLiteral("cents "), QString()},
                  false},
        SplitCase{"ThreeLinesEndOnLineOne",
                  true,
                  u"*** Cent",
                  {QStringLiteral("*** Cent") + marker + stars(4), stars(20), stars(12)},
                  true},
        SplitCase{"ThreeLinesEndOnLineTwoGivesALineOfStars",
                  true,
                  u"*** Mille deux cents euros",
                  {QStringLiteral("*** Mille deux "),
                   QStringLiteral("cents euros") + marker + stars(5), stars(12)},
                  true},
        SplitCase{"ThreeLinesEndOnLineThree",
                  true,
                  u"*** Mille deux cents vingt euros",
                  {QStringLiteral("*** Mille deux "), QStringLiteral("cents vingt "),
                   QStringLiteral("euros") + marker + stars(3)},
                  true},
        // A word longer than line 3 is cut inside, and the rest does not fit.
        SplitCase{"TooLongForThreeLines",
                  true,
                  u"*** Mille deux cents quatre-vingt-dix euros",
                  {QStringLiteral("*** Mille deux "), QStringLiteral("cents "),
                   QStringLiteral("quatre-vingt")},
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineFittingTest, WordsThatDoNotFitAreRefusedWithTheFontAndSizeNamed) {
    WordFontSettings custom;
    custom.defaultFont = false;
    custom.fontName = QStringLiteral("Arial");
    custom.wordsSize = 14;
    fitting.setFontSettings(custom);
    convert(QStringLiteral("*** Mille deux cents quatre-vingt-dix euros"));

    EXPECT_EQ(t.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    const auto& warning = t.dialogs.calls()[0];
    EXPECT_EQ(warning.icon, DialogIcon::Warning);
    EXPECT_EQ(warning.title, QStringLiteral("Avertissement"));
    EXPECT_EQ(
        warning.text,
        QStringLiteral("VOTRE ATTENTION S'IL VOUS PLAÎT\r\n\r\nLa taille 14 de la fonte Arial, "
                       "sur la somme en toutes lettres est trop importante.\r\n\r\nLa somme "
                       "imprimée serait tronquée : l'impression est donc refusée.\r\n\r\n"
                       "Veuillez réduire la taille 14 de cette fonte, ou bien de changer la "
                       "fonte Arial."));
    EXPECT_FALSE(fitting.wordsFit());

    convert(QStringLiteral("*** Cent"));
    EXPECT_TRUE(fitting.wordsFit());
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
}

TEST_F(LineFittingTest, WithTheDefaultFontTheWarningNamesTheSizeInUse) {
    WordFontSettings settings;
    settings.wordsSize = 20; // custom size, not in use while the default font is on
    fitting.setFontSettings(settings);
    convert(QStringLiteral("*** Mille deux cents quatre-vingt-dix euros"));
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_TRUE(t.dialogs.calls()[0].text.contains(
        QStringLiteral("La taille 9 de la fonte MS Sans Serif, ")));
}

TEST_F(LineFittingTest, NothingIsSplitBeforeTheWindowIsShownOrWithoutAFormat) {
    fitting.setMainWindowShown(false);
    convert(QStringLiteral("*** Mille deux cents quatre-vingt-dix euros"));
    fitting.setMainWindowShown(true);
    fitting.setGeometry(std::nullopt);
    convert(QStringLiteral("*** Mille deux cents quatre-vingt-dix euros"));

    EXPECT_EQ(fitting.wordLines(), FittedLines{});
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_TRUE(beneficiaries.isEmpty());
}

TEST_F(LineFittingTest, WithoutBeneficiaryTheWordsAreSplitButNotFilled) {
    convert(QStringLiteral("*** Cent"), entry(QString()));
    EXPECT_EQ(line(0), QStringLiteral("*** Cent") + marker);
    EXPECT_EQ(line(1), QString());
    EXPECT_EQ(fitting.controlLines(), ControlLines{});
    EXPECT_TRUE(fitting.figuresFill().isEmpty());
}

TEST_F(LineFittingTest, RefusingTagsLeavesTheBeneficiaryButStillFillsTheLines) {
    fitting.setFillStyle(FillStyle::NoTags);
    convert(QStringLiteral("*** Cent"));
    EXPECT_EQ(line(0), QStringLiteral("*** Cent") + marker + stars(4));
    EXPECT_EQ(line(1), stars(20));
    EXPECT_TRUE(beneficiaries.isEmpty());
    EXPECT_TRUE(fitting.controlLines().beneficiary.isEmpty());
}

TEST_F(LineFittingTest, NameFillRepeatsTheBeneficiaryJustBeyondTheLineLessFive) {
    fitting.setFillStyle(FillStyle::BeneficiaryName);
    convert(QStringLiteral("*** Cent"));
    // Beyond 35 mm takes 15 characters (38 mm).
    EXPECT_EQ(beneficiaries, QStringList{QStringLiteral("Dupont Dupont D")});
    EXPECT_EQ(fitting.controlLines().beneficiary,
              QStringLiteral("La longueur totale de la ligne Bénéficiaire mesure 38 millimètres"));
}

TEST_F(LineFittingTest, AnAlreadyFilledBeneficiaryIsNotFilledTwice) {
    convert(QStringLiteral("*** Cent"), entry(QStringLiteral("Dupont ") + stars(10)));
    EXPECT_TRUE(beneficiaries.isEmpty());
}

TEST_F(LineFittingTest, ThreeLineFormatShowsEveryLineTwoLineFormatNeverShowsTheThird) {
    fitting.setGeometry(threeLines);
    convert(QStringLiteral("*** Mille deux cents euros"));
    EXPECT_EQ(visibility(), (std::array{true, true, true}));

    fitting.setGeometry(twoLines);
    EXPECT_EQ(visibility(), (std::array{true, true, false}));
    fitting.HideWordLines();
    fitting.ShowWordLines();
    EXPECT_EQ(visibility(), (std::array{true, true, false}));
}

TEST_F(LineFittingTest, EndFillOfLineOneWhenLineTwoBeginsWithEuros) {
    convert(QStringLiteral("*** Vingt-trois euros"));
    fitting.AjoutEtoilesFinLigne1();
    EXPECT_EQ(line(0), QStringLiteral("*** Vingt-trois *******"));
    EXPECT_EQ(line(1), QStringLiteral("euros") + marker + stars(11));
}

struct EndFillCase {
    const char* name;
    QString line1;
    QString line2;
    QString expected;
};

void PrintTo(const EndFillCase& c, std::ostream* out) {
    *out << c.name;
}

class EndFillOfLineOne : public LineFittingTest,
                         public ::testing::WithParamInterface<EndFillCase> {};

TEST_P(EndFillOfLineOne, AppendsSevenStarsOnlyWithoutMille) {
    const EndFillCase& c = GetParam();
    FittedLines lines;
    lines.lines[0].text = c.line1;
    lines.lines[1].text = c.line2;
    fitting.setWordLines(lines);
    fitting.AjoutEtoilesFinLigne1();
    EXPECT_EQ(line(0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndFillOfLineOne,
    ::testing::Values(
        EndFillCase{"NoMille", QStringLiteral("*** Vingt-trois "), QStringLiteral("euros") + marker,
                    QStringLiteral("*** Vingt-trois *******")},
        EndFillCase{"WithMille", QStringLiteral("*** Deux mille "),
                    QStringLiteral("euros") + marker, QStringLiteral("*** Deux mille ")},
        EndFillCase{"CapitalsDoNotMatch", QStringLiteral("*** VINGT-TROIS "),
                    QStringLiteral("EUROS") + marker, QStringLiteral("*** VINGT-TROIS ")},
        EndFillCase{"LineTwoBeginsWithAnotherWord", QStringLiteral("*** Vingt "),
                    QStringLiteral("et un euros") + marker, QStringLiteral("*** Vingt ")}),
    [](const auto& info) { return std::string(info.param.name); });

struct HyphenCase {
    const char* name;
    bool threeLines;
    std::array<QString, 3> before;
    std::array<QString, 3> after;
};

void PrintTo(const HyphenCase& c, std::ostream* out) {
    *out << c.name;
}

class TiretsDebutLigne : public LineFittingTest,
                         public ::testing::WithParamInterface<HyphenCase> {};

TEST_P(TiretsDebutLigne, MovesTheLeadingHyphenToTheLineAbove) {
    const HyphenCase& c = GetParam();
    fitting.setGeometry(c.threeLines ? threeLines : twoLines);
    FittedLines lines;
    for (int i = 0; i < 3; ++i)
        lines.lines[i].text = c.before[i];
    fitting.setWordLines(lines);
    fitting.TiretsDebutLigne();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(line(i), c.after[i]) << "line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TiretsDebutLigne,
    ::testing::Values(
        HyphenCase{"LineTwo",
                   false,
                   {QStringLiteral("*** Quatre-vingt"), QStringLiteral("-dix euros"), QString()},
                   {QStringLiteral("*** Quatre-vingt-"), QStringLiteral("dix euros"), QString()}},
        HyphenCase{"OnlyTheFirstHyphen",
                   false,
                   {QStringLiteral("a"), QStringLiteral("--b"), QString()},
                   {QStringLiteral("a-"), QStringLiteral("-b"), QString()}},
        HyphenCase{
            "LineThreeOnTheThreeLineFormat",
            true,
            {QStringLiteral("a "), QStringLiteral("b quatre-vingt"), QStringLiteral("-dix")},
            {QStringLiteral("a "), QStringLiteral("b quatre-vingt-"), QStringLiteral("dix")}},
        HyphenCase{"NoHyphen",
                   true,
                   {QStringLiteral("a "), QStringLiteral("b "), QStringLiteral("c")},
                   {QStringLiteral("a "), QStringLiteral("b "), QStringLiteral("c")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ZeroCase {
    const char* name;
    FaceEntry::Decimals decimals;
    const char* amount;
    QStringList replaced;
    QString fill;
};

void PrintTo(const ZeroCase& c, std::ostream* out) {
    *out << c.name;
}

class SizeChampSCMMZero : public LineFittingTest, public ::testing::WithParamInterface<ZeroCase> {};

TEST_P(SizeChampSCMMZero, ZeroTakesTheDecimalsOfItsMode) {
    const ZeroCase& c = GetParam();
    const QString amount = QString::fromLatin1(c.amount);
    fitting.SizeChampSCMM({QStringLiteral("Dupont"), amount, amount, c.decimals});
    EXPECT_EQ(amounts, c.replaced);
    EXPECT_EQ(fieldChecks, amount == u"0" ? 1 : 0);
    EXPECT_EQ(fitting.figuresFill(), c.fill);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SizeChampSCMMZero,
    ::testing::Values(
        // "0,00": 10 mm, 2 mm per character; "0,000": 12 mm, 2 mm per character.
        ZeroCase{"TwoDecimals", FaceEntry::Decimals::Two, "0", {QStringLiteral("0,00")}, stars(8)},
        ZeroCase{
            "ThreeDecimals", FaceEntry::Decimals::Three, "0", {QStringLiteral("0,000")}, stars(7)},
        ZeroCase{"NoDecimalsStops", FaceEntry::Decimals::None, "0", {}, QString()},
        ZeroCase{"CommaAloneStops", FaceEntry::Decimals::Two, "0,", {}, QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineFittingTest, FiguresFillKeepsItsValueWhenACharacterMeasuresNothing) {
    fitting.SizeChampSCMM(entry());
    measurer.bold = 3;
    fitting.SizeChampSCMM(
        entry(QStringLiteral("Dupont"), QStringLiteral("12"), QStringLiteral("12,00")));
    EXPECT_EQ(fitting.figuresFill(), stars(6));
    EXPECT_EQ(fitting.labelCurrency(), QStringLiteral("***100,00******"));
}

TEST_F(LineFittingTest, AnAmountWiderThanTheFieldLosesItsFillButKeepsTheLabel) {
    fitting.SizeChampSCMM(entry());
    fitting.SizeChampSCMM(entry(QStringLiteral("Dupont"), QStringLiteral("1234567890"),
                                QStringLiteral("1.234.567.890,00")));
    EXPECT_EQ(fitting.figuresFill(), QString());
    EXPECT_EQ(fitting.labelCurrency(), QStringLiteral("***100,00******"));
    EXPECT_EQ(fitting.figuresText(QStringLiteral("1.234.567.890,00")),
              QStringLiteral("***1.234.567.890,00"));
}

TEST_F(LineFittingTest, AjoutTagsEtoilesShowsTheGroupedAmountAndTheUsableLines) {
    fitting.AjoutTagsEtoiles(entry(QStringLiteral("Dupont"), QStringLiteral("1234567,89"),
                                   QStringLiteral("1.234.567,89")));
    EXPECT_EQ(amounts, QStringList{QStringLiteral("1234567,89")});
    EXPECT_EQ(fieldChecks, 1);
    EXPECT_EQ(visibility(), (std::array{true, true, false}));

    fitting.setGeometry(threeLines);
    fitting.AjoutTagsEtoiles(entry());
    EXPECT_EQ(visibility(), (std::array{true, true, true}));
}

TEST_F(LineFittingTest, RefusedWordsKeepPrintingRefusedUntilTheNextConversionStarts) {
    const QString tooLong = QStringLiteral("*** Mille deux cents quatre-vingt-dix euros");
    convert(tooLong);
    fitting.SizeChampSCMM(entry());
    fitting.ShowWordLines();
    EXPECT_FALSE(fitting.wordsFit());

    fitting.AjoutTagsEtoiles(entry());
    EXPECT_TRUE(fitting.wordsFit());
    convert(tooLong);
    EXPECT_FALSE(fitting.wordsFit());
}

TEST_F(LineFittingTest, AjoutTagsEtoilesRefusingTagsShowsOnlyLinesUpToTheEnd) {
    fitting.setGeometry(threeLines);
    fitting.setFillStyle(FillStyle::NoTags);
    FittedLines lines;
    lines.lines[0].text = QStringLiteral("*** Cent") + marker;
    fitting.setWordLines(lines);
    fitting.AjoutTagsEtoiles(entry());
    EXPECT_EQ(visibility(), (std::array{true, false, false}));

    lines.lines[0].text = QStringLiteral("*** Mille ");
    lines.lines[1].text = QStringLiteral("euros") + marker;
    fitting.setWordLines(lines);
    fitting.AjoutTagsEtoiles(entry());
    EXPECT_EQ(visibility(), (std::array{true, true, false}));
}

TEST_F(LineFittingTest, ChoosingAFillStylePutsTheTypedBeneficiaryBack) {
    const QString typed = QStringLiteral("Dupont");
    fitting.rbTagsClick(typed);
    EXPECT_EQ(fitting.fillStyle(), FillStyle::NoTags);
    fitting.rbTagsLineClick(typed);
    EXPECT_EQ(fitting.fillStyle(), FillStyle::BeneficiaryName);
    fitting.rbTagsCharsClick(typed);
    EXPECT_EQ(fitting.fillStyle(), FillStyle::IdenticalChars);
    EXPECT_EQ(beneficiaries, QStringList(3, typed));
}

TEST(FillStyle, StoredValuesOneToThreeOthersLeaveTheDefault) {
    EXPECT_EQ(fillStyleFromSetting(1), FillStyle::IdenticalChars);
    EXPECT_EQ(fillStyleFromSetting(2), FillStyle::NoTags);
    EXPECT_EQ(fillStyleFromSetting(3), FillStyle::BeneficiaryName);
    EXPECT_EQ(fillStyleFromSetting(0), std::nullopt);
    EXPECT_EQ(fillStyleFromSetting(4), std::nullopt);
    EXPECT_EQ(fillStyleSetting(FillStyle::BeneficiaryName), 3);
}

TEST(ScreenFonts, DefaultFontIgnoresTheCustomSizes) {
    WordFontSettings settings;
    settings.fontName = QStringLiteral("Arial");
    settings.wordsSize = 20;
    const ScreenFonts fonts = ScreenFonts::fromSettings(settings);
    EXPECT_EQ(fonts.wordLines.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(fonts.wordLines.pointSize(), 9);
    EXPECT_TRUE(fonts.wordLines.bold());
    EXPECT_EQ(fonts.wrapping.pointSize(), 9);
    EXPECT_FALSE(fonts.wrapping.bold());
    EXPECT_EQ(fonts.beneficiary.pointSize(), 12);
    EXPECT_FALSE(fonts.beneficiary.bold());
    EXPECT_EQ(fonts.figures.pointSize(), 14);
    EXPECT_TRUE(fonts.figures.bold());
    EXPECT_EQ(fonts.placeDate.pointSize(), 8);
}

TEST(ScreenFonts, CustomFontUsesTheChosenNameAndSizes) {
    const ScreenFonts fonts =
        ScreenFonts::fromSettings({false, QStringLiteral("Courier New"), 11, 13, 16, 10});
    for (const QFont* f :
         {&fonts.wordLines, &fonts.wrapping, &fonts.beneficiary, &fonts.figures, &fonts.placeDate})
        EXPECT_EQ(f->family(), QStringLiteral("Courier New"));
    EXPECT_EQ(fonts.wordLines.pointSize(), 11);
    EXPECT_EQ(fonts.wrapping.pointSize(), 11);
    EXPECT_EQ(fonts.beneficiary.pointSize(), 13);
    EXPECT_EQ(fonts.figures.pointSize(), 16);
    EXPECT_EQ(fonts.placeDate.pointSize(), 10);
}

TEST(ScreenFonts, StoredSizesOutsideTheBoxesAreKeptWithinThem) {
    const ScreenFonts fonts =
        ScreenFonts::fromSettings({false, QStringLiteral("Arial"), 0, 99, -3, 40});
    EXPECT_EQ(fonts.wordLines.pointSize(), 8);
    EXPECT_EQ(fonts.beneficiary.pointSize(), 22);
    EXPECT_EQ(fonts.figures.pointSize(), 8);
    EXPECT_EQ(fonts.placeDate.pointSize(), 18);
}

} // namespace
