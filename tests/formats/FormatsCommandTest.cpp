#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode;
    QStringList lines;
};

// Runs quilmet-cli with its data folder (and so its settings file) in `home`.
CliRun runCli(const QString& home, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILMET_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

} // namespace

TEST(FormatsCommand, ListsTheFormatsWithTheUsersNamesAndPositions) {
    QTemporaryDir home;
    QDir().mkpath(home.path() + QStringLiteral("/data/Quilmet"));
    QFile settings(home.path() + QStringLiteral("/data/Quilmet/Quilcfg.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    // cp1252: "Crédit" with the byte 0xE9.
    settings.write("[NOMS BANQUES]\r\nBNP=Cr\xE9"
                   "dit &Test\r\n[BANQUES]\r\nBNP1=50\r\nBNP2=abc\r\n");
    settings.close();

    const CliRun run = runCli(home.path(), {QStringLiteral("formats")});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 26);
    EXPECT_EQ(run.lines[0], QStringLiteral("2\tAx\tAXA Banque\t1=42 2=4 3=7 4=132 5=85 6=131 7=23 "
                                           "8=28 9=33 10=32 11=40 12=40 13=75 14=110 16=104"));
    EXPECT_EQ(run.lines[2].section(u'\t', 0, 2), u"4\tK\tBanque Kolb");
    EXPECT_TRUE(run.lines[2].endsWith(u"14=125 16=120"));
    EXPECT_TRUE(run.lines[5].startsWith(u"7\tBNP\tCrédit Test\t1=50 2=0 3=5 "));
    EXPECT_TRUE(run.lines[11].endsWith(u"15=73 16=110 30=46 31=32"));
    EXPECT_EQ(run.lines[25].section(u'\t', 0, 2), u"27\tCESU\tChèque Emploi Service Universel");
}

TEST(FormatsCommand, WorksWithoutASettingsFile) {
    QTemporaryDir home;
    const CliRun run = runCli(home.path(), {QStringLiteral("formats")});
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 26);
    EXPECT_TRUE(run.lines[6].startsWith(u"8\tCEE\tCaisse d'Épargne Écureuil\t"));
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/data/Quilmet/Quilcfg.ini")));
}
