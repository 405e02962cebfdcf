#pragma once

#include "formats/FieldPositions.h"

#include <QPoint>
#include <QString>
#include <span>

/// Per-format print adjustments: an element is drawn with its top-left corner at
/// (x + dx, y - dy) millimetres of its position fields.
struct PrintAdjustments {
    int wordsDy = 0; // every word line
    int beneficiaryDy = 0;
    int figuresDy = 0;
    int placeDateDy = 0;
    int beneficiaryDx = 0;
    int figuresDx = 0;
    int placeDx = 0;
    int dateDx = 0;

    bool operator==(const PrintAdjustments&) const = default;
};

/// One bank cheque format of the catalogue: identifiers, keys, adjustments and positions.
struct BankFormat {
    int number = 0;             // 2 to 27: the value stored under CHOIX BANQUE/Banque
    QString menuEntry;          // entry of ppmChoixBanque, e.g. "AXA"
    QString nameKey;            // key of section NOMS BANQUES
    QString defaultDisplayName; // menu and tab caption until the user renames it
    QString page;               // page of PageCtrlBase holding the tab; empty for CESU
    QString formatTab;          // e.g. "OngletAXA"
    QString defaultButton;      // e.g. "BtnAxParDefaut"
    QString editSuffix;         // position fields are Edit<n>Bq<suffix>
    QString positionsPrefix;    // keys <prefix><n> of section BANQUES
    QString accountName;        // keys Compte<k><name> and Cheque<k><name> of CHOIX BANQUE
    QString stubPrefix;         // <prefix>Cpt<k>... keys of the upper stub
    QString backPrefix;         // <prefix>Cpt<k>... keys of the back of the cheque
    QString oldJournalCode;     // earlier versions' journal: J_<code><k><suffix>.TXT
    QString oldJournalSuffix;
    QString journalMarker;    // put before the account number in journal names: "", "3L-", "_"
    QString printRoutine;     // PrintChq<format>
    QString selectionRoutine; // Interface<format>
    int lineCount = 2;        // lines of words on the cheque
    int accountCount = 3;     // account slots
    PrintAdjustments adjustments;
    FieldPositions factoryPositions; // restored by the default button
    FieldPositions startupPositions; // taken when the settings file lacks a key

    /// Field numbers this format uses: 1 to 14 and 16, plus 15, 30, 31 with three lines.
    std::span<const int> fieldNumbers() const;
    bool hasField(int n) const;
    /// Key of field n in section BANQUES.
    QString positionKey(int n) const { return positionsPrefix + QString::number(n); }
    /// Name of the spin edit of field n.
    QString editName(int n) const;
    /// File name earlier versions gave the journal of account k.
    QString oldJournalFileName(int account) const;
    /// The caption shown for a display name: without its "&" accelerators.
    static QString caption(const QString& displayName);

    /// Top-left corner of a printed element in cheque millimetres, adjustments applied.
    QPoint anchorMm(ChequeField element, const FieldPositions& positions) const;
};
