#include "journal/CompteNumero.h"

#include "journal/ChequeNumber.h"
#include "journal/CurrentAccount.h"
#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Sounds.h"

#include <QtGlobal>
#include <array>

namespace {

const std::array<const char*, 9> kPrompts = {
    "Saisir votre numéro du compte principal à cette banque :",
    "Saisir votre deuxième numéro de compte à cette banque :",
    "Saisir votre troisième numéro de compte à cette banque :",
    "Saisir votre quatrième numéro du compte à cette banque :",
    "Saisir votre cinquième numéro de compte à cette banque :",
    "Saisir votre sixième numéro de compte à cette banque :",
    "Saisir votre septième numéro du compte à cette banque :",
    "Saisir votre huitième numéro de compte à cette banque :",
    "Saisir votre neuvième numéro de compte à cette banque :"};

} // namespace

CompteNumero::CompteNumero(Platform& platform, CurrentAccount& current, QObject* parent)
    : QObject(parent), m_platform(platform), m_current(current),
      m_slots(platform.folders.settingsFilePath()) {
    const auto alert = [this] { m_platform.sounds.play(Cue::Son000); };
    connect(&m_accountField, &NumberEntryField::limitReached, this, alert);
    connect(&m_chequeField, &NumberEntryField::limitReached, this, alert);
}

int CompteNumero::slotCount() const {
    return m_current.format() ? m_current.format()->slotCount : 0;
}

QString CompteNumero::groupCaption() const {
    const QString name = m_current.format() ? m_current.format()->journalName : QString();
    return QStringLiteral(" Choisir votre compte sur format  ") + name + u' ';
}

QString CompteNumero::prompt() const {
    return QString::fromUtf8(kPrompts.at(static_cast<size_t>(qBound(1, m_checked, 9) - 1)));
}

AccountSlot CompteNumero::slotLabels(int account) const {
    if (account < 1 || account > static_cast<int>(m_labels.size()))
        return {};
    return m_labels[static_cast<size_t>(account - 1)];
}

bool CompteNumero::pageButtonVisible(int group) const {
    return slotCount() > 3 && group != m_group && group >= 0 && group * 3 < slotCount();
}

bool CompteNumero::deleteVisible() const {
    return !m_accountField.text().isEmpty() || !m_chequeField.text().isEmpty();
}

void CompteNumero::AffecteNumeroCompte_Lecture() {
    const JournalFormatInfo* format = m_current.format();
    m_labels = format ? m_slots.readAll(*format) : std::vector<AccountSlot>{};
    const int current = m_current.account();
    m_checked = current >= 1 && current <= slotCount() ? current : 1;
    m_group = (m_checked - 1) / 3;
    showChecked();
    if (m_chequeField.text().isEmpty()) {
        m_focus = Focus::Account;
    } else {
        m_focus = Focus::Cheque;
        m_chequeField.setCaret(static_cast<int>(m_chequeField.text().size()));
    }
    emit changed();
}

void CompteNumero::showChecked() {
    const AccountSlot slot = slotLabels(m_checked);
    m_accountField.setText(slot.accountNumber);
    m_chequeField.setText(slot.chequeNumber);
}

void CompteNumero::RbRBCptClick(int account) {
    if (account < 1 || account > slotCount())
        return;
    m_checked = account;
    m_group = (account - 1) / 3;
    showChecked();
    m_focus = Focus::Account;
    emit changed();
}

void CompteNumero::PageClick(int group) {
    if (!pageButtonVisible(group))
        return;
    m_group = group;
    emit changed();
}

void CompteNumero::EditSaisieCompteKeyPress(QChar key) {
    if (m_accountField.KeyPress(key) == NumberEntryField::KeyResult::Enter)
        m_focus = Focus::Cheque;
    emit changed();
}

void CompteNumero::EditSaisieChequeKeyPress(QChar key) {
    if (m_chequeField.KeyPress(key) == NumberEntryField::KeyResult::Enter)
        m_focus = Focus::Account;
    emit changed();
}

void CompteNumero::EditSaisieChequeKeyDown(int qtKey) {
    if (qtKey == Qt::Key_Up)
        step(+1);
    else if (qtKey == Qt::Key_Down)
        step(-1);
}

void CompteNumero::PlusUnClick() {
    step(+1);
}

void CompteNumero::MoinsUnClick() {
    step(-1);
}

void CompteNumero::step(int delta) {
    if (m_chequeField.text().isEmpty())
        return;
    const auto next = ChequeNumber::stepped(m_chequeField.text(), delta);
    if (!next) {
        m_platform.sounds.play(Cue::Son000);
        return;
    }
    m_chequeField.setText(*next);
    emit changed();
}

bool CompteNumero::store(const AccountSlot& slot) {
    const JournalFormatInfo* format = m_current.format();
    if (!format)
        return false;
    if (const auto error = m_slots.write(*format, m_checked, slot)) {
        m_platform.sounds.play(Cue::Son004);
        m_platform.dialogs.error(QString::fromUtf8(CurrentAccount::kTitle), *error);
        return false;
    }
    m_labels = m_slots.readAll(*format);
    const AccountSlot stored = slotLabels(m_checked);
    m_current.setCurrent(m_checked, stored.accountNumber, stored.chequeNumber);
    emit changed();
    return true;
}

bool CompteNumero::ValiderClick() {
    if (m_chequeField.text().size() < 3) {
        m_platform.dialogs.error(QString::fromUtf8(CurrentAccount::kTitle),
                                 QString::fromUtf8(kInvalidCheque));
        return false;
    }
    if (!store({m_accountField.text(), m_chequeField.text()}))
        return false;
    m_platform.sounds.play(Cue::Son000);
    return true;
}

bool CompteNumero::SupprimerClick() {
    if (!m_platform.dialogs.question(QStringLiteral("Supprimer un compte..."),
                                     QStringLiteral("Désirez-vous vraiment supprimer ce compte ?"),
                                     DialogButton::No, DialogIcon::Warning))
        return false;
    m_accountField.setText(QString());
    m_chequeField.setText(QString());
    if (!store({}))
        return false;
    QuitterClick();
    return true;
}

void CompteNumero::QuitterClick() {
    m_current.accountWindowClosed();
    emit closeRequested();
}
