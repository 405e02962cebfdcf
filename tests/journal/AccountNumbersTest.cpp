#include "journal/CompteNumero.h"
#include "journal/CurrentAccount.h"
#include "journal/TestFormats.h"
#include "platform/IniFile.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

class AccountNumbersTest : public ::testing::Test {
protected:
    AccountNumbersTest() { tp.folders.CreateFolderUser(); }

    void store(const QString& key, const QString& value) {
        ASSERT_TRUE(
            IniFile(tp.folders.settingsFilePath()).writeString(u"CHOIX BANQUE", key, value));
    }
    QString stored(const QString& key) const {
        return IniFile(tp.folders.settingsFilePath()).readString(u"CHOIX BANQUE", key, {});
    }
    bool exists(const QString& key) const {
        return IniFile(tp.folders.settingsFilePath()).load().valueExists(u"CHOIX BANQUE", key);
    }
    void typeInto(NumberEntryField& field, const QString& text) {
        for (const QChar c : text)
            field.KeyPress(c);
    }

    TestPlatform tp;
    JournalFormatInfo bnp = bnpFormat();
    JournalFormatInfo sg = societeGeneraleDashFormat();
    CurrentAccount current{tp.platform()};
    CompteNumero window{tp.platform(), current};
};

TEST_F(AccountNumbersTest, FormatChangeTakesAccountOneThroughTheChecks) {
    const struct {
        const char* account;
        const char* cheque;
        const char* shownAccount;
        const char* shownCheque;
    } cases[] = {
        {"FR76300", "1234567", "FR76300", "1234567"},
        {"1234", "0000123", "", "0000123"}, // account shorter than 5
        {"12345", "A1", "12345", ""},       // cheque not starting with two digits
        {"12345", "1A", "12345", ""},
        {"12345", "1", "12345", "1"}, // one character is left alone
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        store(QStringLiteral("Compte1BNP"), QString::fromUtf8(c.account));
        store(QStringLiteral("Cheque1BNP"), QString::fromUtf8(c.cheque));
        current.setCurrent(5, QStringLiteral("OLD99"), QStringLiteral("999"));
        current.AffecteNumeroChqEtCpt(&bnp, true);
        EXPECT_EQ(current.account(), 1);
        EXPECT_FALSE(current.indicatorVisible());
        EXPECT_EQ(current.accountNumber(), QString::fromUtf8(c.shownAccount)) << c.account;
        EXPECT_EQ(current.chequeNumber(), QString::fromUtf8(c.shownCheque)) << c.cheque;
    }
}

