#include "platform/LazySoundOutput.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Sounds, EveryCueHasAGeneratedFile) {
    TestPlatform t;
    for (int c = 0; c <= static_cast<int>(Cue::Ring10); ++c)
        t.sounds.play(static_cast<Cue>(c));
    EXPECT_EQ(
        t.soundOutput.cues(),
        (QStringList{QStringLiteral("Son000"), QStringLiteral("Son001"), QStringLiteral("Son002"),
                     QStringLiteral("Son003"), QStringLiteral("Son004"), QStringLiteral("Son005"),
                     QStringLiteral("Son006"), QStringLiteral("Son007"), QStringLiteral("Son008"),
                     QStringLiteral("Son009"), QStringLiteral("Son010"), QStringLiteral("Son011"),
                     QStringLiteral("Alarm05"), QStringLiteral("Alarm08"), QStringLiteral("Ring06"),
                     QStringLiteral("Ring08"), QStringLiteral("Ring10")}));
}

TEST(Sounds, MuteSilencesEveryCue) {
    TestPlatform t;
    t.sounds.setMuted(true);
    for (int c = 0; c <= static_cast<int>(Cue::Ring10); ++c)
        t.sounds.play(static_cast<Cue>(c));
    EXPECT_TRUE(t.soundOutput.played.empty());
}

TEST(Sounds, HoverCuesNeverInterruptAnotherSound) {
    TestPlatform t;
    t.soundOutput.playing = true;
    t.sounds.play(Cue::Son008);
    t.sounds.play(Cue::Son009);
    t.sounds.play(Cue::Son002);
    EXPECT_EQ(t.soundOutput.cues(), QStringList{QStringLiteral("Son002")});
}

TEST(Sounds, MissingWavFolderIsSilentAndQuiet) {
    RecordingSoundOutput output;
    QTemporaryDir empty;
    Sounds sounds(output, empty.filePath(QStringLiteral("Wav")));
    sounds.play(Cue::Son000);
    EXPECT_TRUE(output.played.empty());
}

TEST(NoSoundClick, SwitchingOffIsSilentAndSwitchingOnPlaysOneAlertBeforeTheBox) {
    TestPlatform t;
    t.sounds.NoSoundClick(t.dialogs);
    EXPECT_TRUE(t.sounds.isMuted());
    EXPECT_TRUE(t.soundOutput.played.empty());
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    const auto& off = t.dialogs.calls()[0];
    EXPECT_EQ(off.kind, RecordingDialogs::Kind::PassingBox);
    EXPECT_EQ(off.title, QStringLiteral("Gestion des ressources sonores..."));
    EXPECT_EQ(off.text, QStringLiteral("\r\nLes ressources sonores sont neutralisées."));
    EXPECT_EQ(off.passing.rounds, 201);
    EXPECT_EQ(off.passing.height, 110);
    EXPECT_FALSE(off.passing.okButton);

    t.sounds.NoSoundClick(t.dialogs);
    EXPECT_FALSE(t.sounds.isMuted());
    EXPECT_EQ(t.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
    EXPECT_EQ(t.dialogs.calls()[1].text,
              QStringLiteral("\r\nLes ressources sonores sont replacées."));
}

struct EraseCase {
    bool shown;
    const char* amount;
    bool noDecimal;
    bool threeDecimal;
    bool sounds;
};

void PrintTo(const EraseCase& c, std::ostream* out) {
    *out << (c.shown ? "shown " : "not shown ") << c.amount << (c.noDecimal ? " noDecimal" : "")
         << (c.threeDecimal ? " threeDecimal" : "");
}

class WavIfSomme : public ::testing::TestWithParam<EraseCase> {};

TEST_P(WavIfSomme, PlaysOnlyWhenTheFieldHoldsMoreThanTheZeroOfItsMode) {
    const EraseCase& c = GetParam();
    TestPlatform t;
    t.sounds.WavIfSomme(c.shown, QString::fromUtf8(c.amount), c.noDecimal, c.threeDecimal);
    EXPECT_EQ(t.soundOutput.cues(),
              c.sounds ? QStringList{QStringLiteral("Son003")} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Cases, WavIfSomme,
                         ::testing::Values(EraseCase{false, "12,50", false, false, false},
                                           EraseCase{true, "0,00", false, false, false},
                                           EraseCase{true, "12,50", false, false, true},
                                           EraseCase{true, "0,000", false, true, false},
                                           EraseCase{true, "12,500", false, true, true},
                                           EraseCase{true, "0,00", false, true, true},
                                           EraseCase{true, "0", true, false, false},
                                           EraseCase{true, "0,00", true, false, true}));

} // namespace

namespace {

// The program finds its sound module beside itself; a module that is missing or lacks its
// factory would leave every user without sound and no message.
TEST(LazySoundOutput, FindsTheSoundModuleBesideTheProgram) {
    QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                    QLatin1String(LazySoundOutput::kModuleName));
    EXPECT_NE(module.resolve("createQuilmetSoundOutput"), nullptr)
        << module.errorString().toStdString();
}

} // namespace
