#pragma once

#include "platform/TextMeasurer.h"

/// Every character is as wide as its font's weight says, so line splits and fills can be
/// worked out by counting characters.
class FixedWidthTextMeasurer : public TextMeasurer {
public:
    explicit FixedWidthTextMeasurer(int regularPixels = 10, int boldPixels = 10)
        : regular(regularPixels), bold(boldPixels) {}

    int textWidth(const QString& text, const QFont& font) const override {
        return static_cast<int>(text.size()) * (font.bold() ? bold : regular);
    }

    int regular;
    int bold;
};
