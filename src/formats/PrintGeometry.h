#pragma once

#include "formats/ModeOffsets.h"
#include "formats/PrintMode.h"
#include "platform/PrinterGeometry.h"

#include <QPoint>

/// Cheque millimetres to printer pixels in one print mode, for one printer.
class PrintGeometry {
public:
    /// `stubShown` and `stubHeightMm`: the upper stub moves the cheque down in some modes.
    PrintGeometry(PrintMode mode, const ModeOffsets& offsets, const PrinterGeometry& printer,
                  bool stubShown = false, int stubHeightMm = 17);

    /// Pixels nearest to mm × 10 × dpi / 254, halves away from zero.
    static int millimetresToPixels(int mm, int dpi);
    /// Whole millimetres nearest to px × 25.4 / dpi, halves away from zero; 0 for dpi <= 0.
    static int PixelsToMillimetres(int px, int dpi);

    /// Horizontal page position of x cheque millimetres in the current mode.
    int MillimetresToPixelsX(int mm) const;
    /// Vertical page position of y cheque millimetres, stub term included where the mode has it.
    int MillimetresToPixelsY(int mm) const;
    /// Plain conversions with the printer's horizontal or vertical resolution, no offset.
    int Saisie_mmToPixelsX(int mm) const { return millimetresToPixels(mm, m_printer.dpiX); }
    int Saisie_mmToPixelsY(int mm) const { return millimetresToPixels(mm, m_printer.dpiY); }
    /// The upper-stub height in vertical printer pixels.
    int SoucheHauteur() const { return Saisie_mmToPixelsY(m_stubHeightMm); }
    /// The device pixel where a point of the cheque is drawn: the mode's position less the
    /// printer's physical offsets.
    QPoint devicePoint(int xMm, int yMm) const;

    int PixelsParPouce() const { return m_printer.dpiX; }
    QPageLayout::Orientation orientation() const;

    static constexpr int kCentralX = 18;
    static constexpr int kCentralY = 113;

private:
    PrintMode m_mode;
    ModeOffsets m_offsets;
    PrinterGeometry m_printer;
    bool m_stubShown;
    int m_stubHeightMm;
};
