#include "formats/FormatPositions.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "platform/IniDocument.h"
#include "support/TestPlatform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr int kKolb = 4;
constexpr int kCaisseEpargne = 8;
constexpr int kBnp = 7;

class FormatPositionsTest : public ::testing::Test {
protected:
    const BankFormatCatalogue& catalogue = BankFormatCatalogue::standard();
    TestPlatform test;
    FormatDisplayNames names{catalogue};
    FormatPositions positions{catalogue, names, test.dialogs};

    void startWith(const QByteArray& settingsFile) {
        const IniDocument document = IniDocument::fromBytes(settingsFile);
        names.load(document);
        positions.load(document);
        positions.DisableBtnParDefaut();
    }
};

} // namespace

TEST_F(FormatPositionsTest, FirstStartShowsKolbLengthsAndRestoresTheFactoryOnesOnOui) {
    startWith({});
    EXPECT_EQ(positions.value(kKolb, 14), 125);
    EXPECT_EQ(positions.value(kKolb, 16), 120);
    EXPECT_TRUE(positions.defaultButtonEnabled(kKolb));
    EXPECT_EQ(positions.value(kCaisseEpargne, 14), 120);
    EXPECT_TRUE(positions.defaultButtonEnabled(kCaisseEpargne));
    for (const BankFormat& format : catalogue.formats()) {
        if (format.number != kKolb && format.number != kCaisseEpargne) {
            EXPECT_FALSE(positions.defaultButtonEnabled(format.number)) << format.number;
        }
    }

    QSignalSpy redraws(&positions, &FormatPositions::chequeRedrawRequested);
    test.dialogs.script(DialogButton::Yes);
    positions.BtnParDefautClick(kKolb);

    ASSERT_EQ(test.dialogs.calls().size(), 1u);
    const auto& question = test.dialogs.calls()[0];
    EXPECT_EQ(question.title, u"Votre attention s'il vous plaît...");
    EXPECT_EQ(question.text, QStringLiteral("Souhaitez-vous remettre les réglages d'origines de ce "
                                            "format de chèque\r\nBanque Kolb en cours ?"));
    EXPECT_EQ(question.icon, DialogIcon::Warning);
    EXPECT_EQ(question.buttons, (QList<DialogButton>{DialogButton::Yes, DialogButton::No}));
    EXPECT_EQ(question.defaultButton, DialogButton::No);
    EXPECT_EQ(positions.value(kKolb, 14), 113);
    EXPECT_EQ(positions.value(kKolb, 16), 100);
    EXPECT_FALSE(positions.defaultButtonEnabled(kKolb));
    EXPECT_EQ(redraws.count(), 1);
}

TEST_F(FormatPositionsTest, AnsweringNonKeepsThePositionsAndTheButton) {
    startWith({});
    QSignalSpy redraws(&positions, &FormatPositions::chequeRedrawRequested);
    test.dialogs.script(DialogButton::No);
    positions.BtnParDefautClick(kKolb);
    EXPECT_EQ(positions.value(kKolb, 14), 125);
    EXPECT_TRUE(positions.defaultButtonEnabled(kKolb));
    EXPECT_EQ(redraws.count(), 1);
}

TEST_F(FormatPositionsTest, ReadsTextAndKeepsValuesThatAreNotWholeNumbersOrOutOfRangeSane) {
    startWith("[BANQUES]\r\nBNP1=50\r\nBNP2=abc\r\nBNP3=\r\nBNP4= 140 \r\nBNP5=12.5\r\n"
              "bnp7=\"30\"\r\nBNP13=500\r\nBNP14=-4\r\nBNP15=77\r\n");
    EXPECT_EQ(positions.value(kBnp, 1), 50);
    EXPECT_EQ(positions.value(kBnp, 2), 0);
    EXPECT_EQ(positions.value(kBnp, 3), 0);
    EXPECT_EQ(positions.value(kBnp, 4), 140);
    EXPECT_EQ(positions.value(kBnp, 5), 0);
    EXPECT_EQ(positions.value(kBnp, 7), 30);
    EXPECT_EQ(positions.value(kBnp, 13), 170);
    EXPECT_EQ(positions.value(kBnp, 14), 0);
    EXPECT_EQ(positions.value(kBnp, 15), 0); // BNP has no line 3
    EXPECT_EQ(positions.value(kBnp, 16), 114);
    EXPECT_TRUE(positions.defaultButtonEnabled(kBnp));

    IniDocument saved;
    positions.save(saved);
    EXPECT_EQ(saved.readString(u"BANQUES", u"BNP2", {}), u"0");
    EXPECT_EQ(saved.readString(u"BANQUES", u"BNP5", {}), u"0");
    EXPECT_EQ(saved.readString(u"BANQUES", u"BNP4", {}), u"140");
    EXPECT_EQ(saved.readString(u"BANQUES", u"BNP13", {}), u"170");
    EXPECT_FALSE(saved.valueExists(u"BANQUES", u"BNP15"));
    EXPECT_EQ(saved.readString(u"BANQUES", u"CA3L31", {}), u"32");
    EXPECT_EQ(saved.readString(u"BANQUES", u"BK14", {}), u"125");
    EXPECT_EQ(saved.keys(u"BANQUES").size(), 25 * 15 + 18);
}

