#pragma once

#include "journal/AccountSlots.h"
#include "journal/NumberEntryField.h"

#include <QObject>
#include <QString>
#include <vector>

class CurrentAccount;
struct Platform;

/// The rules of the account window TCompteNumero ("Numéros de comptes et de chèques..."):
/// the slots of the current format, the entry fields, validation and deletion.
class CompteNumero : public QObject {
    Q_OBJECT
public:
    enum class Focus { Account, Cheque };

    CompteNumero(Platform& platform, CurrentAccount& current, QObject* parent = nullptr);

    /// Showing the window: reads every slot of the current format and checks the current
    /// account.
    void AffecteNumeroCompte_Lecture();

    QString groupCaption() const;
    /// The prompt above the fields for the checked account.
    QString prompt() const;
    int checkedAccount() const { return m_checked; }
    int slotCount() const;
    /// The labels LabelCompte<k> / LabelCheque<k> (k from 1), as stored.
    AccountSlot slotLabels(int account) const;
    /// 0, 1 or 2: which three accounts are shown (Société Générale formats only move it).
    int visibleGroup() const { return m_group; }
    /// The page buttons "Compte 1 à 3", "Compte 4 à 6", "Compte 7 à 9".
    bool pageButtonVisible(int group) const;
    bool deleteVisible() const;
    Focus focus() const { return m_focus; }

    NumberEntryField& accountField() { return m_accountField; }
    NumberEntryField& chequeField() { return m_chequeField; }

    /// Radio button RbRBCpt<k>: the fields take that slot's numbers.
    void RbRBCptClick(int account);
    /// A page button: shows the group of three accounts.
    void PageClick(int group);

    void EditSaisieCompteKeyPress(QChar key);
    void EditSaisieChequeKeyPress(QChar key);
    /// Up and Down arrows of the cheque field.
    void EditSaisieChequeKeyDown(int qtKey);
    void PlusUnClick();
    void MoinsUnClick();

    /// "&Valider": false when the cheque number was refused or could not be stored.
    bool ValiderClick();
    /// "Supprimer ce compte": true when deleted (the window then closes).
    bool SupprimerClick();
    /// "&Quitter" or Escape.
    void QuitterClick();

    static constexpr const char* kInvalidCheque =
        "SAISIE DU NUMÉRO DE CHÈQUE NON VALIDE !\r\n\r\nUn numéro de chèque doit comporter SEPT "
        "chiffres.";

signals:
    void changed();
    void closeRequested();

private:
    bool store(const AccountSlot& slot);
    void step(int delta);
    void showChecked();

    Platform& m_platform;
    CurrentAccount& m_current;
    AccountSlots m_slots;
    std::vector<AccountSlot> m_labels;
    NumberEntryField m_accountField{NumberEntryField::Kind::Account};
    NumberEntryField m_chequeField{NumberEntryField::Kind::Cheque};
    int m_checked = 1;
    int m_group = 0;
    Focus m_focus = Focus::Account;
};
