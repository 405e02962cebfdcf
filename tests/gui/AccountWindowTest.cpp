#include "journal/AccountWindow.h"

#include "journal/CurrentAccount.h"
#include "platform/IniFile.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

JournalFormatInfo societeGeneraleDash() {
    JournalFormatInfo info;
    info.journalName = QStringLiteral("Société Générale [--]");
    info.bankKey = QStringLiteral("SocieteGenerale_");
    info.slotCount = 9;
    info.dashed = true;
    return info;
}

class AccountWindowTest : public ::testing::Test {
protected:
    AccountWindowTest() {
        tp.folders.CreateFolderUser();
        current.AffecteNumeroChqEtCpt(&format, true);
    }
    QString stored(const QString& key) const {
        return IniFile(tp.folders.settingsFilePath()).readString(u"CHOIX BANQUE", key, {});
    }
    template <typename T> T* find(const AccountWindow& window, const QString& name) {
        return window.findChild<T*>(name);
    }

    TestPlatform tp;
    JournalFormatInfo format = societeGeneraleDash();
    CurrentAccount current{tp.platform()};
};

TEST_F(AccountWindowTest, SocieteGeneraleAccountFiveIsValidatedAndStored) {
    AccountWindow window(tp.platform(), current);
    EXPECT_TRUE(find<QRadioButton>(window, QStringLiteral("RbRBCpt1"))->isChecked());
    EXPECT_TRUE(find<QRadioButton>(window, QStringLiteral("RbRBCpt5"))->isHidden());
    auto* page2 = find<QPushButton>(window, QStringLiteral("BtnPageCompte2"));
    EXPECT_FALSE(page2->isHidden());
    EXPECT_TRUE(find<QPushButton>(window, QStringLiteral("BtnPageCompte1"))->isHidden());
    page2->click();
    auto* five = find<QRadioButton>(window, QStringLiteral("RbRBCpt5"));
    EXPECT_FALSE(five->isHidden());
    five->click();
    EXPECT_EQ(find<QLabel>(window, QStringLiteral("lblSaisirCompte"))->text(),
              QStringLiteral("Saisir votre cinquième numéro de compte à cette banque :"));

    auto* account = find<QLineEdit>(window, QStringLiteral("EditSaisieCompte"));
    auto* cheque = find<QLineEdit>(window, QStringLiteral("EditSaisieCheque"));
    QTest::keyClicks(account, QStringLiteral("FR7.6abABC"));
    EXPECT_EQ(account->text(), QStringLiteral("FR76ABC")); // dot and lower case refused
    QTest::keyClicks(cheque, QStringLiteral("1234567"));
    EXPECT_EQ(cheque->text(), QStringLiteral("1234567"));
    find<QPushButton>(window, QStringLiteral("BtnValider"))->click();

    EXPECT_EQ(stored(QStringLiteral("Compte5SocieteGenerale_")), QStringLiteral("FR76ABC"));
    EXPECT_EQ(stored(QStringLiteral("Cheque5SocieteGenerale_")), QStringLiteral("1234567"));
    EXPECT_EQ(find<QLabel>(window, QStringLiteral("LabelCompte5"))->text(),
              QStringLiteral("FR76ABC"));
    EXPECT_EQ(current.account(), 5);
    window.reject();
    EXPECT_TRUE(current.indicatorVisible());
    EXPECT_EQ(current.indicatorText(), QStringLiteral("5"));
}

TEST_F(AccountWindowTest, ShortChequeNumberIsRefusedAndNothingIsStored) {
    AccountWindow window(tp.platform(), current);
    QTest::keyClicks(find<QLineEdit>(window, QStringLiteral("EditSaisieCompte")),
                     QStringLiteral("12345"));
    QTest::keyClicks(find<QLineEdit>(window, QStringLiteral("EditSaisieCheque")),
                     QStringLiteral("12"));
    find<QPushButton>(window, QStringLiteral("BtnValider"))->click();
    ASSERT_FALSE(tp.dialogs.calls().empty());
    EXPECT_EQ(tp.dialogs.calls().back().text, QString::fromUtf8(CompteNumero::kInvalidCheque));
    EXPECT_TRUE(stored(QStringLiteral("Compte1SocieteGenerale_")).isEmpty());
    EXPECT_TRUE(current.accountNumber().isEmpty());
}

TEST_F(AccountWindowTest, ArrowsAndStepButtonsChangeTheChequeNumberAndDeleteEmptiesTheSlot) {
    AccountWindow window(tp.platform(), current);
    auto* cheque = find<QLineEdit>(window, QStringLiteral("EditSaisieCheque"));
    QTest::keyClicks(cheque, QStringLiteral("0000999"));
    QTest::keyClick(cheque, Qt::Key_Up);
    EXPECT_EQ(cheque->text(), QStringLiteral("0001000"));
    find<QPushButton>(window, QStringLiteral("BtnMoinsUn"))->click();
    EXPECT_EQ(cheque->text(), QStringLiteral("0000999"));
    QTest::keyClick(cheque, Qt::Key_Backspace);
    EXPECT_EQ(cheque->text(), QStringLiteral("000099"));
    QTest::keyClick(cheque, Qt::Key_8);
    find<QPushButton>(window, QStringLiteral("BtnValider"))->click();
    EXPECT_EQ(stored(QStringLiteral("Cheque1SocieteGenerale_")), QStringLiteral("0000998"));

    auto* remove = find<QPushButton>(window, QStringLiteral("BtnSupprimer"));
    EXPECT_FALSE(remove->isHidden());
    tp.dialogs.script(DialogButton::Yes);
    remove->click();
    EXPECT_EQ(tp.dialogs.calls().back().title, QStringLiteral("Supprimer un compte..."));
    EXPECT_TRUE(stored(QStringLiteral("Cheque1SocieteGenerale_")).isEmpty());
}

} // namespace
