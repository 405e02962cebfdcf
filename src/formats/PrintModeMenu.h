#pragma once

#include "formats/PrintMode.h"

#include <QMenu>

class PrintModeSettings;

/// The print-mode menu (`ppmChoixOrientPrint`): the seven modes, the current one checked.
class PrintModeMenu : public QMenu {
    Q_OBJECT
public:
    explicit PrintModeMenu(PrintModeSettings& modes, QWidget* parent = nullptr);

private:
    void checkMode(PrintMode mode);
};
