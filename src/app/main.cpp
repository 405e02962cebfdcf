#include "app/DesktopPlatform.h"
#include "app/MainFormQM.h"
#include "platform/FontSubstitutions.h"
#include "platform/InstanceLock.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilmet"));
    QApplication::setApplicationVersion(QStringLiteral(QUILMET_VERSION));

    InstanceLock lock;
    if (!lock.tryLock()) {
        QApplication::beep();
        return 0;
    }
    installFontSubstitutions();

    DesktopPlatform desktop;
    MainFormQM window(desktop.platform());
    desktop.dialogs().setParentWidget(&window);
    window.show();
    return QApplication::exec();
}
