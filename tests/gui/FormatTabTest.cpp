#include "formats/BankFormatCatalogue.h"
#include "formats/FormatPages.h"
#include "formats/FormatPositions.h"
#include "gui/PanelTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString kAdviceTitle = QStringLiteral("Format de chèques en cours : ");

int messagesTitled(const RecordingDialogs& dialogs, const QString& prefix) {
    int count = 0;
    for (const auto& call : dialogs.calls())
        count += call.title.startsWith(prefix) ? 1 : 0;
    return count;
}

TEST(FormatTabTest, FirstStartShowsKolbStartValuesAndItsDefaultButtonRestoresTheFactoryOnes) {
    PanelFixture f;
    auto* length2 = f.find<QSpinBox>(QStringLiteral("Edit14BqK"));
    auto* beneficiary = f.find<QSpinBox>(QStringLiteral("Edit16BqK"));
    auto* button = f.find<QPushButton>(QStringLiteral("BtnKParDefaut"));
    ASSERT_TRUE(length2 && beneficiary && button);
    EXPECT_EQ(length2->value(), 125);
    EXPECT_EQ(beneficiary->value(), 120);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(f.find<QPushButton>(QStringLiteral("BtnBNPParDefaut"))->isEnabled());

    f.tp.dialogs.script(DialogButton::No);
    button->click();
    EXPECT_EQ(length2->value(), 125);
    EXPECT_TRUE(button->isEnabled());

    f.tp.dialogs.script(DialogButton::Yes);
    button->click();
    EXPECT_EQ(length2->value(), 113);
    EXPECT_EQ(beneficiary->value(), 100);
    EXPECT_FALSE(button->isEnabled());
    const auto& question = f.tp.dialogs.calls().back();
    EXPECT_EQ(question.title, QStringLiteral("Votre attention s'il vous plaît..."));
    EXPECT_EQ(question.defaultButton, DialogButton::No);
    EXPECT_TRUE(question.text.contains(QStringLiteral("Banque Kolb")));
}

TEST(FormatTabTest, FirstChangeOfAFactoryFormatShowsTheAdviceOnceAndEnablesItsButton) {
    PanelFixture f;
    auto* spin = f.find<QSpinBox>(QStringLiteral("Edit1BqBNP"));
    PanelFixture::retype(spin, QStringLiteral("50"));
    EXPECT_EQ(f.session.positions().value(7, 1), 50);
    EXPECT_EQ(messagesTitled(f.tp.dialogs, kAdviceTitle), 1);
    EXPECT_EQ(f.tp.dialogs.calls().back().title, kAdviceTitle + QStringLiteral("BNP PARIBAS"));
    EXPECT_TRUE(f.find<QPushButton>(QStringLiteral("BtnBNPParDefaut"))->isEnabled());

    PanelFixture::retype(spin, QStringLiteral("51"));
    EXPECT_EQ(messagesTitled(f.tp.dialogs, kAdviceTitle), 1);
}

TEST(FormatTabTest, AnEmptiedFieldBecomesZero) {
    PanelFixture f;
    auto* spin = f.find<QSpinBox>(QStringLiteral("Edit13BqCA3L"));
    PanelFixture::retype(spin, QString());
    EXPECT_EQ(spin->text(), QStringLiteral("0"));
    EXPECT_EQ(f.session.positions().value(13, 13), 0);
}

TEST(FormatTabTest, ModelChangesReachTheSpinEditsAndRangesFollowTheFields) {
    PanelFixture f;
    f.session.positions().setValue(2, 4, 150);
    auto* figures = f.find<QSpinBox>(QStringLiteral("Edit4BqAx"));
    EXPECT_EQ(figures->value(), 150);
    EXPECT_EQ(figures->maximum(), 170);
    EXPECT_EQ(f.find<QSpinBox>(QStringLiteral("Edit1BqAx"))->maximum(), 99);
    EXPECT_EQ(f.find<QSpinBox>(QStringLiteral("Edit7BqAx"))->maximum(), 70);
    // Only the three-line format has fields 15, 30 and 31.
    EXPECT_TRUE(f.find<QSpinBox>(QStringLiteral("Edit31BqCA3L")));
    EXPECT_FALSE(f.find<QSpinBox>(QStringLiteral("Edit31BqCA")));
}

TEST(FormatTabTest, EveryFormatHasItsTabOnItsPageAndCanBeBroughtToTheFront) {
    PanelFixture f;
    const BankFormatCatalogue& catalogue = f.session.catalogue();
    for (const BankFormat& format : catalogue.formats()) {
        SCOPED_TRACE(format.formatTab.toStdString());
        QWidget* page = f.find<QWidget>(FormatPages::pageName(catalogue, format.number));
        ASSERT_TRUE(page);
        EXPECT_TRUE(page->findChild<QPushButton*>(format.defaultButton));
        for (int field : format.fieldNumbers())
            EXPECT_TRUE(page->findChild<QSpinBox*>(format.editName(field)));
        FormatPages::bringToFront(*f.pages, catalogue, format.number);
        EXPECT_EQ(f.pages->currentWidget(), page);
        EXPECT_EQ(FormatPages::shownFormat(page), format.number);
    }
    EXPECT_EQ(FormatPages::shownFormat(f.find<QWidget>(QStringLiteral("OngletPreferences"))), 0);
}

TEST(FormatTabTest, RenamedFormatsShowTheirCaptionWithoutAmpersand) {
    PanelFixture f;
    f.session.formatNames().setDisplayName(7, QStringLiteral("Ma &banque"));
    QTabWidget* inner = FormatPages::innerTabs(f.find<QWidget>(QStringLiteral("OngletB")));
    ASSERT_TRUE(inner);
    QStringList captions;
    for (int i = 0; i < inner->count(); ++i)
        captions << inner->tabText(i);
    EXPECT_TRUE(captions.contains(QStringLiteral("Ma banque")));
    EXPECT_EQ(f.find<QLabel>(QStringLiteral("lblCESU"))->text(),
              QStringLiteral("Chèque Emploi Service Universel"));
}

} // namespace
