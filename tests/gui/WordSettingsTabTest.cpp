#include "core/WordFontCommands.h"
#include "gui/PanelTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(WordSettingsTabTest, CustomSizeChangeWhileTheDefaultFontIsCheckedShowsItsBox) {
    PanelFixture f;
    auto* fontDefault = f.find<QCheckBox>(QStringLiteral("cbFontDefaut"));
    auto* beneficiary = f.find<QSpinBox>(QStringLiteral("seSizeFontCustomB"));
    ASSERT_TRUE(fontDefault && beneficiary);
    EXPECT_TRUE(fontDefault->isChecked());
    EXPECT_EQ(beneficiary->value(), 12);
    EXPECT_EQ(f.find<QSpinBox>(QStringLiteral("seSizeFontCustomLD"))->maximum(), 18);
    EXPECT_EQ(f.find<QSpinBox>(QStringLiteral("seSizeFontCustomSTL"))->maximum(), 22);

    beneficiary->setValue(16);
    EXPECT_EQ(f.session.fontSettings().beneficiarySize, 16);
    ASSERT_EQ(f.tp.dialogs.calls().size(), 1u);
    EXPECT_EQ(f.tp.dialogs.calls().back().title, QStringLiteral("Fonte par défaut active..."));
    EXPECT_EQ(f.tp.dialogs.calls().back().text,
              QString::fromUtf8(WordFontCommands::kDefaultActiveText));

    fontDefault->click();
    EXPECT_FALSE(f.session.fontSettings().defaultFont);
    f.find<QSpinBox>(QStringLiteral("seSizeFontCustomSC"))->setValue(18);
    EXPECT_EQ(f.session.fontSettings().figuresSize, 18);
    EXPECT_EQ(f.tp.dialogs.calls().size(), 1u);
}

TEST(WordSettingsTabTest, LoadedFontSettingsReachTheTab) {
    PanelFixture f;
    WordFontSettings settings;
    settings.defaultFont = false;
    settings.wordsSize = 11;
    f.session.setFontSettings(settings);
    EXPECT_FALSE(f.find<QCheckBox>(QStringLiteral("cbFontDefaut"))->isChecked());
    EXPECT_EQ(f.find<QSpinBox>(QStringLiteral("seSizeFontCustomSTL"))->value(), 11);
    EXPECT_TRUE(f.tp.dialogs.calls().empty());
}

TEST(WordSettingsTabTest, DefaultWordButtonsFollowTheStartCheckAndTheEdits) {
    PanelFixture f;
    auto* unit = f.find<QPushButton>(QStringLiteral("BtnDefautMonaie"));
    auto* caption = f.find<QPushButton>(QStringLiteral("BtnRemiseDefautSigneEuro"));
    ASSERT_TRUE(unit && caption);
    EXPECT_FALSE(unit->isEnabled());
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("BtnDefaut100Monaie"))->isEnabled());
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("btnRemiseDefautPrep"))->isEnabled());
    EXPECT_FALSE(caption->isEnabled());

    auto* singular = f.find<QLineEdit>(QStringLiteral("EditMonaieSingul"));
    EXPECT_EQ(singular->text(), QStringLiteral("euro"));
    EXPECT_EQ(singular->maxLength(), 20);
    EXPECT_EQ(f.find<QLineEdit>(QStringLiteral("EditDoro"))->maxLength(), 3);
    singular->selectAll();
    QTest::keyClicks(singular, QStringLiteral("franc"));
    EXPECT_EQ(f.session.wording().options().unitSingular, QStringLiteral("franc"));
    EXPECT_TRUE(unit->isEnabled());

    f.tp.dialogs.script(DialogButton::Yes);
    unit->click();
    EXPECT_EQ(singular->text(), QStringLiteral("euro"));
    EXPECT_FALSE(unit->isEnabled());

    auto* validate = f.find<QLineEdit>(QStringLiteral("EditEuro2"));
    validate->selectAll();
    QTest::keyClicks(validate, QStringLiteral("OK"));
    EXPECT_TRUE(caption->isEnabled());
    f.tp.dialogs.script(DialogButton::Yes);
    caption->click();
    EXPECT_EQ(validate->text(), QStringLiteral("Valider"));
    EXPECT_FALSE(caption->isEnabled());
}

TEST(WordSettingsTabTest, StartCheckOfTheWordingEnablesOnlyButtonsWithOwnWords) {
    PanelFixture f;
    WordingOptions options;
    options.preposition = QStringLiteral("de");
    f.session.wording().applyOptions(options);
    f.session.wording().DisableBtnParDefaut();
    using W = AmountWording::DefaultWords;
    EXPECT_FALSE(f.session.wording().isDefaultButtonEnabled(W::Unit));
    EXPECT_FALSE(f.session.wording().isDefaultButtonEnabled(W::SubUnit));
    EXPECT_TRUE(f.session.wording().isDefaultButtonEnabled(W::Preposition));
    EXPECT_TRUE(f.find<QPushButton>(QStringLiteral("btnRemiseDefautPrep"))->isEnabled());
}

TEST(WordSettingsTabTest, ControlTabsBindDecimalsDateStyleFillStyleAndJournalSwitches) {
    PanelFixture f;
    auto* noDecimal = f.find<QCheckBox>(QStringLiteral("cbNoDecimal"));
    auto* three = f.find<QCheckBox>(QStringLiteral("cb3decimal"));
    three->click();
    EXPECT_EQ(f.session.entry().decimalMode(), DecimalMode::Three);
    noDecimal->click();
    EXPECT_EQ(f.session.entry().decimalMode(), DecimalMode::None);
    EXPECT_FALSE(three->isChecked());

    f.find<QRadioButton>(QStringLiteral("DatageTirets"))->click();
    EXPECT_EQ(f.session.entry().dateStyle(), 3);

    f.find<QCheckBox>(QStringLiteral("cbReset"))->click();
    EXPECT_TRUE(f.session.entry().resetZones());

    EXPECT_TRUE(f.find<QRadioButton>(QStringLiteral("rbTagsChars"))->isChecked());
    f.find<QRadioButton>(QStringLiteral("rbTags"))->click();
    EXPECT_EQ(f.session.fitting().fillStyle(), FillStyle::NoTags);

    f.find<QCheckBox>(QStringLiteral("cbJournalUnique"))->click();
    EXPECT_TRUE(f.session.journal().isSingle());
    f.find<QCheckBox>(QStringLiteral("cbInversEcritures"))->click();
    EXPECT_TRUE(f.session.journal().isInverted());
    EXPECT_EQ(f.find<QLabel>(QStringLiteral("lblActivationU"))->text(),
              QStringLiteral("Journal non activé"));
    f.session.journal().setOn(true);
    EXPECT_EQ(f.find<QLabel>(QStringLiteral("lblActivationU"))->text(),
              QStringLiteral("Journal activé"));
    EXPECT_FALSE(f.find<QLabel>(QStringLiteral("LedU"))->isHidden());
}

} // namespace
