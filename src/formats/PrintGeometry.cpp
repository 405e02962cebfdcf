#include "formats/PrintGeometry.h"

#include <cstdint>

namespace {

// Nearest integer to numerator / denominator (denominator > 0), halves away from zero.
int roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t magnitude = (numerator < 0 ? -numerator : numerator) * 2 + denominator;
    const std::int64_t quotient = magnitude / (2 * denominator);
    return int(numerator < 0 ? -quotient : quotient);
}

} // namespace

PrintGeometry::PrintGeometry(PrintMode mode, const ModeOffsets& offsets,
                             const PrinterGeometry& printer, bool stubShown, int stubHeightMm)
    : m_mode(mode), m_offsets(offsets), m_printer(printer), m_stubShown(stubShown),
      m_stubHeightMm(stubHeightMm) {}

int PrintGeometry::millimetresToPixels(int mm, int dpi) {
    return roundedQuotient(std::int64_t(mm) * 10 * dpi, 254);
}

int PrintGeometry::PixelsToMillimetres(int px, int dpi) {
    if (dpi <= 0)
        return 0;
    return roundedQuotient(std::int64_t(px) * 254, std::int64_t(dpi) * 10);
}

int PrintGeometry::MillimetresToPixelsX(int mm) const {
    const int x = Saisie_mmToPixelsX(mm);
    switch (m_mode) {
    case PrintMode::PrintCenterLaser:
        return Saisie_mmToPixelsX(m_offsets.laserX) + x;
    case PrintMode::PrintCentral:
        return Saisie_mmToPixelsX(kCentralX) + x;
    case PrintMode::PrintA4Bas:
        return Saisie_mmToPixelsX(m_offsets.a4BasX) + x;
    case PrintMode::PrintHorizontal:
    case PrintMode::PrintVertical:
    case PrintMode::PrintVertical2:
    case PrintMode::PrintVertical3:
        break;
    }
    return x;
}

int PrintGeometry::MillimetresToPixelsY(int mm) const {
    const int y = Saisie_mmToPixelsY(mm);
    const int stub = m_stubShown ? SoucheHauteur() : 0;
    switch (m_mode) {
    case PrintMode::PrintHorizontal:
        return y + stub;
    case PrintMode::PrintVertical:
        return Saisie_mmToPixelsY(m_offsets.stdY) + y;
    case PrintMode::PrintVertical2:
        return Saisie_mmToPixelsY(m_offsets.vertical2Y) + y + stub / 2;
    case PrintMode::PrintVertical3:
        return Saisie_mmToPixelsY(m_offsets.vertical3Y) + y + stub;
    case PrintMode::PrintCenterLaser:
        return Saisie_mmToPixelsY(m_offsets.laserY) + y + stub / 2;
    case PrintMode::PrintCentral:
        return Saisie_mmToPixelsY(kCentralY) + y;
    case PrintMode::PrintA4Bas:
        return Saisie_mmToPixelsY(m_offsets.a4BasY) + y;
    }
    return y;
}

QPoint PrintGeometry::devicePoint(int xMm, int yMm) const {
    return {MillimetresToPixelsX(xMm) - m_printer.offsetX,
            MillimetresToPixelsY(yMm) - m_printer.offsetY};
}

QPageLayout::Orientation PrintGeometry::orientation() const {
    return printModeInfo(m_mode).orientation;
}
