#include "app/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilmet"));
    QApplication::setApplicationVersion(QStringLiteral(QUILMET_VERSION));
    return runProgram();
}
