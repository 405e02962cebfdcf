#include "app/SplashScreen.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(447, 171);
    setStyleSheet(QStringLiteral(
        "#SplashScreen { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f1ffe7,"
        " stop:1 #c9e6ff); border: 1px solid #7a9cc0; }"
        "QLabel#Titre { font: bold 26px 'DejaVu Sans'; color: #203a70; }"));
    auto* title = new QLabel(QStringLiteral("Quilmet"), this);
    title->setObjectName(QStringLiteral("Titre"));
    title->setAlignment(Qt::AlignCenter);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblEtape"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashScreen::setProgress(int percent, const QString& text) {
    m_bar->setValue(percent);
    m_text->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
