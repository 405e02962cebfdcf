#include "journal/ChequeRecorder.h"

#include "journal/CurrentAccount.h"
#include "journal/Journal.h"
#include "journal/TestFormats.h"
#include "platform/IniFile.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fixture() {
    return contents(QStringLiteral(QUILMET_TEST_DATA "/J_BNP-PARIBAS2.txt"));
}

// The printed cheques of the fixture: a cheque of 1 234,56 then one of 3,00 with its stub.
JournalEntry firstCheque() {
    JournalEntry e;
    e.tags = FillTagStyle::IdenticalCharacters;
    e.optionalLine = QStringLiteral("Loyer janvier");
    e.wordsLines = {QStringLiteral("*** Mille deux cent trente-quatre euros "),
                    QStringLiteral("et cinquante-six centimes\u00A0*****"), QString()};
    e.currencyPlural = QStringLiteral("euros");
    e.figures = QStringLiteral("1 234,56");
    e.beneficiary = QStringLiteral("Société Dupont & Fils");
    e.place = QStringLiteral("Villeneuve la Vieille");
    e.date = QStringLiteral("11/12/2026");
    return e;
}

JournalEntry secondCheque() {
    JournalEntry e;
    e.tags = FillTagStyle::NoTags;
    e.stubShown = true;
    e.stubDate = true;
    e.stubLines = {QStringLiteral(" "), QStringLiteral("Facture 42"), QString()};
    e.wordsLines = {QStringLiteral("*** Trois euros\u00A0******"), QStringLiteral("*********"),
                    QString()};
    e.currencyPlural = QStringLiteral("euros");
    e.figures = QStringLiteral("3,00");
    e.beneficiary = QStringLiteral("Él Martin");
    e.place = QStringLiteral("Saint-Rémy-de-Provence (13210)");
    e.date = QStringLiteral("31 décembre 2026");
    return e;
}

class ChequeRecorderTest : public ::testing::Test {
protected:
    ChequeRecorderTest() {
        tp.folders.CreateFolderUser();
        current.AffecteNumeroChqEtCpt(&bnp, true);
        current.setCurrent(2, QStringLiteral("FR76300"), QStringLiteral("0000999"));
        journal.setOn(true);
    }

    QString journalPath() const {
        return tp.folders.userFolder() + QStringLiteral("J_BNP-PARIBAS2.txt");
    }
    QString storedCheque(int account) const {
        return IniFile(tp.folders.settingsFilePath())
            .readString(u"CHOIX BANQUE", QStringLiteral("Cheque%1BNP").arg(account), {});
    }
    void printBoth() {
        recorder.recordPrintedCheque(firstCheque());
        tp.clock.time = QDateTime(QDate(2026, 12, 31), QTime(17, 5, 9));
        recorder.recordPrintedCheque(secondCheque());
    }

    TestPlatform tp;
    JournalFormatInfo bnp = bnpFormat();
    Journal journal{tp.platform()};
    CurrentAccount current{tp.platform()};
    ChequeRecorder recorder{tp.platform(), journal, current};
};

TEST_F(ChequeRecorderTest, TwoPrintsWriteTheJournalByteForByteAndAdvanceTheNumber) {
    printBoth();
    EXPECT_EQ(contents(journalPath()), fixture());
    EXPECT_EQ(current.chequeNumber(), QStringLiteral("0001001"));
    EXPECT_EQ(storedCheque(2), QStringLiteral("0001001"));
    EXPECT_EQ(recorder.NbrChqPrint(), 2);
    // Only the first print created the journal and said so.
    ASSERT_EQ(tp.dialogs.calls().size(), 1u);
    EXPECT_EQ(tp.dialogs.calls()[0].text,
              QStringLiteral("Le journal nommé J_BNP-PARIBAS2.txt vient d'être créé suivant ce "
                             "chemin :\r\n\r\n") +
                  QDir::toNativeSeparators(journalPath()));
}

