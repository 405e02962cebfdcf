#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>
#include <span>

/// The seven ways a printer takes a cheque, as stored under PRINT/Orientation.
enum class PrintMode {
    PrintHorizontal = 1,
    PrintVertical = 2,
    PrintCentral = 3,
    PrintCenterLaser = 4,
    PrintVertical2 = 5,
    PrintA4Bas = 6,
    PrintVertical3 = 7
};

/// What the program shows and stores for one print mode.
struct PrintModeInfo {
    PrintMode mode;
    const char* menuEntry;     // entry of ppmChoixOrientPrint
    const char* caption;       // menu caption
    const char* indicator;     // IndicOrientPrint
    const char* picture;       // picture on the cheque face
    const char* pictureKey;    // key of section PICTOPOSPRINT
    const char* choiceNotice;  // named in the chooser's change notice
    const char* oldChoiceText; // the chooser's "(L'ancien choix était le positionnement ..."
    QPageLayout::Orientation orientation;
};

/// The row of a mode.
const PrintModeInfo& printModeInfo(PrintMode mode);
/// Every mode in the menu's order: horizontal; vertical standard, 2, 3; laser, central; A4.
std::span<const PrintMode> printModesInMenuOrder();
/// The mode of a stored Orientation value; none for anything but 1 to 7.
std::optional<PrintMode> printModeFromStored(int stored);
