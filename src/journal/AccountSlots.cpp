#include "journal/AccountSlots.h"

#include "platform/IniFile.h"

namespace {
const QString kSection = QStringLiteral("CHOIX BANQUE");
}

AccountSlots::AccountSlots(QString settingsPath) : m_path(std::move(settingsPath)) {}

QString AccountSlots::accountKey(const JournalFormatInfo& format, int account) {
    return QStringLiteral("Compte%1%2").arg(account).arg(format.bankKey);
}

QString AccountSlots::chequeKey(const JournalFormatInfo& format, int account) {
    return QStringLiteral("Cheque%1%2").arg(account).arg(format.bankKey);
}

bool AccountSlots::hasSlot(const JournalFormatInfo& format, int account) {
    return account >= 1 && account <= format.slotCount;
}

std::vector<AccountSlot> AccountSlots::readAll(const JournalFormatInfo& format) const {
    const IniDocument settings = IniFile(m_path).load();
    std::vector<AccountSlot> result;
    for (int k = 1; k <= format.slotCount; ++k) {
        result.push_back({settings.readString(kSection, accountKey(format, k), QString()),
                          settings.readString(kSection, chequeKey(format, k), QString())});
    }
    return result;
}

AccountSlot AccountSlots::read(const JournalFormatInfo& format, int account) const {
    if (!hasSlot(format, account))
        return {};
    const IniDocument settings = IniFile(m_path).load();
    return {settings.readString(kSection, accountKey(format, account), QString()),
            settings.readString(kSection, chequeKey(format, account), QString())};
}

std::optional<QString> AccountSlots::write(const JournalFormatInfo& format, int account,
                                           const AccountSlot& slot) {
    IniFile file(m_path);
    const bool saved = file.update([&](IniDocument& settings) {
        settings.writeString(kSection, accountKey(format, account),
                             slot.accountNumber.left(kStoredLength));
        settings.writeString(kSection, chequeKey(format, account),
                             slot.chequeNumber.left(kStoredLength));
    });
    return saved ? std::nullopt : std::optional<QString>(file.errorString());
}

std::optional<QString> AccountSlots::writeCheque(const JournalFormatInfo& format, int account,
                                                 const QString& chequeNumber) {
    IniFile file(m_path);
    if (file.writeString(kSection, chequeKey(format, account), chequeNumber.left(kAdvancedLength)))
        return std::nullopt;
    return file.errorString();
}
