#include "formats/PrintGeometry.h"

#include "formats/BankFormatCatalogue.h"
#include "formats/ScreenScale.h"

#include <gtest/gtest.h>

using enum PrintMode;

TEST(PrintGeometry, MillimetresToPixelsIsTheNearestIntegerHalvesAwayFromZero) {
    struct Case {
        int mm;
        int dpi;
        int pixels;
    };
    const Case cases[] = {{47, 300, 555}, {20, 300, 236},  {-47, 300, -555}, {0, 300, 0},
                          {1, 254, 10},   {3, 127, 15},    {1, 600, 24},     {-1, 600, -24},
                          {17, 300, 201}, {129, 600, 3047}};
    for (const Case& c : cases)
        EXPECT_EQ(PrintGeometry::millimetresToPixels(c.mm, c.dpi), c.pixels)
            << c.mm << " mm at " << c.dpi;
}

TEST(PrintGeometry, PixelsToMillimetresIsTheNearestWholeMillimetre) {
    struct Case {
        int px;
        int dpi;
        int mm;
    };
    const Case cases[] = {{555, 300, 47}, {5, 254, 1},  {-5, 254, -1}, {15, 254, 2},
                          {4, 254, 0},    {14, 254, 1}, {10, 0, 0},    {10, -300, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PrintGeometry::PixelsToMillimetres(c.px, c.dpi), c.mm) << c.px << " px";
}

TEST(PrintGeometry, EachModeAddsItsOffsetsOnItsOwnAxisResolution) {
    // 600 dpi across and 300 down, so that any axis mix-up shows; factory offsets, no stub.
    struct Case {
        PrintMode mode;
        int x;
        int y;
    };
    const Case cases[] = {
        {PrintHorizontal, 1110, 236},
        {PrintVertical, 1110, 1524 + 236},
        {PrintVertical2, 1110, 756 + 236},
        {PrintVertical3, 1110, 236},
        {PrintCenterLaser, 2858 + 1110, 756 + 236},
        {PrintCentral, 425 + 1110, 1335 + 236},
        {PrintA4Bas, 827 + 1110, 2539 + 236},
    };
    const PrinterGeometry printer{600, 300, 0, 0};
    for (const Case& c : cases) {
        const PrintGeometry geometry(c.mode, ModeOffsets{}, printer);
        EXPECT_EQ(geometry.MillimetresToPixelsX(47), c.x) << int(c.mode);
        EXPECT_EQ(geometry.MillimetresToPixelsY(20), c.y) << int(c.mode);
    }
}

TEST(PrintGeometry, TheStubMovesTheChequeDownOnlyInTheModesThatTakeIt) {
    struct Case {
        PrintMode mode;
        int stub20; // stub of 20 mm: 236 pixels
        int stub17; // stub of 17 mm: 201 pixels, half 100
    };
    const Case cases[] = {
        {PrintHorizontal, 236 + 236, 236 + 201},
        {PrintVertical, 1524 + 236, 1524 + 236},
        {PrintVertical2, 756 + 236 + 118, 756 + 236 + 100},
        {PrintVertical3, 236 + 236, 236 + 201},
        {PrintCenterLaser, 756 + 236 + 118, 756 + 236 + 100},
        {PrintCentral, 1335 + 236, 1335 + 236},
        {PrintA4Bas, 2539 + 236, 2539 + 236},
    };
    const PrinterGeometry printer{300, 300, 0, 0};
    for (const Case& c : cases) {
        EXPECT_EQ(PrintGeometry(c.mode, {}, printer, true, 20).MillimetresToPixelsY(20), c.stub20)
            << int(c.mode);
        EXPECT_EQ(PrintGeometry(c.mode, {}, printer, true, 17).MillimetresToPixelsY(20), c.stub17)
            << int(c.mode);
        EXPECT_EQ(PrintGeometry(c.mode, {}, printer, false, 20).SoucheHauteur(), 236);
    }
}

TEST(PrintGeometry, AdjustedOffsetsAreUsed) {
    ModeOffsets offsets;
    offsets.stdY = 10;
    offsets.vertical2Y = 1;
    offsets.vertical3Y = 2;
    offsets.laserX = 3;
    offsets.laserY = 4;
    offsets.a4BasX = 5;
    offsets.a4BasY = 6;
    const PrinterGeometry printer{254, 254, 0, 0}; // 10 pixels a millimetre
    EXPECT_EQ(PrintGeometry(PrintVertical, offsets, printer).MillimetresToPixelsY(1), 110);
    EXPECT_EQ(PrintGeometry(PrintVertical2, offsets, printer).MillimetresToPixelsY(1), 20);
    EXPECT_EQ(PrintGeometry(PrintVertical3, offsets, printer).MillimetresToPixelsY(1), 30);
    EXPECT_EQ(PrintGeometry(PrintCenterLaser, offsets, printer).MillimetresToPixelsX(1), 40);
    EXPECT_EQ(PrintGeometry(PrintCenterLaser, offsets, printer).MillimetresToPixelsY(1), 50);
    EXPECT_EQ(PrintGeometry(PrintA4Bas, offsets, printer).MillimetresToPixelsX(1), 60);
    EXPECT_EQ(PrintGeometry(PrintA4Bas, offsets, printer).MillimetresToPixelsY(1), 70);
    // The central mode's offsets are fixed.
    EXPECT_EQ(PrintGeometry(PrintCentral, offsets, printer).MillimetresToPixelsX(1), 190);
    EXPECT_EQ(PrintGeometry(PrintCentral, offsets, printer).MillimetresToPixelsY(1), 1140);
}

TEST(PrintGeometry, BnpWordsLineOneLandsAt555By236At300Dpi) {
    const BankFormat& bnp = *BankFormatCatalogue::standard().byNumber(7);
    const QPoint anchor = bnp.anchorMm(ChequeField::WordsLine1, bnp.factoryPositions);
    const PrintGeometry geometry(PrintHorizontal, {}, {300, 300, 0, 0});
    EXPECT_EQ(geometry.devicePoint(anchor.x(), anchor.y()), QPoint(555, 236));
}

TEST(PrintGeometry, PhysicalOffsetsAreSubtractedFromDevicePoints) {
    const PrintGeometry geometry(PrintHorizontal, {}, {300, 300, 50, 30});
    EXPECT_EQ(geometry.devicePoint(47, 20), QPoint(505, 206));
    EXPECT_EQ(geometry.devicePoint(0, 0), QPoint(-50, -30));
    EXPECT_EQ(geometry.PixelsParPouce(), 300);
}

TEST(PrintGeometry, PlainConversionsIgnoreTheModeOffsets) {
    const PrintGeometry geometry(PrintA4Bas, {}, {600, 300, 10, 10}, true, 20);
    EXPECT_EQ(geometry.Saisie_mmToPixelsX(47), 1110);
    EXPECT_EQ(geometry.Saisie_mmToPixelsY(47), 555);
}

TEST(PrintGeometry, TheVerticalModesPrintInLandscape) {
    for (int stored = 1; stored <= 7; ++stored) {
        const PrintMode mode = PrintMode(stored);
        const bool vertical = mode == PrintVertical || mode == PrintVertical2 ||
                              mode == PrintVertical3 || mode == PrintCenterLaser;
        EXPECT_EQ(PrintGeometry(mode, {}, {}).orientation(),
                  vertical ? QPageLayout::Landscape : QPageLayout::Portrait)
            << stored;
    }
}

TEST(ScreenScale, TruncatesAcrossByTwentySixAndDownByThirty) {
    EXPECT_EQ(ScreenScale::millimetresToPixelsX(47), 180); // 4700 / 26 = 180.7
    EXPECT_EQ(ScreenScale::millimetresToPixelsX(13), 50);
    EXPECT_EQ(ScreenScale::millimetresToPixelsY(20), 66); // 2000 / 30 = 66.7
    EXPECT_EQ(ScreenScale::millimetresToPixelsY(0), 0);
}
