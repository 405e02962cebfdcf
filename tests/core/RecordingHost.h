#pragma once

#include "core/ConversionHost.h"

#include <QStringList>
#include <functional>

/// Records what the entry and the conversion ask of the main window, with scripted state.
class RecordingHost : public ConversionHost {
public:
    bool formatChosen() const override { return chosen; }
    void openFormatChoice() override { calls << QStringLiteral("openFormatChoice"); }
    void setPrintButtonVisible(bool visible) override {
        printVisible = visible;
        calls << (visible ? QStringLiteral("showPrint") : QStringLiteral("hidePrint"));
    }
    void checkFieldsFilled() override { calls << QStringLiteral("checkFieldsFilled"); }
    void fitWords(const QString& amountWords) override {
        fitted << amountWords;
        if (fit)
            fit(amountWords);
    }
    void clearFiguresLabel() override { calls << QStringLiteral("clearFiguresLabel"); }
    void clearControlLines() override { calls << QStringLiteral("clearControlLines"); }
    void clearBeneficiaryControlLine() override {
        calls << QStringLiteral("clearBeneficiaryControlLine");
    }
    void showConversionLine() override { calls << QStringLiteral("showConversionLine"); }
    void hideConversionLine() override { calls << QStringLiteral("hideConversionLine"); }
    void refreshBigDigits() override { calls << QStringLiteral("refreshBigDigits"); }
    void showBigDigitsOverflow() override { calls << QStringLiteral("showBigDigitsOverflow"); }
    bool priorityAmountActive() const override { return priorityAmount; }
    void clearPriorityAmount() override { calls << QStringLiteral("clearPriorityAmount"); }
    bool stubLinesEmpty() const override { return stubEmpty; }
    void clearStubLines() override {
        stubEmpty = true;
        calls << QStringLiteral("clearStubLines");
    }

    bool chosen = true;
    bool priorityAmount = false;
    bool stubEmpty = true;
    bool printVisible = false;
    QStringList calls;
    QStringList fitted;
    std::function<void(const QString&)> fit; // stands in for the line fitting
};