TEST_F(AccountNumbersTest, AtStartTheLoadedPanelsOnlyGetTheChecks) {
    store(QStringLiteral("Compte1BNP"), QStringLiteral("IGNORED1"));
    current.load(IniDocument::fromBytes(
        "[CHOIX BANQUE]\r\nCompte=3\r\nNumCptEnCours=1234\r\nNumChqEnCours=0000042\r\n"));
    current.AffecteNumeroChqEtCpt(&bnp, false);
    EXPECT_EQ(current.account(), 3);
    EXPECT_EQ(current.accountNumber(), QString());
    EXPECT_EQ(current.chequeNumber(), QStringLiteral("0000042"));
    EXPECT_EQ(current.markColour(3), QColor(255, 0, 0));
    EXPECT_EQ(current.markColour(1), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(AccountNumbersTest, NoFormatEmptiesThePanelsAndRefusesTheWindow) {
    current.setCurrent(1, QStringLiteral("FR76300"), QStringLiteral("1234567"));
    current.AffecteNumeroChqEtCpt(nullptr, true);
    EXPECT_EQ(current.accountNumber(), QString());
    EXPECT_EQ(current.chequeNumber(), QString());
    EXPECT_FALSE(current.mayOpenAccountWindow());
    EXPECT_EQ(tp.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
    ASSERT_EQ(tp.dialogs.calls().size(), 1u);
    EXPECT_TRUE(tp.dialogs.calls()[0].text.startsWith(
        QStringLiteral("Il faut auparavant sélectionner un format bancaire !\r\n\r\n")));
}

TEST_F(AccountNumbersTest, ShowingTheWindowReadsTheSlotsOfTheFormat) {
    store(QStringLiteral("Compte2BNP"), QStringLiteral("FR7600002"));
    store(QStringLiteral("Cheque2BNP"), QStringLiteral("0000450"));
    store(QStringLiteral("Compte3BNP"), QStringLiteral("FR7600003"));
    current.AffecteNumeroChqEtCpt(&bnp, true);
    current.setCurrent(2, QStringLiteral("FR7600002"), QStringLiteral("0000450"));
    window.AffecteNumeroCompte_Lecture();
    EXPECT_EQ(window.groupCaption(),
              QStringLiteral(" Choisir votre compte sur format  BNP PARIBAS "));
    EXPECT_EQ(window.checkedAccount(), 2);
    EXPECT_EQ(window.prompt(),
              QStringLiteral("Saisir votre deuxième numéro de compte à cette banque :"));
    EXPECT_EQ(window.slotCount(), 3);
    EXPECT_EQ(window.slotLabels(3).accountNumber, QStringLiteral("FR7600003"));
    EXPECT_EQ(window.slotLabels(1).accountNumber, QString());
    EXPECT_EQ(window.accountField().text(), QStringLiteral("FR7600002"));
    EXPECT_EQ(window.chequeField().text(), QStringLiteral("0000450"));
    EXPECT_EQ(window.focus(), CompteNumero::Focus::Cheque);
    EXPECT_TRUE(window.deleteVisible());
    for (int group = 0; group < 3; ++group)
        EXPECT_FALSE(window.pageButtonVisible(group));

    window.RbRBCptClick(1);
    EXPECT_EQ(window.prompt(),
              QStringLiteral("Saisir votre numéro du compte principal à cette banque :"));
    EXPECT_FALSE(window.deleteVisible());
    EXPECT_EQ(window.focus(), CompteNumero::Focus::Account);
    window.RbRBCptClick(4); // BNP has three accounts
    EXPECT_EQ(window.checkedAccount(), 1);
}

TEST_F(AccountNumbersTest, ValidationRefusesShortChequeNumbers) {
    current.AffecteNumeroChqEtCpt(&bnp, true);
    window.AffecteNumeroCompte_Lecture();
    typeInto(window.accountField(), QStringLiteral("FR76300"));
    typeInto(window.chequeField(), QStringLiteral("12"));
    EXPECT_FALSE(window.ValiderClick());
    ASSERT_EQ(tp.dialogs.calls().size(), 1u);
    EXPECT_EQ(tp.dialogs.calls()[0].text,
              QStringLiteral("SAISIE DU NUMÉRO DE CHÈQUE NON VALIDE !\r\n\r\nUn numéro de "
                             "chèque doit comporter SEPT chiffres."));
    EXPECT_FALSE(exists(QStringLiteral("Compte1BNP")));
    EXPECT_EQ(current.accountNumber(), QString());

    typeInto(window.chequeField(), QStringLiteral("3"));
    EXPECT_TRUE(window.ValiderClick());
    EXPECT_EQ(stored(QStringLiteral("Compte1BNP")), QStringLiteral("FR76300"));
    EXPECT_EQ(stored(QStringLiteral("Cheque1BNP")), QStringLiteral("123"));
    EXPECT_EQ(current.chequeNumber(), QStringLiteral("123"));
    EXPECT_EQ(window.slotLabels(1).chequeNumber, QStringLiteral("123"));
    EXPECT_EQ(tp.soundOutput.cues(), QStringList{QStringLiteral("Son000")});
}

TEST_F(AccountNumbersTest, SocieteGeneraleAccountFiveShowsItsIndicator) {
    current.AffecteNumeroChqEtCpt(&sg, true);
    window.AffecteNumeroCompte_Lecture();
    EXPECT_EQ(window.slotCount(), 9);
    EXPECT_EQ(window.visibleGroup(), 0);
    EXPECT_FALSE(window.pageButtonVisible(0));
    EXPECT_TRUE(window.pageButtonVisible(1));
    EXPECT_TRUE(window.pageButtonVisible(2));
    window.PageClick(1);
    window.RbRBCptClick(5);
    EXPECT_EQ(window.prompt(),
              QStringLiteral("Saisir votre cinquième numéro de compte à cette banque :"));
    typeInto(window.accountField(), QStringLiteral("FR76ABC"));
    typeInto(window.chequeField(), QStringLiteral("1234567"));
    ASSERT_TRUE(window.ValiderClick());
    EXPECT_EQ(stored(QStringLiteral("Compte5SocieteGenerale_")), QStringLiteral("FR76ABC"));
    EXPECT_EQ(stored(QStringLiteral("Cheque5SocieteGenerale_")), QStringLiteral("1234567"));
    window.QuitterClick();
    EXPECT_EQ(current.account(), 5);
    EXPECT_TRUE(current.indicatorVisible());
    EXPECT_EQ(current.indicatorText(), QStringLiteral("5"));
    for (int mark = 1; mark <= 3; ++mark)
        EXPECT_EQ(current.markColour(mark), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(AccountNumbersTest, DeletionAsksAndEmptiesTheSlot) {
    store(QStringLiteral("Compte1BNP"), QStringLiteral("FR76300"));
    store(QStringLiteral("Cheque1BNP"), QStringLiteral("0000450"));
    current.AffecteNumeroChqEtCpt(&bnp, true);
    window.AffecteNumeroCompte_Lecture();
    int closed = 0;
    QObject::connect(&window, &CompteNumero::closeRequested, [&closed] { ++closed; });

    EXPECT_FALSE(window.SupprimerClick()); // the default answer is No
    ASSERT_EQ(tp.dialogs.calls().size(), 1u);
    const auto& question = tp.dialogs.calls()[0];
    EXPECT_EQ(question.title, QStringLiteral("Supprimer un compte..."));
    EXPECT_EQ(question.text, QStringLiteral("Désirez-vous vraiment supprimer ce compte ?"));
    EXPECT_EQ(question.icon, DialogIcon::Warning);
    EXPECT_EQ(question.defaultButton, DialogButton::No);
    EXPECT_EQ(stored(QStringLiteral("Cheque1BNP")), QStringLiteral("0000450"));

    tp.dialogs.script(DialogButton::Yes);
    EXPECT_TRUE(window.SupprimerClick());
    EXPECT_TRUE(exists(QStringLiteral("Compte1BNP")));
    EXPECT_EQ(stored(QStringLiteral("Compte1BNP")), QString());
    EXPECT_EQ(stored(QStringLiteral("Cheque1BNP")), QString());
    EXPECT_EQ(current.chequeNumber(), QString());
    EXPECT_EQ(closed, 1);
}

TEST_F(AccountNumbersTest, PlusAndMinusKeepTheWidth) {
    current.AffecteNumeroChqEtCpt(&bnp, true);
    window.AffecteNumeroCompte_Lecture();
    window.PlusUnClick(); // empty: nothing
    EXPECT_EQ(window.chequeField().text(), QString());
    typeInto(window.chequeField(), QStringLiteral("0000999"));
    window.PlusUnClick();
    EXPECT_EQ(window.chequeField().text(), QStringLiteral("0001000"));
    window.EditSaisieChequeKeyDown(Qt::Key_Down);
    window.EditSaisieChequeKeyDown(Qt::Key_Down);
    EXPECT_EQ(window.chequeField().text(), QStringLiteral("0000998"));
    window.EditSaisieChequeKeyDown(Qt::Key_Up);
    EXPECT_EQ(window.chequeField().text(), QStringLiteral("0000999"));
    EXPECT_EQ(window.chequeField().caret(), 7);
}

TEST_F(AccountNumbersTest, EnterMovesBetweenTheFields) {
    current.AffecteNumeroChqEtCpt(&bnp, true);
    window.AffecteNumeroCompte_Lecture();
    EXPECT_EQ(window.focus(), CompteNumero::Focus::Account);
    window.EditSaisieCompteKeyPress(u'\r');
    EXPECT_EQ(window.focus(), CompteNumero::Focus::Cheque);
    window.EditSaisieChequeKeyPress(u'\r');
    EXPECT_EQ(window.focus(), CompteNumero::Focus::Account);
}

TEST_F(AccountNumbersTest, AdvanceStoresOnlyTheSlotsTheFormatHas) {
    const struct {
        const JournalFormatInfo* format;
        int account;
        const char* key; // nullptr: nothing stored
    } cases[] = {{&bnp, 3, "Cheque3BNP"},
                 {&bnp, 5, nullptr},
                 {&sg, 5, "Cheque5SocieteGenerale_"},
                 {&bnp, 0, nullptr}};
    for (const auto& c : cases) {
        QFile::remove(tp.folders.settingsFilePath());
        current.AffecteNumeroChqEtCpt(c.format, true);
        current.setCurrent(c.account, QStringLiteral("FR76300"), QStringLiteral("0000999"));
        EXPECT_FALSE(current.IncrementerChqMemory());
        EXPECT_EQ(current.chequeNumber(), QStringLiteral("0001000"));
        if (c.key == nullptr)
            EXPECT_FALSE(QFile::exists(tp.folders.settingsFilePath())) << c.account;
        else
            EXPECT_EQ(stored(QString::fromUtf8(c.key)), QStringLiteral("0001000"));
    }
}

} // namespace
