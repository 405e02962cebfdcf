#include "platform/FontSubstitutions.h"

#include <QApplication>
#include <gtest/gtest.h>

// Tests run with a real (offscreen) application object, as the program does: folders,
// fonts and widgets all need one.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
