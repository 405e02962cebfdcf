#include "core/AmountWordsText.h"
#include "core/ChequeFaceFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(MajusculesBox, ChangesTheCaseOfTheVisibleLinesAtOnce) {
    ChequeFaceFixture f;
    f.lines.setText(1, QStringLiteral("*** Zéro euro et quatre-vingt-dix-sept"));
    f.lines.setText(2, QStringLiteral("centimes ***"));
    f.wording.cbFontMajClick(true);
    EXPECT_EQ(f.lines.text(1), QStringLiteral("*** ZÉRO EURO ET QUATRE-VINGT-DIX-SEPT"));
    EXPECT_EQ(f.lines.text(2), QStringLiteral("CENTIMES ***"));
    EXPECT_TRUE(f.wording.options().majuscules);

    f.wording.cbFontMajClick(false);
    EXPECT_EQ(f.lines.text(1), QStringLiteral("*** zéro euro et quatre-vingt-dix-sept"));
    EXPECT_FALSE(f.wording.options().majuscules);
}

TEST(MajusculesBox, KeepsTheLastWordsUntilTheNextConversion) {
    ChequeFaceFixture f;
    f.entry.setAmountText(QStringLiteral("2"));
    ASSERT_TRUE(f.wording.Convertir());
    f.wording.cbFontMajClick(true);
    EXPECT_EQ(f.wording.EditPioche(), QStringLiteral("*** Deux euros") + kClosingMarker);
    ASSERT_TRUE(f.wording.Convertir());
    EXPECT_EQ(f.wording.EditPioche(), QStringLiteral("*** DEUX EUROS") + kClosingMarker);
}

TEST(MajusculesBox, BeforeTheWindowIsShownOnlyTheOptionChanges) {
    ChequeFaceFixture f;
    f.entry.setMainWindowShown(false);
    f.lines.setText(1, QStringLiteral("*** Deux"));
    f.wording.cbFontMajClick(true);
    EXPECT_EQ(f.lines.text(1), QStringLiteral("*** Deux"));
    EXPECT_TRUE(f.wording.options().majuscules);
}

TEST(SpecificitesBox, AppliesFromTheNextConversionAndFocusesTheAmount) {
    ChequeFaceFixture f;
    bool focused = false;
    QObject::connect(&f.entry, &ChequeEntry::focusRequested,
                     [&focused](EntryField field) { focused = field == EntryField::Amount; });
    f.entry.setAmountText(QStringLiteral("90"));
    f.wording.BelgicismeClick(true);
    EXPECT_TRUE(focused);
    ASSERT_TRUE(f.wording.Convertir());
    EXPECT_EQ(f.wording.EditPioche(), QStringLiteral("*** Nonante euros") + kClosingMarker);
}

struct DefaultButtonCase {
    AmountWording::DefaultWords which;
    void (AmountWording::*click)();
};

TEST(DefaultWordButtons, AskFirstThenRestoreAndDisableThemselves) {
    const DefaultButtonCase cases[] = {
        {AmountWording::DefaultWords::Unit, &AmountWording::BtnDefautMonaieClick},
        {AmountWording::DefaultWords::SubUnit, &AmountWording::BtnDefaut100MonaieClick},
        {AmountWording::DefaultWords::Preposition, &AmountWording::btnRemiseDefautPrepClick},
    };
    for (const DefaultButtonCase& c : cases) {
        WordingOptions options = ChequeFaceFixture::lowerCaseDefaults();
        options.unitSingular = QStringLiteral("franc");
        options.unitPlural = QStringLiteral("francs");
        options.subUnitSingular = QStringLiteral("rappen");
        options.subUnitPlural = QStringLiteral("rappens");
        options.preposition = QStringLiteral("de");
        ChequeFaceFixture f(options);

        (f.wording.*c.click)(); // no answer scripted: the default, No
        ASSERT_EQ(f.t.dialogs.calls().size(), 1u);
        const RecordingDialogs::Call& question = f.t.dialogs.calls()[0];
        EXPECT_EQ(question.title, QStringLiteral("Votre attention s'il vous plaît..."));
        EXPECT_EQ(question.text, AmountWording::kDefaultWordsQuestion);
        EXPECT_EQ(question.icon, DialogIcon::Warning);
        EXPECT_EQ(question.buttons, (QList<DialogButton>{DialogButton::Yes, DialogButton::No}));
        EXPECT_EQ(question.defaultButton, DialogButton::No);
        EXPECT_EQ(f.wording.options().unitPlural, QStringLiteral("francs"));
        EXPECT_TRUE(f.wording.isDefaultButtonEnabled(c.which));

        f.t.dialogs.script(DialogButton::Yes);
        (f.wording.*c.click)();
        EXPECT_FALSE(f.wording.isDefaultButtonEnabled(c.which));
        const WordingOptions now = f.wording.options();
        switch (c.which) {
        case AmountWording::DefaultWords::Unit:
            EXPECT_EQ(now.unitSingular, QStringLiteral("euro"));
            EXPECT_EQ(now.unitPlural, QStringLiteral("euros"));
            EXPECT_EQ(now.preposition, QStringLiteral("de"));
            f.wording.setUnitPlural(QStringLiteral("écus"));
            break;
        case AmountWording::DefaultWords::SubUnit:
            EXPECT_EQ(now.subUnitSingular, QStringLiteral("centime"));
            EXPECT_EQ(now.subUnitPlural, QStringLiteral("centimes"));
            f.wording.setSubUnitSingular(QStringLiteral("cent"));
            break;
        case AmountWording::DefaultWords::Preposition:
            EXPECT_EQ(now.preposition, QStringLiteral("d'"));
            EXPECT_EQ(now.unitPlural, QStringLiteral("francs"));
            f.wording.setPreposition(QStringLiteral("des"));
            break;
        }
        EXPECT_TRUE(f.wording.isDefaultButtonEnabled(c.which));
    }
}

TEST(DefaultWordButtons, ValidateCaptionBackToValider) {
    ChequeFaceFixture f;
    f.wording.setValidateCaption(QStringLiteral("Convertir la somme")); // cut to 10
    EXPECT_EQ(f.wording.options().validateCaption, QStringLiteral("Convertir "));
    f.wording.BtnRemiseDefautSigneEuroClick();
    EXPECT_EQ(f.wording.options().validateCaption, QStringLiteral("Convertir "));
    f.t.dialogs.script(DialogButton::Yes);
    f.wording.BtnRemiseDefautSigneEuroClick();
    EXPECT_EQ(f.wording.options().validateCaption, QStringLiteral("Valider"));
    ASSERT_EQ(f.t.dialogs.calls().size(), 2u);
    EXPECT_EQ(f.t.dialogs.calls()[1].title, QStringLiteral("Libellé par défaut..."));
    EXPECT_EQ(f.t.dialogs.calls()[1].text,
              QStringLiteral("Souhaitez-vous remettre le libellé d'origine ?"));
    EXPECT_EQ(f.t.dialogs.calls()[1].defaultButton, DialogButton::No);
}

TEST(DefaultWordButtons, WordFieldsKeepTheirLengthLimits) {
    ChequeFaceFixture f;
    f.wording.setUnitSingular(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    f.wording.setPreposition(QStringLiteral("d'un"));
    EXPECT_EQ(f.wording.options().unitSingular, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(f.wording.options().preposition, QStringLiteral("d'u"));
}

} // namespace