TEST_F(ChequeRecorderTest, InvertedJournalPutsTheNewestEntryFirst) {
    journal.setInverted(true);
    printBoth();
    const QByteArray expected = fixture();
    const qsizetype second = expected.indexOf("       \xC9"
                                              "DIT\xC9",
                                              1);
    ASSERT_GT(second, 0);
    EXPECT_EQ(contents(journalPath()), expected.mid(second) + expected.left(second));
}

TEST_F(ChequeRecorderTest, JournalOffStillCreatesTheEmptyJournalAndAdvances) {
    journal.setOn(false);
    const PrintedChequeOutcome outcome = recorder.recordPrintedCheque(firstCheque());
    EXPECT_FALSE(outcome.journalError);
    EXPECT_FALSE(outcome.numberError);
    ASSERT_TRUE(QFile::exists(journalPath()));
    EXPECT_EQ(contents(journalPath()), QByteArray());
    ASSERT_EQ(tp.dialogs.calls().size(), 1u);
    EXPECT_TRUE(tp.dialogs.calls()[0].text.startsWith(
        QStringLiteral("Le journal nommé J_BNP-PARIBAS2.txt vient d'être créé")));
    EXPECT_EQ(storedCheque(2), QStringLiteral("0001000"));
}

TEST_F(ChequeRecorderTest, SingleJournalIsCreatedSilently) {
    journal.setSingle(true);
    recorder.recordPrintedCheque(firstCheque());
    EXPECT_TRUE(tp.dialogs.calls().empty());
    EXPECT_EQ(contents(tp.folders.userFolder() + QStringLiteral("Journal.txt")),
              fixture().left(fixture().indexOf("       \xC9"
                                               "DIT\xC9",
                                               1)));
    EXPECT_FALSE(QFile::exists(journalPath()));
}

TEST_F(ChequeRecorderTest, EmptyChequePanelStaysEmptyAndIsStoredEmpty) {
    QFile::remove(tp.folders.settingsFilePath());
    IniFile(tp.folders.settingsFilePath())
        .writeString(u"CHOIX BANQUE", u"Cheque2BNP", QStringLiteral("555"));
    current.setCurrent(2, QStringLiteral("FR76300"), QString());
    recorder.recordPrintedCheque(firstCheque());
    EXPECT_EQ(current.chequeNumber(), QString());
    EXPECT_TRUE(
        IniFile(tp.folders.settingsFilePath()).load().valueExists(u"CHOIX BANQUE", u"Cheque2BNP"));
    EXPECT_EQ(storedCheque(2), QString());
}

TEST_F(ChequeRecorderTest, NoFormatCountsThePrintOnly) {
    current.AffecteNumeroChqEtCpt(nullptr, true);
    const PrintedChequeOutcome outcome = recorder.recordPrintedCheque(firstCheque());
    EXPECT_FALSE(outcome.journalError || outcome.numberError);
    EXPECT_EQ(recorder.NbrChqPrint(), 1);
    EXPECT_TRUE(QDir(tp.folders.userFolder()).entryList({QStringLiteral("J_*")}).isEmpty());
}

