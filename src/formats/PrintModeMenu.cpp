#include "formats/PrintModeMenu.h"

#include "formats/PrintModeSettings.h"

#include <QActionGroup>
#include <QMenu>

QMenu* buildPrintModeMenu(PrintModeSettings& settings, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ppmChoixOrientPrint"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (PrintMode mode : printModesInMenuOrder()) {
        const PrintModeInfo& info = printModeInfo(mode);
        // Every entry shows Ctrl+P, the shortcut of the print command that uses the mode.
        auto* action =
            menu->addAction(QString::fromUtf8(info.caption) + QStringLiteral("\tCtrl+P"));
        action->setObjectName(QString::fromLatin1(info.menuEntry));
        action->setCheckable(true);
        action->setChecked(settings.mode() == mode);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &settings,
                         [&settings, mode] { settings.setMode(mode); });
        QObject::connect(
            &settings, &PrintModeSettings::modeChanged, action,
            [action, mode](PrintMode current) { action->setChecked(current == mode); });
    }
    return menu;
}
