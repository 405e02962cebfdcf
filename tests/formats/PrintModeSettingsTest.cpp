#include "formats/PrintModeSettings.h"

#include "platform/IniDocument.h"
#include "support/TestPlatform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using enum PrintMode;

namespace {

class PrintModeSettingsTest : public ::testing::Test {
protected:
    TestPlatform test;
    PrintModeSettings settings{test.dialogs, test.sounds};

    void load(const QByteArray& file) { settings.load(IniDocument::fromBytes(file)); }
};

} // namespace

TEST_F(PrintModeSettingsTest, StoredOrientationSelectsTheModeOrTheHorizontalOne) {
    struct Case {
        const char* stored;
        PrintMode mode;
    };
    const Case cases[] = {{"", PrintHorizontal},  {"0", PrintHorizontal}, {"1", PrintHorizontal},
                          {"2", PrintVertical},   {"3", PrintCentral},    {"4", PrintCenterLaser},
                          {"5", PrintVertical2},  {"6", PrintA4Bas},      {"7", PrintVertical3},
                          {"9", PrintHorizontal}, {"x", PrintHorizontal}};
    for (const Case& c : cases) {
        settings.setMode(PrintVertical3);
        load(QByteArray("[PRINT]\r\nOrientation=") + c.stored);
        EXPECT_EQ(settings.mode(), c.mode) << c.stored;
        IniDocument saved;
        settings.save(saved);
        EXPECT_EQ(saved.readInteger(u"PRINT", u"Orientation", 0), int(c.mode)) << c.stored;
    }
}

TEST_F(PrintModeSettingsTest, OffsetsLoadFromTheirCrossedKeysAndSaveAsIntegers) {
    load("[PRINT]\r\nVerticalXmm=100\r\nVerticalX2mm=abc\r\nVerticalX3mm=\r\nLaserXmm=7\r\n"
         "LaserYmm= 8 \r\nA4BasXmm=2.5\r\nA4BasYmm=-3\r\n");
    EXPECT_EQ(settings.offset(ModeOffset::EditStdX), 100);
    EXPECT_EQ(settings.offset(ModeOffset::EditVertical2), 64); // unreadable: factory value
    EXPECT_EQ(settings.offset(ModeOffset::EditVertical3), 0);
    EXPECT_EQ(settings.offset(ModeOffset::EditLaserL), 7); // LaserXmm is the laser Y offset
    EXPECT_EQ(settings.offset(ModeOffset::EditLaserH), 8);
    EXPECT_EQ(settings.offset(ModeOffset::EditA4BasL), 35);
    EXPECT_EQ(settings.offset(ModeOffset::EditA4BasH), -3);

    IniDocument saved;
    settings.save(saved);
    EXPECT_EQ(saved.readString(u"PRINT", u"VerticalXmm", {}), u"100");
    EXPECT_EQ(saved.readString(u"PRINT", u"VerticalX2mm", {}), u"64");
    EXPECT_EQ(saved.readString(u"PRINT", u"LaserXmm", {}), u"7");
    EXPECT_EQ(saved.readString(u"PRINT", u"LaserYmm", {}), u"8");
    EXPECT_EQ(saved.readString(u"PRINT", u"A4BasXmm", {}), u"35");
}

TEST_F(PrintModeSettingsTest, FactoryOffsetsWhenNothingIsStored) {
    load({});
    for (const ModeOffsetInfo& info : ModeOffsets::all()) {
        EXPECT_EQ(settings.offset(info.offset), info.factory) << info.key;
        EXPECT_EQ(ModeOffsets{}.value(info.offset), info.factory) << info.key;
    }
    IniDocument saved;
    settings.save(saved);
    EXPECT_EQ(saved.readString(u"PRINT", u"VerticalXmm", {}), u"129");
    EXPECT_EQ(saved.readString(u"PRINT", u"VerticalX2mm", {}), u"64");
    EXPECT_EQ(saved.readString(u"PRINT", u"VerticalX3mm", {}), u"0");
    EXPECT_EQ(saved.readString(u"PRINT", u"LaserYmm", {}), u"121");
    EXPECT_EQ(saved.readString(u"PRINT", u"LaserXmm", {}), u"64");
    EXPECT_EQ(saved.readString(u"PRINT", u"A4BasXmm", {}), u"35");
    EXPECT_EQ(saved.readString(u"PRINT", u"A4BasYmm", {}), u"215");
}

TEST_F(PrintModeSettingsTest, DefaultButtonsAreEnabledOnlyAwayFromTheFactoryOffsets) {
    load("[PRINT]\r\nLaserXmm=65\r\nA4BasYmm=215\r\n");
    settings.DisableBtnParDefaut();
    EXPECT_FALSE(settings.defaultButtonEnabled(OffsetButton::BtnDefautStd));
    EXPECT_FALSE(settings.defaultButtonEnabled(OffsetButton::BtnVerti2));
    EXPECT_FALSE(settings.defaultButtonEnabled(OffsetButton::BtnVerti3));
    EXPECT_TRUE(settings.defaultButtonEnabled(OffsetButton::BtnDefautLaser));
    EXPECT_FALSE(settings.defaultButtonEnabled(OffsetButton::BtnA4Bas));
}

