#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs quilmet-cli with a user folder of its own, holding the given settings (if any).
class WordsCommand : public ::testing::Test {
protected:
    void writeSettings(const char* text) {
        const QString folder = m_home.path() + QStringLiteral("/data/Quilmet");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/Quilcfg.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp1252::encode(QString::fromUtf8(text)));
    }

    CliRun run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUILMET_CLI_PATH), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_home;
};

const QString kMarker = QStringLiteral("\u00A0***\n");

TEST_F(WordsCommand, WritesTheAmountWithTheDefaultSettings) {
    struct Case {
        QStringList args;
        QString words;
    } cases[] = {
        {{QStringLiteral("1234,5")},
         QStringLiteral("*** MILLE DEUX CENT TRENTE-QUATRE EUROS ET CINQUANTE CENTIMES")},
        {{QStringLiteral("--minuscules"), QStringLiteral("1234.5")},
         QStringLiteral("*** Mille deux cent trente-quatre euros et cinquante centimes")},
        {{QStringLiteral("0"), QStringLiteral("--minuscules")}, QStringLiteral("*** Zéro euro")},
        {{QStringLiteral("200000000"), QStringLiteral("--minuscules")},
         QStringLiteral("*** Deux cents millions d'euros")},
        {{QStringLiteral("91"), QStringLiteral("--septante")},
         QStringLiteral("*** NONANTE ET UN EUROS")},
        {{QStringLiteral("12,5"), QStringLiteral("--trois-decimales")},
         QStringLiteral("*** DOUZE EUROS ET CINQ CENTS CENTIMES")},
        {{QStringLiteral("2147483647"), QStringLiteral("--minuscules")},
         QStringLiteral("*** Deux milliards cent quarante-sept millions quatre cent "
                        "quatre-vingt-trois mille six cent quarante-sept euros")},
    };
    for (const Case& c : cases) {
        const CliRun r = run(QStringList{QStringLiteral("mots")} + c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.words + kMarker);
    }
}

TEST_F(WordsCommand, RefusedDecimalsAreDroppedWithTheirMessage) {
    const CliRun r =
        run({QStringLiteral("mots"), QStringLiteral("12,5"), QStringLiteral("--sans-decimales")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("*** DOUZE EUROS") + kMarker);
    EXPECT_TRUE(r.err.contains(QStringLiteral("L'option de refus des décimales est activée.")));
}

TEST_F(WordsCommand, UsesTheUserSettingsThatFlagsOverride) {
    writeSettings("[SHOW]\r\nUMonaie=franc\r\nUMonaieS=francs\r\nSeptante=1\r\nFontMaj=0\r\n"
                  "Preposition=de\r\n");
    CliRun r = run({QStringLiteral("mots"), QStringLiteral("71")});
    EXPECT_EQ(r.out, QStringLiteral("*** Septante et un francs") + kMarker);
    r = run({QStringLiteral("mots"), QStringLiteral("1000000")});
    EXPECT_EQ(r.out, QStringLiteral("*** Un million de francs") + kMarker);

    writeSettings("[SHOW]\r\nThreeDecimal=1\r\n");
    r = run({QStringLiteral("mots"), QStringLiteral("1,5"), QStringLiteral("--minuscules")});
    EXPECT_EQ(r.out, QStringLiteral("*** Un euro et cinq cents centimes") + kMarker);
}

TEST_F(WordsCommand, RefusedAmountsExitWithStatusTwo) {
    struct Case {
        QString amount;
        QString message;
    } cases[] = {
        {QStringLiteral("3000000001"), QStringLiteral("EconvertError #2")},
        {QStringLiteral("3000000001,5"), QStringLiteral("EconvertError #1")},
        {QStringLiteral("12345678901"), QStringLiteral("EconvertError #3")},
        {QStringLiteral("12a"), QStringLiteral("« a »")},
        {QStringLiteral("12,345"), QStringLiteral("« 5 »")},
        {QStringLiteral("1,2,3"), QStringLiteral("« , »")},
        {QString(), QStringLiteral("Veuillez entrer un nombre d'abord !")},
    };
    for (const Case& c : cases) {
        const CliRun r = run({QStringLiteral("mots"), c.amount});
        EXPECT_EQ(r.exitCode, 2) << c.amount.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
}

TEST_F(WordsCommand, BadUsageExitsWithStatusTwo) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("mots")},
          QStringList{QStringLiteral("mots"), QStringLiteral("12"), QStringLiteral("--inconnu")},
          QStringList{QStringLiteral("mots"), QStringLiteral("12"),
                      QStringLiteral("--trois-decimales"), QStringLiteral("--sans-decimales")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST_F(WordsCommand, HelpListsTheCommand) {
    const CliRun r = run({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("mots MONTANT")));
}

} // namespace
