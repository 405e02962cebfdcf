#pragma once

/// What the print geometry needs of a printer: resolution per axis in dots per inch and the
/// physical offsets of its printable area in device pixels.
struct PrinterGeometry {
    int dpiX = 300;
    int dpiY = 300;
    int offsetX = 0;
    int offsetY = 0;
};
