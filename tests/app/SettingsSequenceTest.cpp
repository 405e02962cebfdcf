#include "app/SettingsSequence.h"

#include "app/ClosingKeys.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsSequenceTest : public ::testing::Test {
protected:
    QByteArray saved() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void put(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Quilcfg.ini"));
    IniFile file{path};
};

TEST_F(SettingsSequenceTest, FirstStartWritesTheMarkersAndCloseWritesEveryKeyInOrder) {
    SettingsSequence sequence;
    const auto result = sequence.load(file);
    EXPECT_TRUE(result.firstStart);
    EXPECT_FALSE(result.journalRenamingDue);
    EXPECT_EQ(saved(), QByteArray("[PRINT]\r\nMigr4To5=1\r\n[PASSING]\r\nV6=1\r\n"));

    ASSERT_TRUE(sequence.save(file));
    const IniDocument doc = file.load();
    EXPECT_EQ(doc.readString(u"PASSING", u"V6", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readInteger(u"PRINT", u"Migr4To5", 0), 1);
    expectEveryClosingKeyInOrder(doc);
    EXPECT_EQ(doc.readString(u"SAISIE LIEU", u"Lieu", {}), QStringLiteral("Villeneuve la Vieille"));
    EXPECT_EQ(doc.readString(u"SHOW", u"Devise", {}), QStringLiteral("€"));
    EXPECT_EQ(doc.readString(u"SHOW", u"AngleTOString", {}), QStringLiteral("CHÈQUE ANNULÉ"));
    EXPECT_EQ(doc.readString(u"PRINT", u"BtnHidePrint", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"SHOW", u"FontMaj", {}), QStringLiteral("1"));
}

TEST_F(SettingsSequenceTest, LaterStartsKeepTheirMarkersAndAskForJournalRenamingWithoutV6) {
    put("[PRINT]\r\nTags=2\r\n[PATH]\r\nProgr1Name=Calc\r\n");
    SettingsSequence sequence;
    const auto result = sequence.load(file);
    EXPECT_FALSE(result.firstStart);
    EXPECT_FALSE(result.migrationMarked);
    EXPECT_TRUE(result.journalRenamingDue);
    EXPECT_EQ(saved(), QByteArray("[PRINT]\r\nTags=2\r\n[PATH]\r\nProgr1Name=Calc\r\n"));
}

TEST_F(SettingsSequenceTest, UnboundKeysKeepWhatWasLoadedAndBoundKeysTalkToTheirModel) {
    put("[SHOW]\r\nUMonaie=franc\r\nFontMaj=0\r\nVerifMaJ=1\r\n[PRINT]\r\nBtnHidePrint=1\r\n"
        "[RTF]\r\npolit_2=\r\n[SOUCHESUP]\r\nLibel2=absent sans Libel1\r\n[FUTUR]\r\nCle=gard\xE9"
        "e\r\n");
    SettingsSequence sequence;
    bool capitals = true;
    sequence.bind(
        QStringLiteral("SHOW"), QStringLiteral("FontMaj"), [&] { return QVariant(capitals); },
        [&](const QVariant& v) { capitals = v.toBool(); });
    sequence.load(file);
    EXPECT_FALSE(capitals);
    EXPECT_EQ(sequence.value(QStringLiteral("SHOW"), QStringLiteral("UMonaie")),
              QStringLiteral("franc"));
    EXPECT_EQ(sequence.value(QStringLiteral("PRINT"), QStringLiteral("BtnHidePrint")), false);
    EXPECT_EQ(sequence.value(QStringLiteral("RTF"), QStringLiteral("polit_2")),
              QStringLiteral("Recevez, Madame, Monsieur, mes sincères salutations."));
    EXPECT_EQ(sequence.value(QStringLiteral("SOUCHESUP"), QStringLiteral("Libel2")),
              QStringLiteral("Recevez ce chèque de $som$ à l'ordre de $ben$ en date du $date$."));

    capitals = true;
    ASSERT_TRUE(sequence.save(file));
    const IniDocument doc = file.load();
    EXPECT_EQ(doc.readString(u"SHOW", u"FontMaj", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"SHOW", u"UMonaie", {}), QStringLiteral("franc"));
    EXPECT_EQ(doc.readString(u"SHOW", u"VerifMaJ", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"PRINT", u"BtnHidePrint", {}), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"FUTUR", u"Cle", {}), QStringLiteral("gardée"));
}

TEST_F(SettingsSequenceTest, BlocksLoadAndSaveInTheirPlace) {
    SettingsSequence sequence;
    QStringList seen;
    sequence.bindOwner(
        QStringLiteral("positions"), [&](const IniDocument&) { seen << QStringLiteral("load"); },
        [&](IniDocument& d) { d.writeInteger(u"BANQUES", u"Edit1Bq", 47); });
    int steps = 0;
    sequence.load(file, [&](int) { ++steps; });
    EXPECT_EQ(seen, QStringList{QStringLiteral("load")});
    EXPECT_GT(steps, 20);
    ASSERT_TRUE(sequence.save(file));
    const IniDocument doc = file.load();
    EXPECT_EQ(doc.sections().mid(0, 3),
              (QStringList{QStringLiteral("PRINT"), QStringLiteral("PASSING"),
                           QStringLiteral("BANQUES")}));
}

} // namespace

namespace {

TEST_F(SettingsSequenceTest, AModelLoadsOnceAndItsKeysAreSavedEachInItsPlace) {
    SettingsSequence sequence;
    int loads = 0;
    int mode = 0;
    sequence.bindOwner(
        QStringLiteral("print modes"),
        [&](const IniDocument& d) {
            ++loads;
            mode = d.readInteger(u"PRINT", u"Orientation", 1);
        },
        [&](IniDocument& d) {
            d.writeInteger(u"PRINT", u"Orientation", mode);
            d.writeString(u"PRINT", u"LaserXmm", QStringLiteral("70"));
            d.writeString(u"PICTOPOSPRINT", u"PictoLaser", QStringLiteral("R"));
        });
    sequence.load(file);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(mode, 1);
    mode = 5;
    ASSERT_TRUE(sequence.save(file));
    const IniDocument doc = file.load();
    EXPECT_EQ(doc.readInteger(u"PRINT", u"Orientation", 0), 5);
    EXPECT_EQ(doc.readString(u"PRINT", u"LaserXmm", {}), QStringLiteral("70"));
    EXPECT_EQ(doc.sections().last(), QStringLiteral("PICTOPOSPRINT"));
    const QStringList print = doc.keys(u"PRINT");
    EXPECT_LT(print.indexOf(QStringLiteral("LaserXmm")),
              print.indexOf(QStringLiteral("Orientation")));
    EXPECT_LT(print.indexOf(QStringLiteral("Orientation")),
              print.indexOf(QStringLiteral("YesDecimal")));
}

} // namespace
