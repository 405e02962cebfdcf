#pragma once

#include "core/ChequeDate.h"
#include "core/DecimalMode.h"

#include <QObject>
#include <QString>

class Clipboard;
class ConversionHost;
class WordLines;
struct Platform;

/// The entry fields of the cheque face.
enum class EntryField { Amount, Beneficiary, Place, Date };

/// The four entry fields of the cheque face and the hidden working copies of the amount:
/// the amount as text + caret + selection with its key filter and change processing, paste
/// checking, the clear commands, the decimal options, and the beneficiary, place and date.
class ChequeEntry : public QObject {
    Q_OBJECT
public:
    static constexpr int kAmountMaxLength = 14;
    static constexpr int kBeneficiaryMaxLength = 117;
    static constexpr int kLastBeneficiaryLength = 150;
    static constexpr int kPlaceMaxLength = 30;
    static constexpr int kDateMaxLength = 24;

    ChequeEntry(Platform& platform, ConversionHost& host, WordLines& lines,
                QObject* parent = nullptr);

    // --- Amount in figures (`EditSaisieSomme`) ---
    QString amountText() const { return m_amount; }
    int amountSelStart() const { return m_selStart; }
    int amountSelLength() const { return m_selLength; }
    /// Sets the text as a program would (no key filter), caret at the end; a different text
    /// runs the change processing.
    void setAmountText(const QString& text);
    void setAmountSelection(int start, int length);
    void selectAllAmount() { setAmountSelection(0, static_cast<int>(m_amount.size())); }
    /// "0", "0,00" or "0,000": "Couper" and "Ajouter à la liste de sommes" are then disabled.
    bool isAmountZero() const;

    /// Hidden working copies: "." turned into ",", the integer part, the grouped amount.
    QString EditTransit() const { return m_transit; }
    QString EditNoVirgule() const { return m_noVirgule; }
    QString EditCurrency() const { return m_currency; }
    QString edtSom() const { return m_edtSom; }

    DecimalMode decimalMode() const { return m_mode; }
    /// Sets the mode as loaded, without touching the amount.
    void setDecimalMode(DecimalMode mode);
    bool resetZones() const { return m_resetZones; }
    void setResetZones(bool on) { m_resetZones = on; }
    bool isMainWindowShown() const { return m_mainWindowShown; }
    void setMainWindowShown(bool shown) { m_mainWindowShown = shown; }
    /// The "Valider" button (`btnRelaisConvertir`).
    bool isValidateButtonVisible() const { return m_validateVisible; }
    void setValidateButtonVisible(bool visible);

    /// The amount's key filter; Backspace is '\b'. True when the key reached the field.
    bool EditSaisieSommeKeyPress(QChar key);
    /// Escape (amount back to "0") and Delete.
    void EditSaisieSommeKeyDown(int key);
    /// Runs on every change of the amount.
    void EditSaisieSommeChange();

    /// "Coller": the clipboard text goes through the paste field and its checks.
    void ItemCollerClick(const Clipboard& clipboard);
    QString EditCollerValide() const { return m_paste; }
    void setEditCollerValide(const QString& text);
    /// "Couper".
    void ItemEffacerClick();
    /// The red "X" beside the amount.
    void GommeSaisieSomme();
    /// The red "X" beside the beneficiary.
    void GommeBeneficiaireClick();
    /// "Refuser les décimales" and "Forcer à trois décimales", which exclude each other.
    void cbNoDecimalClick(bool checked);
    void cb3decimalClick(bool checked);
    /// End of a conversion: puts back decimals the amount lost on 9- and 10-digit amounts.
    void AddDecMilliard();
    /// The amount exceeds the program's capacity: the warning on the cheque face and its box.
    void showCapacityOverflow();

    // --- Beneficiary, place, date ---
    QString beneficiary() const { return m_beneficiary; }
    QString place() const { return m_place; }
    QString date() const { return m_date; }
    void setBeneficiary(const QString& text);
    void setPlace(const QString& text);
    void setDate(const QString& text);
    /// The typed beneficiary, kept apart from the field which may carry fill marks.
    QString LastBeneficiary() const { return m_lastBeneficiary; }
    QString edtBen() const { return m_edtBen; }

    /// Key click; Enter is swallowed (false).
    bool EditBeneficiaireKeyPress(QChar key);
    bool EditLieuKeyPress(QChar key);
    bool EditDateKeyPress(QChar key);
    void EditBeneficiaireKeyUp();
    /// Enter, Up and Down move between the fields; Escape sets the amount to "0".
    void EditBeneficiaireKeyDown(int key);
    void EditLieuKeyDown(int key);
    void EditDateKeyDown(int key);

    /// The checked "Format date" entry, 1 to 4; 0 while none is.
    int dateStyle() const { return m_dateStyle; }
    void setDateStyle(int style);
    void DatageDefautClick();
    void DatageEspaceClick();
    void DatageTiretsClick();
    void DatageSlachClick();
    /// Today's date as written when the main window is first shown (no leading zeros).
    void writeStartDate();

    void requestFocus(EntryField field) { emit focusRequested(field); }

signals:
    void amountChanged();
    /// The amount after its normalisation, for the unit words.
    void amountProcessed(const QString& amount);
    void workingCopiesChanged();
    void fieldChanged(EntryField field);
    void validateButtonVisibleChanged(bool visible);
    void decimalModeChanged(DecimalMode mode);
    void dateStyleChanged(int style);
    void focusRequested(EntryField field);
    /// Enter in the beneficiary or the place: the control after it in the tab order.
    void focusNextRequested();
    void capacityExceeded();

private:
    void replaceAmount(const QString& text, int selStart, int selLength = 0);
    void deleteAmountSelection();
    void EditTransitChange();
    void EditCurrencyChange();
    void EditCollerValideChange();
    void refusePaste(const QString& text);
    void hideWordsAndPrinting();
    void setFieldText(QString& field, EntryField which, const QString& text);
    bool textFieldKeyPress(QChar key);
    void textFieldKeyDown(EntryField field, int key);
    void chooseDateStyle(DateStyle style);

    Platform& m_platform;
    ConversionHost& m_host;
    WordLines& m_lines;

    QString m_amount = QStringLiteral("0,00");
    int m_selStart = 0;
    int m_selLength = 0;
    QString m_transit;
    QString m_noVirgule;
    QString m_currency;
    QString m_edtSom;
    QString m_paste;
    DecimalMode m_mode = DecimalMode::Two;
    bool m_resetZones = false;
    bool m_mainWindowShown = false;
    bool m_validateVisible = false;
    bool m_decimalsFull = false;

    QString m_beneficiary;
    QString m_place;
    QString m_date;
    QString m_lastBeneficiary;
    QString m_edtBen;
    int m_dateStyle = 0;
};
