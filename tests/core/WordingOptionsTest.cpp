#include "core/WordingOptions.h"

#include "platform/Cp1252.h"
#include "platform/IniDocument.h"

#include <gtest/gtest.h>

namespace {

IniDocument document(const char* text) {
    return IniDocument::fromBytes(cp1252::encode(QString::fromUtf8(text)));
}

TEST(WordingOptions, DefaultsForAnEmptyFile) {
    const WordingOptions o = readWordingOptions(IniDocument());
    EXPECT_EQ(o.unitSingular, QStringLiteral("euro"));
    EXPECT_EQ(o.unitPlural, QStringLiteral("euros"));
    EXPECT_EQ(o.subUnitSingular, QStringLiteral("centime"));
    EXPECT_EQ(o.subUnitPlural, QStringLiteral("centimes"));
    EXPECT_EQ(o.preposition, QStringLiteral("d'"));
    EXPECT_EQ(o.currencySign, QStringLiteral("€"));
    EXPECT_EQ(o.validateCaption, QStringLiteral("Valider"));
    EXPECT_FALSE(o.specificites);
    EXPECT_TRUE(o.majuscules);
    EXPECT_EQ(o.decimalMode(), DecimalMode::Two);
    EXPECT_FALSE(o.resetZones);
    EXPECT_EQ(o.dateStyle, 0);
}

TEST(WordingOptions, ReadsTheShowAndPrintKeys) {
    const WordingOptions o = readWordingOptions(
        document("[SHOW]\r\nUMonaie=franc\r\numonaies=francs\r\nU100Monaie=centime suisse\r\n"
                 "U100MonaieS=centimes suisses\r\nPreposition=de\r\nSeptante=1\r\nFontMaj=0\r\n"
                 "ThreeDecimal=1\r\nReset=1\r\nDatage=3\r\nDevise=CHF\r\n"
                 "LabelBtnValid=OK\r\n[PRINT]\r\nYesDecimal=0\r\n"));
    EXPECT_EQ(o.unitSingular, QStringLiteral("franc"));
    EXPECT_EQ(o.unitPlural, QStringLiteral("francs"));
    EXPECT_EQ(o.subUnitSingular, QStringLiteral("centime suisse"));
    EXPECT_EQ(o.subUnitPlural, QStringLiteral("centimes suisses"));
    EXPECT_EQ(o.preposition, QStringLiteral("de"));
    EXPECT_TRUE(o.specificites);
    EXPECT_FALSE(o.majuscules);
    EXPECT_EQ(o.decimalMode(), DecimalMode::Three);
    EXPECT_TRUE(o.resetZones);
    EXPECT_EQ(o.dateStyle, 3);
    EXPECT_EQ(o.currencySign, QStringLiteral("CHF"));
    EXPECT_EQ(o.validateCaption, QStringLiteral("OK"));
}

TEST(WordingOptions, MajusculesStayOnWhenTheKeyIsMissingOrUnreadable) {
    EXPECT_TRUE(readWordingOptions(document("[SHOW]\r\nSeptante=1\r\n")).majuscules);
    EXPECT_TRUE(readWordingOptions(document("[SHOW]\r\nFontMaj=oui\r\n")).majuscules);
}

TEST(WordingOptions, RefusedDecimalsWinOverThreeDecimals) {
    const WordingOptions o =
        readWordingOptions(document("[SHOW]\r\nThreeDecimal=1\r\n[PRINT]\r\nYesDecimal=1\r\n"));
    EXPECT_EQ(o.decimalMode(), DecimalMode::None);
}

} // namespace
