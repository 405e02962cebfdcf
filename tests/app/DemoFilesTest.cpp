#include "app/DemoFiles.h"

#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DemoFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(t.folders.CreateFolderUser(), std::nullopt); }
    TestPlatform t;
    DemoFiles demo{t.platform()};
};

TEST_F(DemoFilesTest, CopiesFromTheCommonFolderWithoutOverwriting) {
    put(t.folders.commonDataFolder() + QStringLiteral("Serie_Auto.txt"), "commun");
    put(t.folders.commonDataFolder() + QStringLiteral("Notes.txt"), "notes communes");
    put(t.folders.userFolder() + QStringLiteral("Notes.txt"), "mes notes");
    demo.CopyFileSerieAuto(true);
    demo.CopyFileNotes();
    EXPECT_EQ(contents(t.folders.userFolder() + QStringLiteral("Serie_Auto.txt")),
              QByteArray("commun"));
    EXPECT_EQ(contents(t.folders.userFolder() + QStringLiteral("Notes.txt")),
              QByteArray("mes notes"));
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_TRUE(t.soundOutput.played.empty());
}

TEST_F(DemoFilesTest, MissingEverywhereShowsTheBoxWithAlert) {
    demo.CopyFileNotes();
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    const auto& box = t.dialogs.calls()[0];
    EXPECT_EQ(box.title, QStringLiteral("Quilmet et son fichier Notes.txt..."));
    EXPECT_EQ(box.icon, DialogIcon::Information);
    EXPECT_EQ(
        box.text,
        QStringLiteral("   FICHIER MANQUANT\r\n\r\nLe fichier Notes.txt est absent en :\r\n\r\n") +
            QDir::toNativeSeparators(t.folders.DonnePathUser() + QStringLiteral("/Quilmet/")));
    EXPECT_EQ(t.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
}

TEST_F(DemoFilesTest, SeriesAndHeaderAreAnnouncedOnlyWhileNoSeriesFileIsChosen) {
    demo.CopyFileSerieAuto(false);
    demo.CopyFileEntete(false);
    EXPECT_TRUE(t.dialogs.calls().empty());
    demo.CopyFileSerieAuto(true);
    demo.CopyFileEntete(true);
    EXPECT_EQ(t.dialogs.titles(),
              (QStringList{QStringLiteral("Quilmet et son fichier Serie_Auto.txt..."),
                           QStringLiteral("Quilmet et son fichier Entete.rtf...")}));
    EXPECT_TRUE(t.dialogs.calls()[0].text.startsWith(
        QStringLiteral("   FICHIER MANQUANT\r\n\r\nLe fichier Serie_Auto.txt de démonstration est "
                       "absent en :\r\n\r\n")));
    EXPECT_TRUE(t.dialogs.calls()[1].text.contains(
        QStringLiteral("Le fichier Entete.rtf de démonstration est absent en :")));
}

} // namespace
