#include "app/ChequeSession.h"
#include "app/ClosingKeys.h"
#include "platform/IniFile.h"
#include "support/FakePrinters.h"
#include "support/FixedWidthTextMeasurer.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class SessionSettings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(t.folders.CreateFolderUser(), std::nullopt); }

    void settings(const QByteArray& bytes) {
        QFile f(t.folders.settingsFilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    IniDocument saved() { return IniFile(t.folders.settingsFilePath()).load(); }

    TestPlatform t;
    FixedWidthTextMeasurer measurer;
    FakePrinters printers;
    ChequeSession session{t.platform(), measurer, printers};
};

TEST_F(SessionSettings, EmptyFileStartsWithTheDefaultsAndClosesWithEveryKeyInOrder) {
    const auto result = session.loadSettings();
    EXPECT_TRUE(result.firstStart);
    EXPECT_FALSE(session.currentFormat().hasFormat());
    EXPECT_EQ(session.entry().place(), QStringLiteral("Villeneuve la Vieille"));
    EXPECT_EQ(session.printModes().mode(), PrintMode::PrintHorizontal);
    EXPECT_EQ(session.entry().dateStyle(), 1);
    EXPECT_FALSE(session.journal().isOn());
    EXPECT_TRUE(session.fontSettings().defaultFont);
    EXPECT_TRUE(session.wording().options().majuscules);
    EXPECT_EQ(session.entry().amountText(), QStringLiteral("0,00"));

    ASSERT_TRUE(session.saveSettings());
    const IniDocument doc = saved();
    EXPECT_EQ(doc.readString(u"PASSING", u"V6", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readInteger(u"PRINT", u"Migr4To5", 0), 1);
    expectEveryClosingKeyInOrder(doc);
    EXPECT_EQ(doc.keys(u"NOMS BANQUES").size(), 26);
    EXPECT_EQ(doc.readString(u"NOMS BANQUES", u"BNP", {}), QStringLiteral("BNP PARIBAS"));
    EXPECT_EQ(doc.readString(u"BANQUES", u"BNP1", {}), QStringLiteral("47"));
    EXPECT_EQ(doc.readInteger(u"CHOIX BANQUE", u"Banque", 0), 1);
    EXPECT_EQ(doc.readInteger(u"PRINT", u"Orientation", 0), 1);
    EXPECT_EQ(doc.readInteger(u"SHOW", u"Datage", 0), 1);
    EXPECT_EQ(doc.readString(u"SHOW", u"FrameBtnValidate", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"SHOW", u"FontMaj", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"SHOW", u"FontDefault", {}), QStringLiteral("1"));
    const QStringList sections = doc.sections();
    EXPECT_LT(sections.indexOf(QStringLiteral("BANQUES")),
              sections.indexOf(QStringLiteral("SHOW")));
    EXPECT_EQ(sections.last(), QStringLiteral("PICTOPOSPRINT"));
}

struct EdgeCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* writtenAtClose; // nullptr: the key must be absent
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

class SessionSettingsEdge : public SessionSettings,
                            public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(SessionSettingsEdge, StartAndCloseWriteWhatTheRulesSay) {
    const EdgeCase& c = GetParam();
    settings(QByteArray(c.file));
    session.loadSettings();
    ASSERT_TRUE(session.saveSettings());
    const IniDocument doc = saved();
    const QString section = QString::fromUtf8(c.section);
    const QString key = QString::fromUtf8(c.key);
    if (c.writtenAtClose)
        EXPECT_EQ(doc.readString(section, key, QStringLiteral("<absent>")),
                  QString::fromUtf8(c.writtenAtClose));
    else
        EXPECT_FALSE(doc.valueExists(section, key));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionSettingsEdge,
    ::testing::Values(
        EdgeCase{"datageOutOfRange", "[SHOW]\r\nDatage=7\r\n", "SHOW", "Datage", "1"},
        EdgeCase{"orientationOutOfRange", "[PRINT]\r\nOrientation=9\r\n", "PRINT", "Orientation",
                 "1"},
        EdgeCase{"banqueZero", "[CHOIX BANQUE]\r\nBanque=0\r\n", "CHOIX BANQUE", "Banque", "1"},
        EdgeCase{"banqueForty", "[CHOIX BANQUE]\r\nBanque=40\r\n", "CHOIX BANQUE", "Banque", "1"},
        EdgeCase{"banqueKept", "[CHOIX BANQUE]\r\nBanque=7\r\n", "CHOIX BANQUE", "Banque", "7"},
        EdgeCase{"listStopsAtTheFirstGap", "[LISTBENEF]\r\nLB0=Alice\r\nLB1=Bob\r\nLB3=Carl\r\n",
                 "LISTBENEF", "LB1", "Bob"},
        EdgeCase{"listRewrittenWithoutTheGap",
                 "[LISTBENEF]\r\nLB0=Alice\r\nLB1=Bob\r\nLB3=Carl\r\n", "LISTBENEF", "LB3",
                 nullptr},
        EdgeCase{"fontMajZero", "[SHOW]\r\nFontMaj=0\r\n", "SHOW", "FontMaj", "0"},
        EdgeCase{"btnHidePrintKept", "[PRINT]\r\nBtnHidePrint=1\r\n", "PRINT", "BtnHidePrint", "1"},
        EdgeCase{"priorityWithoutText", "[SHOW]\r\nBenefPrior=1\r\nBenefPriorText=\r\n", "SHOW",
                 "BenefPrior", "0"},
        EdgeCase{"priorityWithText", "[SHOW]\r\nSomPrior=1\r\nSomPriorText=12,50\r\n", "SHOW",
                 "SomPrior", "1"},
        EdgeCase{"positionNotANumber", "[BANQUES]\r\nBNP1=abc\r\n", "BANQUES", "BNP1", "0"},
        EdgeCase{"unknownSectionKept", "[FUTUR]\r\nCle=1\r\n", "FUTUR", "Cle", "1"},
        EdgeCase{"placeKept", "[SAISIE LIEU]\r\nLieu=\xC9vreux\r\n", "SAISIE LIEU", "Lieu",
                 "Évreux"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SessionSettings, CapitalsFollowFontMaj) {
    settings("[SHOW]\r\nFontMaj=0\r\n");
    session.loadSettings();
    EXPECT_FALSE(session.wording().options().majuscules);
}

TEST_F(SessionSettings, ListsLoadUntilTheFirstGap) {
    settings("[LISTBENEF]\r\nLB0=Alice\r\nLB1=Bob\r\nLB3=Carl\r\n[LISTSOMMES]\r\nLS0=12,50\r\n");
    session.loadSettings();
    EXPECT_EQ(session.lists().beneficiaries(),
              (QStringList{QStringLiteral("Alice"), QStringLiteral("Bob")}));
    EXPECT_EQ(session.lists().amounts(), QStringList{QStringLiteral("12,50")});
}

} // namespace

namespace {

// The account in use at the last close is the one shown after the next start: the stored
// format is laid out before the window shows, which must not reset the numbers.
TEST_F(SessionSettings, StartKeepsTheStoredAccountAndNumbers) {
    settings("[CHOIX BANQUE]\r\nBanque=7\r\nCompte=2\r\nNumChqEnCours=0000123\r\n"
             "NumCptEnCours=98765432101\r\nCompte1BNP=11111111111\r\nCheque1BNP=0000001\r\n");
    session.loadSettings();
    session.firstShowing();
    EXPECT_EQ(session.account().account(), 2);
    EXPECT_EQ(session.account().chequeNumber(), QStringLiteral("0000123"));
    EXPECT_EQ(session.account().accountNumber(), QStringLiteral("98765432101"));
}

} // namespace
