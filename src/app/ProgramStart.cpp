#include "app/ProgramStart.h"

#include "app/ChequeSession.h"
#include "app/DesktopPlatform.h"
#include "app/MainFormQM.h"
#include "app/SplashScreen.h"
#include "platform/FontSubstitutions.h"
#include "platform/ImageTextMeasurer.h"
#include "platform/InstanceLock.h"
#include "platform/SystemPrinters.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int runProgram() {
    InstanceLock lock;
    if (!lock.tryLock()) {
        QApplication::beep();
        return 0;
    }
    installFontSubstitutions();
    DesktopPlatform desktop;
    Platform& platform = desktop.platform();
    SystemPrinters printers(platform.clock,
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                QStringLiteral("/Quilmet"));
    // No "printer missing" refusal: the built-in PDF printer is always there, and the
    // system's printers are listed only when the program first needs them.
    SplashScreen splash;
    splash.show();
    const ImageTextMeasurer measurer;
    ChequeSession session(platform, measurer, printers);
    MainFormQM window(platform, session, [&splash](int percent, const QString& text) {
        splash.setProgress(percent, text);
    });
    if (!window.isReady())
        return 1;
    desktop.dialogs().setParentWidget(&window);
    // Start-up timing: the program ends once its window is painted, without the close sequence.
    if (qEnvironmentVariableIsSet("QUILMET_QUIT_AFTER_FIRST_PAINT")) {
        QObject::connect(&window, &MainFormQM::firstPainted, qApp,
                         [] { QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); });
    }
    window.show();
    splash.close();
    return QApplication::exec();
}
