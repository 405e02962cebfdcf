#include "core/Fills.h"

#include "support/FixedWidthTextMeasurer.h"

#include <gtest/gtest.h>

namespace {

// At 4 pixels per character, n characters measure n × 1.016 mm, truncated.
const FixedWidthTextMeasurer fourPixels(4, 4);

QString stars(int n) {
    return QString(n, u'*');
}

TEST(Scales, PixelsToMillimetresAndWrapWidthTruncate) {
    EXPECT_EQ(Fills::pixelsToMillimetres(0), 0);
    EXPECT_EQ(Fills::pixelsToMillimetres(3), 0);
    EXPECT_EQ(Fills::pixelsToMillimetres(4), 1);
    EXPECT_EQ(Fills::pixelsToMillimetres(300), 76);
    EXPECT_EQ(Fills::wrapWidthPixels(75), 305);
    EXPECT_EQ(Fills::wrapWidthPixels(110), 447);
    EXPECT_EQ(Fills::wrapWidthPixels(0), 0);
}

struct StarCase {
    const char* name;
    QString line;
    int targetMm;
    QString filled;
};

void PrintTo(const StarCase& c, std::ostream* out) {
    *out << c.name;
}

class AjoutTagsLabel : public ::testing::TestWithParam<StarCase> {};

TEST_P(AjoutTagsLabel, AppendsStarsUntilTheLineReachesItsLength) {
    const StarCase& c = GetParam();
    EXPECT_EQ(Fills::Ajout_Tags_Label(c.line, c.targetMm, QFont(), fourPixels), c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AjoutTagsLabel,
    ::testing::Values(
        // 74 characters measure 75 mm, 73 only 74 mm.
        StarCase{"EmptyLineBecomesALineOfStars", QString(), 75, stars(74)},
        StarCase{"ShortLineIsCompleted", QStringLiteral("abc"), 10,
                 QStringLiteral("abc") + stars(7)},
        StarCase{"LineAtItsLengthKeepsItsText", QString(10, u'a'), 10, QString(10, u'a')},
        StarCase{"LongerLineKeepsItsText", QString(20, u'a'), 10, QString(20, u'a')},
        StarCase{"ZeroLengthLineStaysEmpty", QString(), 0, QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AjoutTagsLabel, AFontThatMeasuresNothingDoesNotLoopForEver) {
    const FixedWidthTextMeasurer nothing(0, 0);
    EXPECT_EQ(Fills::Ajout_Tags_Label(QString(), 75, QFont(), nothing).size(), 1000);
}

struct BeneficiaryCase {
    const char* name;
    QString beneficiary;
    int lineMm;
    QString withStars;
    QString withName;
};

void PrintTo(const BeneficiaryCase& c, std::ostream* out) {
    *out << c.name;
}

class BeneficiaryFill : public ::testing::TestWithParam<BeneficiaryCase> {};

TEST_P(BeneficiaryFill, GoesJustBeyondTheLine) {
    const BeneficiaryCase& c = GetParam();
    EXPECT_EQ(Fills::Ajout_Tags_Beneficiaire(c.beneficiary, c.lineMm, QFont(), fourPixels),
              c.withStars);
    EXPECT_EQ(Fills::Ajout_TagsLettres_Beneficiaire(c.beneficiary, c.lineMm, QFont(), fourPixels),
              c.withName);
}

const QString dupont = QStringLiteral("Dupont");

INSTANTIATE_TEST_SUITE_P(
    Cases, BeneficiaryFill,
    ::testing::Values(
        // Stars: beyond 30 mm takes 31 characters; name: beyond 25 mm takes 26 characters.
        BeneficiaryCase{"ShortLine", dupont, 30, dupont + u' ' + stars(24),
                        QStringLiteral("Dupont Dupont Dupont Dupon")},
        // At most 81 characters of stars and 80 of name are added.
        BeneficiaryCase{"LongLineUsesUpTheFill", dupont, 170, dupont + u' ' + stars(80),
                        dupont + QStringLiteral(" Dupont").repeated(11) + QStringLiteral(" Du")},
        // 20 characters measure 20 mm: the stars need nothing, the name target is 15 mm.
        BeneficiaryCase{"AlreadyAtTheLine", QString(20, u'x'), 20, QString(20, u'x'),
                        QString(20, u'x')},
        BeneficiaryCase{"NameTargetBelowZero", dupont, 3, dupont, dupont}),
    [](const auto& info) { return std::string(info.param.name); });

struct FiguresCase {
    const char* name;
    int pixelsPerCharacter;
    QString grouped;
    std::optional<int> stars;
};

void PrintTo(const FiguresCase& c, std::ostream* out) {
    *out << c.name;
}

class FiguresStarCount : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(FiguresStarCount, FillsTheAmountToAbout27Millimetres) {
    const FiguresCase& c = GetParam();
    const FixedWidthTextMeasurer measurer(c.pixelsPerCharacter, c.pixelsPerCharacter);
    EXPECT_EQ(Fills::figuresStarCount(c.grouped, QFont(), measurer), c.stars);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FiguresStarCount,
    ::testing::Values(
        // 8 mm wide, 1 mm per character: (27 - 8) div 1.
        FiguresCase{"GroupedThousands", 4, QStringLiteral("1.234,00"), 19},
        // 12 mm wide, 2 mm per character: (27 - 12) div 2.
        FiguresCase{"WiderFont", 10, QStringLiteral("12,00"), 7},
        FiguresCase{"AtMostTwentyStars", 4, QStringLiteral("12,00"), 20},
        FiguresCase{"Exactly27Millimetres", 4, QString(27, u'1'), 0},
        FiguresCase{"Beyond27Millimetres", 12, QStringLiteral("1.234.567.890,00"), 0},
        // 15 pixels are 3 mm over 5 characters: no width per character.
        FiguresCase{"ZeroWidthPerCharacter", 3, QStringLiteral("12,00"), std::nullopt},
        FiguresCase{"EmptyAmount", 4, QString(), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
