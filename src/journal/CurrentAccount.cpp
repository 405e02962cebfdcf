#include "journal/CurrentAccount.h"

#include "journal/ChequeNumber.h"
#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniDocument.h"
#include "platform/Platform.h"
#include "platform/Sounds.h"

namespace {
const QString kSection = QStringLiteral("CHOIX BANQUE");

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

CurrentAccount::CurrentAccount(Platform& platform, QObject* parent)
    : QObject(parent), m_platform(platform), m_slots(platform.folders.settingsFilePath()) {}

QColor CurrentAccount::markColour(int mark) const {
    if (mark != m_account)
        return QColor(0xC0, 0xC0, 0xC0);
    switch (mark) {
    case 1:
        return QColor(0, 0, 255);
    case 2:
        return QColor(0, 128, 0);
    case 3:
        return QColor(255, 0, 0);
    default:
        return QColor(0xC0, 0xC0, 0xC0);
    }
}

void CurrentAccount::load(const IniDocument& settings) {
    m_account = settings.readInteger(kSection, u"Compte", 0);
    m_chequeNumber = settings.readString(kSection, u"NumChqEnCours", QString());
    m_accountNumber = settings.readString(kSection, u"NumCptEnCours", QString());
    m_indicatorVisible = m_account >= 4 && m_account <= 9;
    emit changed();
}

void CurrentAccount::save(IniDocument& settings) const {
    settings.writeInteger(kSection, u"Compte", m_account);
    settings.writeString(kSection, u"NumChqEnCours", m_chequeNumber);
    settings.writeString(kSection, u"NumCptEnCours", m_accountNumber);
}

void CurrentAccount::AffecteNumeroChqEtCpt(const JournalFormatInfo* format, bool mainWindowShown) {
    if (format == nullptr) {
        m_format.reset();
        m_accountNumber.clear();
        m_chequeNumber.clear();
        emit changed();
        return;
    }
    m_format = *format;
    if (mainWindowShown) {
        RAZ_NumeroChqAndCpt();
        const AccountSlot first = m_slots.read(*format, 1);
        m_accountNumber = first.accountNumber;
        m_chequeNumber = first.chequeNumber;
    }
    Protect_Sign_Aleat_Chq();
    Protect_Sign_Aleat_Cpt();
    emit changed();
}

void CurrentAccount::RAZ_NumeroChqAndCpt() {
    m_accountNumber.clear();
    m_chequeNumber.clear();
    m_account = 1;
    m_indicatorVisible = false;
    emit changed();
}

void CurrentAccount::Protect_Sign_Aleat_Chq() {
    if (m_chequeNumber.size() >= 2 && (!isDigit(m_chequeNumber[0]) || !isDigit(m_chequeNumber[1])))
        m_chequeNumber.clear();
    emit changed();
}

void CurrentAccount::Protect_Sign_Aleat_Cpt() {
    if (m_accountNumber.size() < 5)
        m_accountNumber.clear();
    emit changed();
}

void CurrentAccount::setCurrent(int account, const QString& accountNumber,
                                const QString& chequeNumber) {
    m_account = account;
    m_accountNumber = accountNumber;
    m_chequeNumber = chequeNumber;
    emit changed();
}

void CurrentAccount::accountWindowClosed() {
    m_indicatorVisible = m_account >= 4 && m_account <= 9;
    emit changed();
}

bool CurrentAccount::mayOpenAccountWindow() {
    if (m_format)
        return true;
    m_platform.sounds.play(Cue::Son000);
    m_platform.dialogs.warning(
        QString::fromUtf8(kTitle),
        QStringLiteral("Il faut auparavant sélectionner un format bancaire !\r\n\r\nChoix de "
                       "formats en cliquant sur la quatrième icône \"billet vert\" en haut à "
                       "gauche."));
    return false;
}

std::optional<QString> CurrentAccount::fail(const QString& text) {
    m_platform.sounds.play(Cue::Son004);
    m_platform.dialogs.error(QString::fromUtf8(kTitle), text);
    return text;
}

std::optional<QString> CurrentAccount::IncrementerChqMemory() {
    if (!m_chequeNumber.isEmpty()) {
        const auto next = ChequeNumber::stepped(m_chequeNumber, +1);
        if (!next) {
            return fail(QStringLiteral("Le numéro de chèque « %1 » n'est pas un nombre : il n'a "
                                       "pas pu être avancé.\r\n\r\nCorrigez-le dans la fenêtre "
                                       "des numéros de comptes et de chèques.")
                            .arg(m_chequeNumber));
        }
        m_chequeNumber = *next;
        emit changed();
    }
    // Accounts 4 to 9 exist only for the formats that have them.
    if (!m_format || !AccountSlots::hasSlot(*m_format, m_account))
        return std::nullopt;
    if (const auto error = m_slots.writeCheque(*m_format, m_account, m_chequeNumber)) {
        return fail(*error + QStringLiteral("\r\n\r\nLe prochain numéro de chèque (%1) reste "
                                            "affiché mais n'est pas mémorisé.")
                                 .arg(m_chequeNumber));
    }
    return std::nullopt;
}
