#pragma once

#include "journal/AccountSlots.h"
#include "journal/JournalFormatInfo.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <optional>

class IniDocument;
struct Platform;

/// The main window's account state: current format and account, the account number panel
/// (RbPanelNumeroCpt) and cheque number panel (RbPanelNumeroChq), the account marks and the
/// indicator of accounts 4 to 9.
class CurrentAccount : public QObject {
    Q_OBJECT
public:
    explicit CurrentAccount(Platform& platform, QObject* parent = nullptr);

    /// Null when no format is chosen.
    const JournalFormatInfo* format() const { return m_format ? &*m_format : nullptr; }
    int account() const { return m_account; }
    const QString& accountNumber() const { return m_accountNumber; }
    const QString& chequeNumber() const { return m_chequeNumber; }
    /// The label of the indicator of accounts 4 to 9; hidden for 1 to 3.
    bool indicatorVisible() const { return m_indicatorVisible; }
    QString indicatorText() const { return QString::number(m_account); }
    /// Border colour of account mark 1, 2 or 3: its own colour when current, else grey.
    QColor markColour(int mark) const;

    /// CHOIX BANQUE/Compte, NumCptEnCours, NumChqEnCours.
    void load(const IniDocument& settings);
    void save(IniDocument& settings) const;

    /// Applies a format (null: none). Once the main window was shown the panels take account
    /// 1's stored numbers; before, they keep what was loaded. Both then get the checks.
    void AffecteNumeroChqEtCpt(const JournalFormatInfo* format, bool mainWindowShown);
    /// Empties both panels and makes account 1 current, indicator hidden.
    void RAZ_NumeroChqAndCpt();
    /// Empties a cheque panel whose first or second character is not a digit.
    void Protect_Sign_Aleat_Chq();
    /// Empties an account panel shorter than 5 characters.
    void Protect_Sign_Aleat_Cpt();

    /// What validation in the account window makes current.
    void setCurrent(int account, const QString& accountNumber, const QString& chequeNumber);
    /// Closing the account window: the indicator shows accounts 4 to 9.
    void accountWindowClosed();

    /// False, after the alert and the message, when no format is chosen.
    bool mayOpenAccountWindow();

    /// Advances the cheque panel by one, keeping its width, and stores it in the current
    /// slot. An empty panel stays empty (and is stored empty). On failure the French message
    /// shown is returned.
    std::optional<QString> IncrementerChqMemory();

    static constexpr const char* kNoFormatName = "AUCUN FORMAT SÉLECTIONNÉ";
    static constexpr const char* kTitle = "Numéros de comptes et de chèques...";

signals:
    void changed();

private:
    std::optional<QString> fail(const QString& text);

    Platform& m_platform;
    AccountSlots m_slots;
    std::optional<JournalFormatInfo> m_format;
    int m_account = 0;
    QString m_accountNumber;
    QString m_chequeNumber;
    bool m_indicatorVisible = false;
};
