#include "platform/IniDocument.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace {

IniDocument parse(const char* text) {
    return IniDocument::fromBytes(QByteArray(text));
}

QString str(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected; // nullptr: the fallback "<défaut>"
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class IniReadString : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadString, FollowsTheSettingsFileRules) {
    const ReadCase& c = GetParam();
    const QString fallback = QStringLiteral("<défaut>");
    const QString value = parse(c.file).readString(str(c.section), str(c.key), fallback);
    EXPECT_EQ(value, c.expected ? str(c.expected) : fallback);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadString,
    ::testing::Values(
        ReadCase{"plain", "[SHOW]\r\nUMonaie=euro\r\n", "SHOW", "UMonaie", "euro"},
        ReadCase{"sectionCase", "[Show]\r\nUMonaie=euro\r\n", "SHOW", "UMonaie", "euro"},
        ReadCase{"keyCase", "[SHOW]\r\numonaie=euro\r\n", "show", "UMONAIE", "euro"},
        ReadCase{"missingKey", "[SHOW]\r\nUMonaie=euro\r\n", "SHOW", "Devise", nullptr},
        ReadCase{"missingSection", "[SHOW]\r\nUMonaie=euro\r\n", "PRINT", "UMonaie", nullptr},
        ReadCase{"emptyValueIsNotMissing", "[SHOW]\r\nUMonaie=\r\n", "SHOW", "UMonaie", ""},
        ReadCase{"blanksTrimmed", "[SHOW]\r\n  UMonaie  =   euro  \t\r\n", "SHOW", "UMonaie",
                 "euro"},
        ReadCase{"sectionBlanks", "  [ SHOW ]  \r\nUMonaie=euro\r\n", "SHOW", "UMonaie", "euro"},
        ReadCase{"quotesRemoved", "[SHOW]\r\nLieu=\"  Paris \"\r\n", "SHOW", "Lieu", "  Paris "},
        ReadCase{"onlyOnePairOfQuotes", "[SHOW]\r\nLieu=\"\"x\"\"\r\n", "SHOW", "Lieu", "\"x\""},
        ReadCase{"lonelyQuoteKept", "[SHOW]\r\nLieu=\"x\r\n", "SHOW", "Lieu", "\"x"},
        ReadCase{"equalsInValue", "[SHOW]\r\nF=a=b\r\n", "SHOW", "F", "a=b"},
        ReadCase{"firstSectionWins", "[A]\r\nk=1\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "k", "1"},
        ReadCase{"duplicateSectionNotMerged", "[A]\r\nk=1\r\n[a]\r\nj=3\r\n", "A", "j", nullptr},
        ReadCase{"firstKeyWins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        ReadCase{"commentsIgnored", "[A]\r\n;k=1\r\n# k=2\r\nk=3\r\n", "A", "k", "3"},
        ReadCase{"lfOnlyLines", "[A]\nk=1\nj=2\n", "A", "j", "2"},
        ReadCase{"noFinalLineBreak", "[A]\r\nk=last", "A", "k", "last"},
        ReadCase{"keyBeforeAnySection", "k=1\r\n[A]\r\n", "A", "k", nullptr},
        ReadCase{"lineWithoutEquals", "[A]\r\nk\r\n", "A", "k", ""},
        ReadCase{"cp1252Euro", "[SHOW]\r\nDevise=\x80\r\n", "SHOW", "Devise", "€"},
        ReadCase{"cp1252Accents", "[SHOW]\r\nAngleTOString=CH\xC8QUE ANNUL\xC9\r\n", "SHOW",
                 "AngleTOString", "CHÈQUE ANNULÉ"},
        ReadCase{"accentedNamesFold", "[R\xC9GLAGES]\r\nCl\xE9=1\r\n", "réglages", "CLÉ", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniReadString, CutsLongValuesAt2047Characters) {
    const QByteArray file = "[A]\r\nk=" + QByteArray(5000, 'x') + "\r\n";
    EXPECT_EQ(IniDocument::fromBytes(file).readString(u"A", u"k", {}).size(), 2047);
}

struct NumberCase {
    const char* value;
    int expected; // with fallback -7
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.value << '"';
}

class IniReadInteger : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IniReadInteger, AcceptsDecimalAndBothHexForms) {
    const QByteArray file = QByteArray("[A]\r\nn=") + GetParam().value + "\r\n";
    EXPECT_EQ(IniDocument::fromBytes(file).readInteger(u"A", u"n", -7), GetParam().expected)
        << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadInteger,
    ::testing::Values(NumberCase{"42", 42}, NumberCase{"-12", -12}, NumberCase{"+5", 5},
                      NumberCase{" 16773360 ", 16773360}, NumberCase{"$FF", 255},
                      NumberCase{"0x00FFF0F0", 0xFFF0F0}, NumberCase{"0XfF", 255},
                      NumberCase{"$FFFFFFFF", -1}, NumberCase{"2147483647", 2147483647},
                      NumberCase{"-2147483648", -2147483647 - 1}, NumberCase{"2147483648", -7},
                      NumberCase{"", -7}, NumberCase{"abc", -7}, NumberCase{"12abc", -7},
                      NumberCase{"1 2", -7}, NumberCase{"$", -7}, NumberCase{"0x", -7},
                      NumberCase{"--3", -7}, NumberCase{"$1FFFFFFFF", -7},
                      NumberCase{"9999999999999999999999", -7}, NumberCase{"\"12\"", 12}));

TEST(IniReadBool, TrueIsAnyNonZeroIntegerAndGarbageGivesTheFallback) {
    const IniDocument doc = parse("[A]\r\none=1\r\nzero=0\r\nseven=7\r\nhex=$0\r\nword=true\r\n");
    EXPECT_TRUE(doc.readBool(u"A", u"one", false));
    EXPECT_FALSE(doc.readBool(u"A", u"zero", true));
    EXPECT_TRUE(doc.readBool(u"A", u"seven", false));
    EXPECT_FALSE(doc.readBool(u"A", u"hex", true));
    EXPECT_FALSE(doc.readBool(u"A", u"word", false));
    EXPECT_TRUE(doc.readBool(u"A", u"word", true));
    EXPECT_TRUE(doc.readBool(u"A", u"missing", true));
}

TEST(IniWrite, ReplacesInPlaceAndLeavesEveryOtherByteAlone) {
    const char* before =
        "; réglages\r\n[SHOW]\r\n  UMonaie = euro \r\nWav=0\r\n\r\n[PRINT]\r\nTags=2\r\n";
    IniDocument doc = parse(before);
    doc.writeString(u"show", u"UMONAIE", QStringLiteral("franc"));
    EXPECT_EQ(
        doc.toBytes(),
        QByteArray(
            "; réglages\r\n[SHOW]\r\n  UMonaie =franc\r\nWav=0\r\n\r\n[PRINT]\r\nTags=2\r\n"));
}

TEST(IniWrite, AppendsNewKeyAtTheEndOfItsSectionBeforeBlankLines) {
    IniDocument doc = parse("[SHOW]\r\nWav=0\r\n\r\n[PRINT]\r\nTags=2\r\n");
    doc.writeInteger(u"SHOW", u"Datage", 3);
    doc.writeBool(u"PRINT", u"YesDecimal", true);
    EXPECT_EQ(
        doc.toBytes(),
        QByteArray("[SHOW]\r\nWav=0\r\nDatage=3\r\n\r\n[PRINT]\r\nTags=2\r\nYesDecimal=1\r\n"));
}

TEST(IniWrite, AppendsNewSectionAtTheEndAndCreatesAnEmptyFile) {
    IniDocument doc;
    doc.writeString(u"SAISIE LIEU", u"Lieu", QStringLiteral("Villeneuve la Vieille"));
    doc.writeBool(u"SHOW", u"Wav", false);
    doc.writeString(u"saisie lieu", u"Autre", QStringLiteral("x"));
    EXPECT_EQ(doc.toBytes(),
              QByteArray(
                  "[SAISIE LIEU]\r\nLieu=Villeneuve la Vieille\r\nAutre=x\r\n[SHOW]\r\nWav=0\r\n"));
}

TEST(IniWrite, WritesIntoTheFirstOfDuplicateSections) {
    IniDocument doc = parse("[A]\r\nk=1\r\n[A]\r\nk=2\r\n");
    doc.writeString(u"A", u"k", QStringLiteral("9"));
    EXPECT_EQ(doc.toBytes(), QByteArray("[A]\r\nk=9\r\n[A]\r\nk=2\r\n"));
}

TEST(IniWrite, StoresLineBreaksAsBlanksSoTheFileStaysWhole) {
    IniDocument doc = parse("[A]\r\nnext=ok\r\n");
    doc.writeString(u"A", u"k", QStringLiteral("un\r\ndeux\ntrois\rquatre"));
    EXPECT_EQ(doc.readString(u"A", u"k", {}), QStringLiteral("un deux trois quatre"));
    const IniDocument reread = IniDocument::fromBytes(doc.toBytes());
    EXPECT_EQ(reread.readString(u"A", u"next", {}), QStringLiteral("ok"));
    EXPECT_EQ(reread.keys(u"A"), (QStringList{QStringLiteral("next"), QStringLiteral("k")}));
}

TEST(IniWrite, EncodesInCp1252AndMarksCharactersItLacks) {
    IniDocument doc;
    doc.writeString(u"SHOW", u"Devise", QStringLiteral("€ ✓"));
    EXPECT_EQ(doc.toBytes(), QByteArray("[SHOW]\r\nDevise=\x80 ?\r\n"));
}

TEST(IniErase, RemovesEverySectionOfTheNameAndOnlyIt) {
    IniDocument doc = parse("[LISTBENEF]\r\nLB0=a\r\n[SHOW]\r\nWav=1\r\n[listbenef]\r\nLB1=b\r\n");
    doc.eraseSection(u"ListBenef");
    EXPECT_FALSE(doc.sectionExists(u"LISTBENEF"));
    EXPECT_EQ(doc.toBytes(), QByteArray("[SHOW]\r\nWav=1\r\n"));
    doc.writeString(u"LISTBENEF", u"LB0", QStringLiteral("c"));
    EXPECT_EQ(doc.readString(u"LISTBENEF", u"LB0", {}), QStringLiteral("c"));
}

TEST(IniDelete, RemovesTheFirstMatchingKeyAndKeepsTheIndexRight) {
    IniDocument doc = parse("[A]\r\nk=1\r\nj=2\r\nk=3\r\nm=4\r\n");
    doc.deleteKey(u"a", u"K");
    EXPECT_EQ(doc.readString(u"A", u"k", {}), QStringLiteral("3"));
    EXPECT_EQ(doc.readString(u"A", u"m", {}), QStringLiteral("4"));
    doc.deleteKey(u"A", u"absent");
    doc.deleteKey(u"absent", u"k");
    EXPECT_EQ(doc.toBytes(), QByteArray("[A]\r\nj=2\r\nk=3\r\nm=4\r\n"));
}

TEST(IniParse, ListsSectionsAndKeysAsWritten) {
    const IniDocument doc = parse("[SHOW]\r\nWav=0\r\n;x=1\r\nDatage=1\r\n[ PRINT ]\r\n");
    EXPECT_EQ(doc.sections(), (QStringList{QStringLiteral("SHOW"), QStringLiteral("PRINT")}));
    EXPECT_EQ(doc.keys(u"show"), (QStringList{QStringLiteral("Wav"), QStringLiteral("Datage")}));
    EXPECT_TRUE(doc.valueExists(u"SHOW", u"datage"));
    EXPECT_FALSE(doc.valueExists(u"SHOW", u"x"));
}

TEST(IniParse, SurvivesBytesThatAreNotTextAndKeepsThemOnRewrite) {
    QByteArray file("[A]\r\nbin=\x81\x8D\x8F\x90\x9D\r\nnul=a");
    file.append('\0');
    file.append("b\r\n[B\xFF\r\n\r\r\n=\r\n[]\r\n");
    IniDocument doc = IniDocument::fromBytes(file);
    EXPECT_EQ(doc.readString(u"A", u"nul", {}).size(), 3);
    doc.writeString(u"A", u"new", QStringLiteral("1"));
    const QByteArray rewritten = doc.toBytes();
    EXPECT_TRUE(rewritten.contains("bin=\x81\x8D\x8F\x90\x9D\r\n"));
    EXPECT_TRUE(rewritten.contains(QByteArray("nul=a\0b\r\n", 9)));
}

TEST(Cp1252, RoundTripsEveryByte) {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    EXPECT_EQ(cp1252::decode(all).size(), 256);
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}

} // namespace