// A disk that fills up while the journal is rewritten: the child may write only small files,
// enough for the settings file but not for the journal.
TEST_F(ChequeRecorderTest, JournalThatCannotBeWrittenStaysIntactWhileTheNumberAdvances) {
    const QByteArray old = fixture();
    {
        QFile f(journalPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{256, 256};
        setrlimit(RLIMIT_FSIZE, &limit);
        const PrintedChequeOutcome outcome = recorder.recordPrintedCheque(firstCheque());
        const bool named = outcome.journalError &&
                           outcome.journalError->contains(QStringLiteral("J_BNP-PARIBAS2.txt"));
        const bool shown =
            !tp.dialogs.calls().empty() && tp.dialogs.calls().back().icon == DialogIcon::Error;
        _exit(named && shown && !outcome.numberError && recorder.NbrChqPrint() == 1 ? 7 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7) << "the journal failure must be reported, naming the file";
    EXPECT_EQ(contents(journalPath()), old);
    EXPECT_EQ(QDir(tp.folders.userFolder()).entryList({QStringLiteral("J_*")}),
              QStringList{QStringLiteral("J_BNP-PARIBAS2.txt")});
    EXPECT_EQ(storedCheque(2), QStringLiteral("0001000"));
}

TEST_F(ChequeRecorderTest, MissingUserFolderReportsBothFailuresAndStillCounts) {
    ASSERT_TRUE(QDir(tp.folders.userFolder()).removeRecursively());
    const PrintedChequeOutcome outcome = recorder.recordPrintedCheque(firstCheque());
    ASSERT_TRUE(outcome.journalError);
    EXPECT_TRUE(outcome.journalError->contains(QStringLiteral("J_BNP-PARIBAS2.txt")));
    ASSERT_TRUE(outcome.numberError);
    EXPECT_TRUE(outcome.numberError->contains(QStringLiteral("Quilcfg.ini")));
    EXPECT_EQ(current.chequeNumber(), QStringLiteral("0001000"));
    EXPECT_EQ(recorder.NbrChqPrint(), 1);
    EXPECT_EQ(tp.soundOutput.cues(),
              (QStringList{QStringLiteral("Son004"), QStringLiteral("Son004")}));
}

TEST_F(ChequeRecorderTest, ChequePanelThatIsNotANumberIsReportedAndLeftAlone) {
    IniFile(tp.folders.settingsFilePath())
        .writeString(u"CHOIX BANQUE", u"Cheque2BNP", QStringLiteral("kept"));
    current.setCurrent(2, QStringLiteral("FR76300"), QStringLiteral("12A"));
    const PrintedChequeOutcome outcome = recorder.recordPrintedCheque(firstCheque());
    ASSERT_TRUE(outcome.numberError);
    EXPECT_TRUE(outcome.numberError->contains(QStringLiteral("« 12A »")));
    EXPECT_EQ(current.chequeNumber(), QStringLiteral("12A"));
    EXPECT_EQ(storedCheque(2), QStringLiteral("kept"));
    EXPECT_EQ(recorder.NbrChqPrint(), 1);
}

TEST_F(ChequeRecorderTest, SettingsKeepTheSwitchesAndTheCounter) {
    IniDocument settings;
    journal.setSingle(true);
    journal.setInverted(true);
    recorder.recordPrintedCheque(firstCheque());
    journal.save(settings);
    recorder.save(settings);
    current.save(settings);

    TestPlatform other;
    Journal reloaded(other.platform());
    CurrentAccount reloadedAccount(other.platform());
    ChequeRecorder reloadedRecorder(other.platform(), reloaded, reloadedAccount);
    reloaded.load(settings);
    reloadedRecorder.load(settings);
    reloadedAccount.load(settings);
    EXPECT_TRUE(reloaded.isOn());
    EXPECT_TRUE(reloaded.isSingle());
    EXPECT_TRUE(reloaded.isInverted());
    EXPECT_EQ(reloaded.activationText(), QStringLiteral("Journal activé"));
    EXPECT_EQ(reloadedRecorder.NbrChqPrint(), 1);
    EXPECT_EQ(reloadedAccount.account(), 2);
    EXPECT_EQ(reloadedAccount.chequeNumber(), QStringLiteral("0001000"));
    EXPECT_EQ(reloadedAccount.accountNumber(), QStringLiteral("FR76300"));
}

TEST(JournalSwitches, MissingInvertKeyLeavesTheSwitchAsItIs) {
    TestPlatform tp;
    Journal journal(tp.platform());
    journal.setInverted(true);
    journal.load(IniDocument::fromBytes("[SHOW]\r\nJournal=0\r\n"));
    EXPECT_TRUE(journal.isInverted());
    EXPECT_FALSE(journal.isOn());
    EXPECT_EQ(journal.activationText(), QStringLiteral("Journal non activé"));
    journal.load(IniDocument::fromBytes("[SHOW]\r\nInvertJournal=0\r\n"));
    EXPECT_FALSE(journal.isInverted());
}

} // namespace
