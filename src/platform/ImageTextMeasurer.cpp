#include "platform/ImageTextMeasurer.h"

#include <QFontMetrics>

namespace {
// 96 dots per inch, the resolution the cheque lines were designed at.
constexpr int referenceDotsPerMeter = 3780;
} // namespace

ImageTextMeasurer::ImageTextMeasurer() : m_device(1, 1, QImage::Format_ARGB32_Premultiplied) {
    m_device.setDotsPerMeterX(referenceDotsPerMeter);
    m_device.setDotsPerMeterY(referenceDotsPerMeter);
}

int ImageTextMeasurer::textWidth(const QString& text, const QFont& font) const {
    return QFontMetrics(font, &m_device).horizontalAdvance(text);
}
