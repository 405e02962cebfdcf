#pragma once

#include <QString>

/// What the amount entry and its conversion ask of the rest of the main window (format
/// choice, printing, line fitting, stub, lists, giant display, currency converter). The main
/// window implements it; every operation does nothing by default.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    /// False while no bank format is chosen yet; the conversion then opens the choice instead.
    virtual bool formatChosen() const { return true; }
    virtual void openFormatChoice() {}
    /// The print button together with the seven print-mode pictures.
    virtual void setPrintButtonVisible(bool) {}
    /// Shows the print button when beneficiary, place and date are filled.
    virtual void checkFieldsFilled() {}
    /// Line fitting of the finished words: entry refresh and line visibility, copy to the
    /// wrapping memo, screen fonts and split onto the word lines, line-start hyphen move.
    virtual void fitWords(const QString& amountWords) { (void)amountWords; }
    /// Empties the label that shows the amount in figures as printed (`LabelCurrency`).
    virtual void clearFiguresLabel() {}
    /// Empties the three word-line control lines of the control tab.
    virtual void clearControlLines() {}
    /// Empties the beneficiary control line of the control tab.
    virtual void clearBeneficiaryControlLine() {}
    /// The currency-conversion line: computed and shown (or hidden when switched off).
    virtual void showConversionLine() {}
    virtual void hideConversionLine() {}
    /// The giant display of the amount, when it is switched on.
    virtual void refreshBigDigits() {}
    virtual void showBigDigitsOverflow() {}
    /// True when the priority amount option is on and its text is not empty.
    virtual bool priorityAmountActive() const { return false; }
    virtual void clearPriorityAmount() {}
    /// The three lines of the upper stub.
    virtual bool stubLinesEmpty() const { return true; }
    virtual void clearStubLines() {}
};