TEST_F(PrintModeSettingsTest, DefaultButtonQuestionRestoresOnOuiAndKeepsOnNon) {
    struct Case {
        OffsetButton button;
        ModeOffset changed;
        const char* ending;
    };
    const Case cases[] = {
        {OffsetButton::BtnDefautStd, ModeOffset::EditStdX, "LA VALEUR Y D'ORIGINE ?"},
        {OffsetButton::BtnVerti3, ModeOffset::EditVertical3, "LA VALEUR Y D'ORIGINE ?"},
        {OffsetButton::BtnDefautLaser, ModeOffset::EditLaserL, "LA VALEUR X ET Y D'ORIGINE ?"},
        {OffsetButton::BtnA4Bas, ModeOffset::EditA4BasL, "LA VALEUR X ET Y D'ORIGINE ?"},
    };
    for (const Case& c : cases) {
        settings.setOffset(c.changed, 99);
        settings.DisableBtnParDefaut();
        test.dialogs.clear();
        test.dialogs.script(DialogButton::No);
        settings.DefaultButtonClick(c.button);
        EXPECT_EQ(settings.offset(c.changed), 99);
        EXPECT_TRUE(settings.defaultButtonEnabled(c.button));

        test.dialogs.script(DialogButton::Yes);
        settings.DefaultButtonClick(c.button);
        EXPECT_EQ(settings.offset(c.changed), ModeOffsets::info(c.changed).factory);
        EXPECT_FALSE(settings.defaultButtonEnabled(c.button));

        ASSERT_EQ(test.dialogs.calls().size(), 2u);
        const auto& question = test.dialogs.calls()[0];
        EXPECT_EQ(question.title, u"Votre attention s'il vous plaît...");
        EXPECT_EQ(question.text, PrintModeSettings::offsetAdviceText() +
                                     QStringLiteral("SOUHAITEZ-VOUS REMETTRE ") +
                                     QString::fromUtf8(c.ending));
        EXPECT_EQ(question.icon, DialogIcon::Warning);
        EXPECT_EQ(question.defaultButton, DialogButton::No);
    }
}

TEST_F(PrintModeSettingsTest, AnOffsetChangeAdvisesOnceAndAnEmptiedFieldGetsItsFactoryValue) {
    settings.DisableBtnParDefaut();
    QSignalSpy changes(&settings, &PrintModeSettings::offsetChanged);
    settings.OffsetChange(ModeOffset::EditA4BasH, QStringLiteral("200"));
    ASSERT_EQ(test.dialogs.calls().size(), 1u);
    EXPECT_EQ(test.dialogs.calls()[0].title, u"Votre attention s'il vous plaît...");
    EXPECT_EQ(test.dialogs.calls()[0].text, PrintModeSettings::offsetAdviceText());
    EXPECT_TRUE(settings.defaultButtonEnabled(OffsetButton::BtnA4Bas));

    settings.OffsetChange(ModeOffset::EditA4BasL, QString());
    EXPECT_EQ(test.dialogs.calls().size(), 1u); // same button, already enabled
    EXPECT_EQ(settings.offset(ModeOffset::EditA4BasL), 35);
    EXPECT_EQ(settings.offset(ModeOffset::EditA4BasH), 200);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][1].toInt(), 35); // the emptied field shows 35 again
}

TEST_F(PrintModeSettingsTest, PictureFlagsAreTurnedByRAndAppliedOnlyWhenPresent) {
    settings.ImgDblClick(PrintVertical2);
    EXPECT_TRUE(settings.pictureTurned(PrintVertical2));
    EXPECT_EQ(test.soundOutput.cues(), QStringList{QStringLiteral("Son003")});

    load("[PICTOPOSPRINT]\r\nPictoDefaut=R\r\nPictoA4Pre=r\r\nPictoLaser=\r\n");
    EXPECT_TRUE(settings.pictureTurned(PrintHorizontal));
    EXPECT_FALSE(settings.pictureTurned(PrintA4Bas));
    EXPECT_FALSE(settings.pictureTurned(PrintCenterLaser));
    EXPECT_TRUE(settings.pictureTurned(PrintVertical2)); // key absent: kept

    IniDocument saved;
    settings.save(saved);
    EXPECT_EQ(saved.keys(u"PICTOPOSPRINT").size(), 7);
    EXPECT_EQ(saved.readString(u"PICTOPOSPRINT", u"PictoDefaut", {}), u"R");
    EXPECT_EQ(saved.readString(u"PICTOPOSPRINT", u"PictoVerti2", {}), u"R");
    EXPECT_EQ(saved.readString(u"PICTOPOSPRINT", u"PictoVerti3", QStringLiteral("?")), u"");

    settings.ImgDblClick(PrintVertical2);
    EXPECT_FALSE(settings.pictureTurned(PrintVertical2));
}

TEST(PrintMode, ModesHaveTheirMenuOrderCaptionsAndIndicatorTexts) {
    const auto order = printModesInMenuOrder();
    const std::vector<PrintMode> expected{PrintHorizontal, PrintVertical,    PrintVertical2,
                                          PrintVertical3,  PrintCenterLaser, PrintCentral,
                                          PrintA4Bas};
    EXPECT_EQ(std::vector<PrintMode>(order.begin(), order.end()), expected);
    EXPECT_STREQ(printModeInfo(PrintA4Bas).caption, "Impression basse A4 sur préimprimé ");
    EXPECT_STREQ(printModeInfo(PrintA4Bas).indicator, "Impression A4 sur préimprimé");
    EXPECT_STREQ(printModeInfo(PrintVertical3).pictureKey, "PictoVerti3");
    EXPECT_STREQ(printModeInfo(PrintCentral).menuEntry, "PrintCentral");
    EXPECT_FALSE(printModeFromStored(0).has_value());
    EXPECT_FALSE(printModeFromStored(8).has_value());
    EXPECT_EQ(printModeFromStored(4), PrintCenterLaser);
}
