#include "app/MainFormQM.h"

#include "platform/Platform.h"

MainFormQM::MainFormQM(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("MainFormQM"));
    setWindowTitle(QStringLiteral("Quilmet"));
    resize(800, 420);
}
