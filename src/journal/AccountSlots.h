#pragma once

#include "journal/JournalFormatInfo.h"

#include <QString>
#include <optional>
#include <vector>

/// The account and next cheque number of one account of a format.
struct AccountSlot {
    QString accountNumber;
    QString chequeNumber;
};

/// The account slots in section CHOIX BANQUE of the settings file: Compte<k><bank key> and
/// Cheque<k><bank key>. Every write reaches the disk at once and safely.
class AccountSlots {
public:
    explicit AccountSlots(QString settingsPath);

    static QString accountKey(const JournalFormatInfo& format, int account);
    static QString chequeKey(const JournalFormatInfo& format, int account);
    /// True when `account` is one of the format's slots (1..slotCount).
    static bool hasSlot(const JournalFormatInfo& format, int account);

    /// Slots 1..slotCount of the format, empty texts where keys are missing.
    std::vector<AccountSlot> readAll(const JournalFormatInfo& format) const;
    AccountSlot read(const JournalFormatInfo& format, int account) const;

    /// Stores both numbers (first 13 characters each); the French error naming the file
    /// when the settings file could not be written.
    std::optional<QString> write(const JournalFormatInfo& format, int account,
                                 const AccountSlot& slot);
    /// Stores the advanced cheque number (first 14 characters).
    std::optional<QString> writeCheque(const JournalFormatInfo& format, int account,
                                       const QString& chequeNumber);

    static constexpr qsizetype kStoredLength = 13;
    static constexpr qsizetype kAdvancedLength = 14;

private:
    QString m_path;
};
