#include "formats/CurrentFormat.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "platform/IniDocument.h"
#include "support/TestPlatform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class CurrentFormatTest : public ::testing::Test {
protected:
    const BankFormatCatalogue& catalogue = BankFormatCatalogue::standard();
    TestPlatform test;
    FormatDisplayNames names{catalogue};
    CurrentFormat current{catalogue, names, test.dialogs, test.sounds};
};

} // namespace

TEST_F(CurrentFormatTest, StoredBanqueValuesOutsideTheCatalogueLeaveNoFormat) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {{"", 1},    {"0", 1},  {"1", 1},  {"2", 2},  {"13", 13},
                          {"27", 27}, {"28", 1}, {"40", 1}, {"-3", 1}, {"abc", 1}};
    for (const Case& c : cases) {
        current.load(IniDocument::fromBytes(QByteArray("[CHOIX BANQUE]\r\nBanque=") + c.stored));
        EXPECT_EQ(current.number(), c.expected) << c.stored;
        IniDocument saved;
        current.save(saved);
        EXPECT_EQ(saved.readInteger(u"CHOIX BANQUE", u"Banque", 0), c.expected) << c.stored;
    }
}

TEST_F(CurrentFormatTest, NoFormatShowsTheWelcomeEntryAndTheNoFormatIndicator) {
    EXPECT_FALSE(current.hasFormat());
    EXPECT_EQ(current.format(), nullptr);
    EXPECT_TRUE(current.welcomeEntryVisible());
    EXPECT_EQ(current.indicatorText(), u"AUCUN FORMAT SÉLECTIONNÉ");
}

TEST_F(CurrentFormatTest, InterfaceMakesTheFormatCurrentWithItsCaptionWithoutAmpersand) {
    names.setDisplayName(13, QStringLiteral("CA && &trois"));
    QSignalSpy selected(&current, &CurrentFormat::formatSelected);
    EXPECT_TRUE(current.Interface(13, {true, true}));
    EXPECT_EQ(current.number(), 13);
    EXPECT_EQ(current.format()->lineCount, 3);
    EXPECT_EQ(current.indicatorText(), u"CA  trois");
    EXPECT_FALSE(current.welcomeEntryVisible());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toInt(), 13);
    EXPECT_TRUE(selected[0][1].toBool());
    EXPECT_TRUE(test.dialogs.calls().empty());
}

TEST_F(CurrentFormatTest, InterfaceIsRefusedWhileTheBackOfTheChequeIsShown) {
    current.Interface(7, {});
    QSignalSpy refused(&current, &CurrentFormat::selectionRefusedOnBack);
    QSignalSpy selected(&current, &CurrentFormat::formatSelected);
    EXPECT_FALSE(current.Interface(25, {false, true}));
    EXPECT_EQ(current.number(), 7);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(selected.count(), 0);
    ASSERT_EQ(test.dialogs.calls().size(), 1u);
    const auto& box = test.dialogs.calls()[0];
    EXPECT_EQ(box.kind, RecordingDialogs::Kind::PassingBox);
    EXPECT_EQ(box.title, u"Onglet non autorisé...");
    EXPECT_EQ(box.text, u"L'ouverture de cet onglet n'est pas autorisé en étant sur l'interface "
                        u"du dos de chèques.");
    EXPECT_EQ(box.passing.rounds, 101);
    EXPECT_EQ(box.passing.waitMs, 20);
    EXPECT_EQ(box.passing.width, 550);
    EXPECT_EQ(box.passing.height, 127);
    EXPECT_TRUE(box.passing.okButton);
}

TEST_F(CurrentFormatTest, BqDefautClickLeavesNoFormatAndAsksForTheChoice) {
    current.Interface(7, {});
    QSignalSpy choice(&current, &CurrentFormat::formatChoiceRequested);
    current.BqDefautClick(true); // the choice is already open
    EXPECT_EQ(current.number(), 7);
    EXPECT_EQ(choice.count(), 0);

    current.BqDefautClick(false);
    EXPECT_EQ(current.number(), CurrentFormat::kNoFormat);
    EXPECT_EQ(choice.count(), 1);
    EXPECT_EQ(test.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
}
