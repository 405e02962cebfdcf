#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Quilcfg.ini"));
};

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndFirstWriteCreatesIt) {
    IniFile ini(path);
    EXPECT_EQ(ini.readString(u"SAISIE LIEU", u"Lieu", QStringLiteral("Villeneuve la Vieille")),
              QStringLiteral("Villeneuve la Vieille"));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(ini.writeString(u"SAISIE LIEU", u"Lieu", QStringLiteral("Évreux")));
    EXPECT_EQ(contents(path), QByteArray("[SAISIE LIEU]\r\nLieu=\xC9vreux\r\n"));
}

TEST_F(IniFileTest, TwoWritersOneAfterTheOtherKeepEachOthersKeys) {
    IniFile mainWindow(path);
    IniFile stubWindow(path);
    ASSERT_TRUE(mainWindow.writeBool(u"SHOW", u"Wav", true));
    ASSERT_TRUE(stubWindow.writeString(u"SOUCHESUP", u"Libel1", QStringLiteral("Loyer")));
    ASSERT_TRUE(mainWindow.writeInteger(u"SHOW", u"Datage", 2));
    const IniDocument doc = IniFile(path).load();
    EXPECT_TRUE(doc.readBool(u"SHOW", u"Wav", false));
    EXPECT_EQ(doc.readString(u"SOUCHESUP", u"Libel1", {}), QStringLiteral("Loyer"));
    EXPECT_EQ(doc.readInteger(u"SHOW", u"Datage", 0), 2);
}

TEST_F(IniFileTest, EraseAndDeleteReachTheDisk) {
    put(path, "[LISTBENEF]\r\nLB0=a\r\n[SHOW]\r\nWav=1\r\nDatage=2\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.eraseSection(u"LISTBENEF"));
    ASSERT_TRUE(ini.deleteKey(u"SHOW", u"Wav"));
    EXPECT_EQ(contents(path), QByteArray("[SHOW]\r\nDatage=2\r\n"));
}

TEST_F(IniFileTest, FailedSaveNamesTheFileInFrench) {
    IniFile ini(dir.filePath(QStringLiteral("absent/Quilcfg.ini")));
    EXPECT_FALSE(ini.writeBool(u"SHOW", u"Wav", true));
    EXPECT_TRUE(ini.errorString().contains(QStringLiteral("Quilcfg.ini")));
    EXPECT_TRUE(ini.errorString().contains(QStringLiteral("n'a pas pu être enregistré")));
}

// A disk that fills up mid-write: the child may write only a few bytes per file.
TEST_F(IniFileTest, SaveThatRunsOutOfSpaceLeavesTheOldFileIntact) {
    const QByteArray old("[SHOW]\r\nWav=1\r\n");
    put(path, old);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        IniFile ini(path);
        const bool saved = ini.writeString(u"SHOW", u"Big", QString(4000, u'x'));
        _exit(saved ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the save must report its failure";
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Quilcfg.ini")});
}

// A writer killed at a random moment: the file is always one of the complete versions.
TEST_F(IniFileTest, WriterKilledMidSaveLeavesAWholeFile) {
    IniDocument a;
    IniDocument b;
    for (int i = 0; i < 3000; ++i) {
        a.writeString(u"DOS CHEQUE", QStringLiteral("Key%1").arg(i), QStringLiteral("version A"));
        b.writeString(u"DOS CHEQUE", QStringLiteral("Key%1").arg(i), QStringLiteral("version B!"));
    }
    const QByteArray bytesA = a.toBytes();
    const QByteArray bytesB = b.toBytes();
    put(path, bytesA);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            IniFile ini(path);
            for (;;) {
                ini.save(b);
                ini.save(a);
            }
        }
        usleep(20000 + attempt * 7000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QByteArray now = contents(path);
        EXPECT_TRUE(now == bytesA || now == bytesB) << "attempt " << attempt << ": " << now.size();
    }
}

} // namespace
