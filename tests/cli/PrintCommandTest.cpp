#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// quilmet-cli run as a user would, with a home folder of its own.
class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(userFolder()); }

    QString userFolder() const { return home.filePath(QStringLiteral(".local/share/Quilmet")); }
    QString settingsPath() const { return userFolder() + QStringLiteral("/Quilcfg.ini"); }
    QString journalPath() const { return userFolder() + QStringLiteral("/J_BNP-PARIBAS2.txt"); }

    void settings(const QByteArray& bytes) {
        QFile f(settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    int run(QStringList args) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(QUILMET_CLI_PATH), args);
        cli.waitForFinished(60000);
        out = QString::fromUtf8(cli.readAllStandardOutput());
        err = QString::fromUtf8(cli.readAllStandardError());
        return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    }

    int print(const QString& amount, const QString& pdf, QStringList extra = {}) {
        return run(QStringList{QStringLiteral("imprimer"), QStringLiteral("--format"),
                               QStringLiteral("BNP"), QStringLiteral("--montant"), amount,
                               QStringLiteral("--beneficiaire"), QStringLiteral("Garage du Centre"),
                               QStringLiteral("--compte"), QStringLiteral("2"),
                               QStringLiteral("--pdf"), home.filePath(pdf)} +
                   extra);
    }

    QString journal() const {
        QFile f(journalPath());
        return f.open(QIODevice::ReadOnly) ? cp1252::decode(f.readAll()) : QString();
    }

    QTemporaryDir home;
    QString out;
    QString err;
};

const QByteArray kBnpAccount2 =
    "[SHOW]\r\nJournal=1\r\n[CHOIX BANQUE]\r\nCompte2BNP=12345678901\r\nCheque2BNP=0000999\r\n";

TEST_F(PrintCommand, TwoChequesGoToTheAccountsJournalAndAdvanceTheNumberKeepingItsWidth) {
    settings(kBnpAccount2);
    ASSERT_EQ(print(QStringLiteral("1234,5"), QStringLiteral("un.pdf")), 0) << err.toStdString();
    EXPECT_EQ(out.trimmed(), QDir::toNativeSeparators(home.filePath(QStringLiteral("un.pdf"))));
    ASSERT_EQ(print(QStringLiteral("80"), QStringLiteral("deux.pdf")), 0) << err.toStdString();

    const QString text = journal();
    EXPECT_EQ(text.count(QStringLiteral("IMPRIMÉ SUR CE CHÈQUE")), 2);
    const qsizetype first = text.indexOf(QStringLiteral("Chèque n° 0000999"));
    const qsizetype second = text.indexOf(QStringLiteral("Chèque n° 0001000"));
    ASSERT_GE(first, 0);
    EXPECT_GT(second, first);
    EXPECT_TRUE(
        text.contains(QStringLiteral("MILLE DEUX CENT TRENTE-QUATRE EUROS ET CINQUANTE CENTIMES")));
    EXPECT_TRUE(text.contains(QStringLiteral("QUATRE-VINGTS EUROS")));
    EXPECT_TRUE(text.contains(QStringLiteral("Compte 2 BNP PARIBAS n° 12345678901")));
    EXPECT_FALSE(text.contains(QStringLiteral("\n")) && !text.contains(QStringLiteral("\r\n")));

    const IniDocument doc = IniFile(settingsPath()).load();
    EXPECT_EQ(doc.readString(u"CHOIX BANQUE", u"Cheque2BNP", {}), QStringLiteral("0001001"));
    EXPECT_EQ(doc.readInteger(u"SHOW", u"NbrChqPrint", 0), 2);

    const auto words = readPdfWords(home.filePath(QStringLiteral("deux.pdf")));
    QStringList printed;
    for (const PdfWord& w : words)
        printed << w.text;
    EXPECT_TRUE(printed.contains(QStringLiteral("QUATRE-VINGTS")))
        << printed.join(u' ').toStdString();
    EXPECT_EQ(printed.filter(QRegularExpression(QStringLiteral("^\\*\\*\\*80,00\\*+$"))).size(), 1)
        << printed.join(u' ').toStdString();
}

