#include "formats/PrintModeMenu.h"

#include "formats/PrintModeSettings.h"

#include <QActionGroup>

PrintModeMenu::PrintModeMenu(PrintModeSettings& modes, QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("ppmChoixOrientPrint"));
    auto* group = new QActionGroup(this);
    for (const PrintMode mode : printModesInMenuOrder()) {
        const PrintModeInfo& info = printModeInfo(mode);
        // The entries show Ctrl+P as a reminder: that key prints in the chosen mode.
        QAction* action = addAction(QString::fromUtf8(info.caption) + QStringLiteral("\tCtrl+P"));
        action->setObjectName(QString::fromLatin1(info.menuEntry));
        action->setCheckable(true);
        action->setData(static_cast<int>(mode));
        group->addAction(action);
        connect(action, &QAction::triggered, &modes, [&modes, mode] { modes.setMode(mode); });
    }
    connect(&modes, &PrintModeSettings::modeChanged, this, &PrintModeMenu::checkMode);
    checkMode(modes.mode());
}

void PrintModeMenu::checkMode(PrintMode mode) {
    for (QAction* action : actions())
        action->setChecked(action->data().toInt() == static_cast<int>(mode));
}
