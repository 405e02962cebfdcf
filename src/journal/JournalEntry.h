#pragma once

#include <QDateTime>
#include <QString>
#include <array>

/// The fill-mark style of the print, as the journal names it.
enum class FillTagStyle { NotSelected, NoTags, IdenticalCharacters, RepeatBeneficiary };

/// Everything one journal entry records of a printed cheque, collected at the moment of print.
struct JournalEntry {
    QDateTime printedAt;
    FillTagStyle tags = FillTagStyle::NotSelected;
    QString optionalLine;
    QString formatName; // display name, blanks kept
    int account = 0;    // 1..9, 0 when no account is selected
    QString accountNumber;
    QString chequeNumber; // the number just printed, before it advances
    // The upper stub: its block is written only when the stub panel is shown.
    bool stubShown = false;
    bool stubDate = false;
    bool stubBeneficiary = false;
    bool stubAmount = false;
    std::array<QString, 3> stubLines;
    // The amount in words as shown on screen, fill marks included.
    std::array<QString, 3> wordsLines;
    bool threeLineFormat = false;
    QString currencyPlural; // UMonaieS, e.g. "euros"
    QString figures;        // the amount as typed
    QString beneficiary;
    QString place;
    QString date;
};