TEST_F(FormatPositionsTest, SavedPositionsLoadBackUnchanged) {
    startWith({});
    positions.setValue(13, 31, 44);
    positions.setValue(21, 1, 9);
    IniDocument saved;
    positions.save(saved);

    FormatPositions reloaded(catalogue, names, test.dialogs);
    reloaded.load(saved);
    for (const BankFormat& format : catalogue.formats())
        EXPECT_EQ(reloaded.positions(format.number), positions.positions(format.number));
}

TEST_F(FormatPositionsTest, FirstChangeAfterFactoryValuesShowsTheAdviceOnce) {
    startWith({});
    QSignalSpy changes(&positions, &FormatPositions::positionChanged);
    QSignalSpy redraws(&positions, &FormatPositions::chequeRedrawRequested);

    positions.EditBqChange(kBnp, 1, QStringLiteral("48"));
    ASSERT_EQ(test.dialogs.calls().size(), 1u);
    EXPECT_EQ(test.dialogs.calls()[0].title, u"Format de chèques en cours : BNP PARIBAS");
    EXPECT_EQ(test.dialogs.calls()[0].text, FormatPositions::adviceText());
    EXPECT_EQ(test.dialogs.calls()[0].icon, DialogIcon::Information);
    EXPECT_TRUE(positions.defaultButtonEnabled(kBnp));
    EXPECT_EQ(positions.value(kBnp, 1), 48);

    positions.EditBqChange(kBnp, 7, QStringLiteral("23"));
    EXPECT_EQ(test.dialogs.calls().size(), 1u);
    EXPECT_EQ(redraws.count(), 2);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(FormatPositionsTest, AnEmptiedFieldBecomesZero) {
    startWith({});
    QSignalSpy changes(&positions, &FormatPositions::positionChanged);
    positions.EditBqChange(kKolb, 1, QString());
    EXPECT_EQ(positions.value(kKolb, 1), 0);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][2].toInt(), 0);
    // Kolb's button was already enabled: no advice.
    EXPECT_TRUE(test.dialogs.calls().empty());

    positions.EditBqChange(kKolb, 1, QString()); // already 0: the field still shows "0"
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(FormatPositionsTest, ChangesToFieldsAFormatLacksAreIgnored) {
    startWith({});
    positions.EditBqChange(kBnp, 30, QStringLiteral("5"));
    positions.EditBqChange(40, 1, QStringLiteral("5"));
    EXPECT_TRUE(test.dialogs.calls().empty());
    EXPECT_FALSE(positions.defaultButtonEnabled(kBnp));
}

TEST_F(FormatPositionsTest, TheAdviceAndQuestionNameTheRenamedFormatWithoutAmpersand) {
    startWith("[NOMS BANQUES]\r\nBNP=Ma &BNP\r\n");
    positions.EditBqChange(kBnp, 1, QStringLiteral("48"));
    EXPECT_EQ(test.dialogs.calls()[0].title, u"Format de chèques en cours : Ma BNP");
}

TEST(FormatDisplayNames, LoadsRenamesAndSavesTheDisplayNames) {
    const BankFormatCatalogue& catalogue = BankFormatCatalogue::standard();
    FormatDisplayNames names(catalogue);
    EXPECT_EQ(names.displayName(8), u"Caisse d'Épargne Écureuil");
    names.load(IniDocument::fromBytes("[NOMS BANQUES]\r\nbnp=Ma & Banque\r\nCMu=  \r\n"));
    EXPECT_EQ(names.displayName(7), u"Ma & Banque");
    EXPECT_EQ(names.caption(7), u"Ma  Banque");
    EXPECT_EQ(names.displayName(18), u"Crédit Mutuel"); // a blank name keeps the catalogue's
    EXPECT_EQ(names.displayName(1), QString());

    IniDocument saved;
    names.save(saved);
    EXPECT_EQ(saved.keys(u"NOMS BANQUES").size(), 26);
    EXPECT_EQ(saved.readString(u"NOMS BANQUES", u"BNP", {}), u"Ma & Banque");
    EXPECT_EQ(saved.readString(u"NOMS BANQUES", u"SG_", {}), u"Société Générale [--]");
}
