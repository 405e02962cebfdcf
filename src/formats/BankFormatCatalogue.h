#pragma once

#include "formats/BankFormat.h"

#include <QFont>
#include <QStringView>
#include <vector>

/// The 26 bank cheque formats, numbered 2 to 27 in menu order (1 stands for "no format").
class BankFormatCatalogue {
public:
    static constexpr int kNoFormat = 1;
    static constexpr int kFirstNumber = 2;
    static constexpr int kLastNumber = 27;

    BankFormatCatalogue();
    /// The one shared, read-only catalogue.
    static const BankFormatCatalogue& standard();

    /// Every format in menu order.
    const std::vector<BankFormat>& formats() const { return m_formats; }
    /// Format number 2 to 27; nullptr for any other number.
    const BankFormat* byNumber(int number) const;
    /// Lookups by identifier, without regard to case, as settings keys are matched.
    const BankFormat* byEditSuffix(QStringView suffix) const;
    const BankFormat* byNameKey(QStringView nameKey) const;
    const BankFormat* byAccountName(QStringView accountName) const;

    /// Font of an element while "Fonte par défaut" is on; the same for every format.
    static QFont defaultFont(ChequeField element);

private:
    std::vector<BankFormat> m_formats;
};
