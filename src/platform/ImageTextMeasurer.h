#pragma once

#include "platform/TextMeasurer.h"

#include <QImage>

/// Measures on an off-screen image set to 96 dpi, so the result never depends on the display.
class ImageTextMeasurer : public TextMeasurer {
public:
    ImageTextMeasurer();
    int textWidth(const QString& text, const QFont& font) const override;

private:
    QImage m_device;
};