TEST_F(PrintCommand, InvertedJournalPutsTheNewestChequeFirst) {
    settings(kBnpAccount2 + "[SHOW]\r\n");
    IniFile(settingsPath()).writeBool(u"SHOW", u"InvertJournal", true);
    ASSERT_EQ(print(QStringLiteral("10"), QStringLiteral("un.pdf")), 0) << err.toStdString();
    ASSERT_EQ(print(QStringLiteral("20"), QStringLiteral("deux.pdf")), 0) << err.toStdString();
    const QString text = journal();
    EXPECT_LT(text.indexOf(QStringLiteral("Chèque n° 0001000")),
              text.indexOf(QStringLiteral("Chèque n° 0000999")));
}

TEST_F(PrintCommand, TrialPrintsWithoutRecording) {
    settings(kBnpAccount2);
    ASSERT_EQ(print(QStringLiteral("10"), QStringLiteral("essai.pdf"), {QStringLiteral("--essai")}),
              0)
        << err.toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("essai.pdf"))));
    EXPECT_FALSE(journal().contains(QStringLiteral("IMPRIMÉ")));
    EXPECT_EQ(IniFile(settingsPath()).readString(u"CHOIX BANQUE", u"Cheque2BNP", {}),
              QStringLiteral("0000999"));
}

struct RefusalCase {
    const char* name;
    std::vector<const char*> args;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class PrintCommandRefusal : public PrintCommand,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PrintCommandRefusal, ExitsWithTwoAndTheFrenchMessage) {
    const RefusalCase& c = GetParam();
    QStringList args{QStringLiteral("imprimer")};
    for (const char* a : c.args)
        args << (qstrcmp(a, "PDF") == 0 ? home.filePath(QStringLiteral("x.pdf"))
                                        : QString::fromUtf8(a));
    EXPECT_EQ(run(args), 2);
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("x.pdf"))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintCommandRefusal,
    ::testing::Values(
        RefusalCase{"unknownFormat",
                    {"--format", "XYZ", "--montant", "12", "--beneficiaire", "A", "--pdf", "PDF"},
                    "Format bancaire inconnu : XYZ"},
        RefusalCase{"letterInAmount",
                    {"--format", "BNP", "--montant", "12a", "--beneficiaire", "A", "--pdf", "PDF"},
                    "Montant refusé"},
        RefusalCase{"noBeneficiary",
                    {"--format", "7", "--montant", "12", "--pdf", "PDF"},
                    "Le bénéficiaire, le lieu et la date doivent être remplis."},
        RefusalCase{"emptyPlace",
                    {"--format", "BNP", "--montant", "12", "--beneficiaire", "A", "--lieu", "",
                     "--pdf", "PDF"},
                    "Le bénéficiaire, le lieu et la date doivent être remplis."},
        RefusalCase{"noSuchAccount",
                    {"--format", "BNP", "--montant", "12", "--beneficiaire", "A", "--compte", "5",
                     "--pdf", "PDF"},
                    "n'a pas de compte 5"},
        RefusalCase{"badMode",
                    {"--format", "BNP", "--montant", "12", "--beneficiaire", "A", "--mode", "8",
                     "--pdf", "PDF"},
                    "Valeur refusée pour --mode : 8"},
        RefusalCase{"missingPdf", {"--format", "BNP", "--montant", "12"}, "sont obligatoires"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintCommand, JournalCommandNamesTheCurrentFormatsAndAccountsFile) {
    settings("[CHOIX BANQUE]\r\nBanque=7\r\nCompte=2\r\n");
    ASSERT_EQ(run({QStringLiteral("journal")}), 0) << err.toStdString();
    EXPECT_EQ(out.trimmed(), QDir::toNativeSeparators(journalPath()));
    settings("");
    EXPECT_EQ(run({QStringLiteral("journal")}), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Aucun format bancaire n'est choisi.")));
}

} // namespace
