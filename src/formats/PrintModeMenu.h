#pragma once

class PrintModeSettings;
class QMenu;
class QWidget;

/// Builds the popup menu `ppmChoixOrientPrint`: the seven print modes, the current one
/// checked, each entry a mode command. The face and the settings tabs share it.
QMenu* buildPrintModeMenu(PrintModeSettings& settings, QWidget* parent);
