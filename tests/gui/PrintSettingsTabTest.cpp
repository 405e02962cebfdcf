#include "formats/OrientationChooser.h"
#include "formats/PrintModeMenu.h"
#include "formats/PrintModePicture.h"
#include "gui/PanelTestSupport.h"
#include "platform/IniDocument.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int storedOrientation(ChequeSession& session) {
    IniDocument document;
    session.printModes().save(document);
    return document.readInteger(u"PRINT", u"Orientation", 0);
}

TEST(PrintSettingsTabTest, MenuEntryChangesTheModeThePicturesAndTheStoredOrientation) {
    PanelFixture f;
    auto* picture = f.find<PrintModePicture>(QStringLiteral("ImgParamOrient"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->mode(), PrintMode::PrintHorizontal);
    auto* button = f.find<QPushButton>(QStringLiteral("btnMenuOrientPrint"));
    QMenu* menu = button->menu();
    ASSERT_EQ(menu->objectName(), QStringLiteral("ppmChoixOrientPrint"));
    ASSERT_EQ(menu->actions().size(), 7);
    EXPECT_EQ(menu->actions().at(2)->objectName(), QStringLiteral("PrintVertical2"));

    menu->findChild<QAction*>(QStringLiteral("PrintVertical2"))->trigger();
    EXPECT_EQ(f.session.printModes().mode(), PrintMode::PrintVertical2);
    EXPECT_EQ(picture->mode(), PrintMode::PrintVertical2);
    EXPECT_EQ(storedOrientation(f.session), 5);
    EXPECT_EQ(f.find<QLabel>(QStringLiteral("lblIndicOrientPrint"))->text(),
              QStringLiteral("Impression verticale 2"));
    // A second menu built elsewhere (the face) shows the same check.
    std::unique_ptr<QMenu> other(buildPrintModeMenu(f.session.printModes(), nullptr));
    EXPECT_TRUE(other->findChild<QAction*>(QStringLiteral("PrintVertical2"))->isChecked());
    EXPECT_FALSE(other->findChild<QAction*>(QStringLiteral("PrintHorizontal"))->isChecked());
}

TEST(PrintSettingsTabTest, DoubleClickTurnsThePicture) {
    PanelFixture f;
    auto* picture = f.find<PrintModePicture>(QStringLiteral("ImgParamOrient"));
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_TRUE(f.session.printModes().pictureTurned(PrintMode::PrintHorizontal));
    EXPECT_EQ(f.tp.soundOutput.cues().back(), QStringLiteral("Son003"));
}

TEST(PrintSettingsTabTest, ChooserNotifiesEachChangeAndAppliesTheModeOnClosing) {
    PanelFixture f;
    OrientationChooser chooser(f.session.printModes(), f.tp.platform());
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Choix du positionnement d'impression "));
    auto* memo = chooser.findChild<QPlainTextEdit*>(QStringLiteral("mmChoixPosPrint"));
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("Ce positionnement générique")));
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    chooser.findChild<QRadioButton*>(QStringLiteral("RbPrintCenterLaser"))->click();
    ASSERT_EQ(f.tp.dialogs.calls().size(), 1u);
    const auto& notice = f.tp.dialogs.calls().back();
    EXPECT_EQ(notice.title, QStringLiteral("Notification de changement..."));
    EXPECT_EQ(notice.text,
              QStringLiteral("Vous venez de choisir le positionnement suivant :\r\n\r\n"
                             "Impression centrale verticale spéciale laser.\r\n\r\n\r\n"
                             "(L'ancien choix était le positionnement d'impression horizontale "
                             "[par défaut])"));
    EXPECT_EQ(f.tp.soundOutput.cues().back(), QStringLiteral("Son000"));
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Nothing changes before the chooser closes.
    EXPECT_EQ(f.session.printModes().mode(), PrintMode::PrintHorizontal);

    chooser.findChild<QRadioButton*>(QStringLiteral("RbPrintA4Bas"))->click();
    EXPECT_TRUE(f.tp.dialogs.calls().back().text.contains(
        QStringLiteral("laser)\r\n\r\nCE POSITIONNEMENT SÉLECTIONNÉ")));

    chooser.reject(); // Escape
    EXPECT_EQ(f.session.printModes().mode(), PrintMode::PrintA4Bas);
    EXPECT_EQ(storedOrientation(f.session), 6);
    EXPECT_EQ(f.find<PrintModePicture>(QStringLiteral("ImgParamOrient"))->mode(),
              PrintMode::PrintA4Bas);
}

TEST(PrintSettingsTabTest, OffsetFieldsAdviseOnceRestoreAnEmptiedValueAndTheirDefaultButtons) {
    PanelFixture f;
    auto* laserX = f.find<QSpinBox>(QStringLiteral("EditLaserH"));
    auto* button = f.find<QPushButton>(QStringLiteral("BtnDefautLaser"));
    ASSERT_TRUE(laserX && button);
    EXPECT_EQ(laserX->value(), 121);
    EXPECT_FALSE(button->isEnabled());
    for (const char* name : {"BtnDefautStd", "BtnVerti2", "BtnVerti3", "BtnA4Bas"})
        EXPECT_FALSE(f.find<QPushButton>(QString::fromLatin1(name))->isEnabled()) << name;

    PanelFixture::retype(laserX, QStringLiteral("100"));
    EXPECT_EQ(f.session.printModes().offset(ModeOffset::EditLaserH), 100);
    EXPECT_TRUE(button->isEnabled());
    const auto advice = f.tp.dialogs.calls().size();
    EXPECT_EQ(advice, 1u);
    EXPECT_EQ(f.tp.dialogs.calls().back().title,
              QStringLiteral("Votre attention s'il vous plaît..."));

    PanelFixture::retype(laserX, QString());
    EXPECT_EQ(laserX->value(), 121);
    EXPECT_EQ(f.tp.dialogs.calls().size(), advice);

    PanelFixture::retype(laserX, QStringLiteral("90"));
    f.tp.dialogs.script(DialogButton::Yes);
    button->click();
    EXPECT_TRUE(f.tp.dialogs.calls().back().text.endsWith(
        QStringLiteral("SOUHAITEZ-VOUS REMETTRE LA VALEUR X ET Y D'ORIGINE ?")));
    EXPECT_EQ(laserX->value(), 121);
    EXPECT_FALSE(button->isEnabled());
}

} // namespace
