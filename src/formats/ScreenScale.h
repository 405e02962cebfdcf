#pragma once

/// The on-screen cheque's scale: millimetres to screen pixels, truncated.
class ScreenScale {
public:
    /// mm × 100 div 26.
    static int millimetresToPixelsX(int mm) { return mm * 100 / 26; }
    /// mm × 100 div 30.
    static int millimetresToPixelsY(int mm) { return mm * 100 / 30; }
};
