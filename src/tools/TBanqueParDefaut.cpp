#include "tools/TBanqueParDefaut.h"

#include "formats/CurrentFormat.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

TBanqueParDefaut::TBanqueParDefaut(const CurrentFormat& current, QWidget* parent)
    : QDialog(parent), m_current(current) {
    setObjectName(QStringLiteral("BanqueParDefaut"));
    setWindowTitle(QStringLiteral("Format d'impression de chèques..."));
    setFixedWidth(460);

    auto* text = new QLabel(QStringLiteral(
        "<p style='font-size:15px'><b>Bienvenue dans Quilmet !</b></p>"
        "<p>Pour écrire vos chèques à la bonne place, choisissez d'abord le format de "
        "chèques de votre banque :</p>"
        "<p>1. Appuyez sur le bouton ci-dessous ;<br>"
        "2. Cliquez sur le format de votre banque dans le menu qui s'ouvre.</p>"
        "<p>Si votre format diffère ou manque, voyez les questions 32 et 60 de la Foire Aux "
        "Questions (touche F1).</p>"));
    text->setObjectName(QStringLiteral("lblAccueil"));
    text->setWordWrap(true);

    m_choisirBtn = new QPushButton(QStringLiteral("Choisir votre format d'impression de chèques"));
    m_choisirBtn->setObjectName(QStringLiteral("ChoisirBtn"));
    m_choisirBtn->setMinimumHeight(36);
    m_choisirBtn->setDefault(true);
    m_validated = new QLabel(QStringLiteral("Votre choix de format de chèques est validé"));
    m_validated->setObjectName(QStringLiteral("lblChoixValide"));
    m_validated->setAlignment(Qt::AlignCenter);
    m_validated->setStyleSheet(QStringLiteral("color: rgb(0, 110, 40); font-weight: bold;"));

    m_choice = new QStackedLayout;
    m_choice->addWidget(m_choisirBtn);
    m_choice->addWidget(m_validated);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(text);
    layout->addLayout(m_choice);

    connect(m_choisirBtn, &QPushButton::clicked, this, &TBanqueParDefaut::ChoisirBtnClick);
    m_halfSecond.setInterval(500);
    m_fiveSeconds.setInterval(5000);
    connect(&m_halfSecond, &QTimer::timeout, this, &TBanqueParDefaut::halfSecondTick);
    connect(&m_fiveSeconds, &QTimer::timeout, this, &TBanqueParDefaut::fiveSecondTick);
    m_halfSecond.start();
    m_fiveSeconds.start();
}

void TBanqueParDefaut::ChoisirBtnClick() {
    if (!m_halfSecond.isActive())
        m_halfSecond.start();
    if (!m_current.hasFormat())
        emit formatMenuRequested();
}

void TBanqueParDefaut::halfSecondTick() {
    if (!m_current.hasFormat())
        return;
    QApplication::beep();
    m_choice->setCurrentWidget(m_validated);
    m_halfSecond.stop();
    if (!m_fiveSeconds.isActive())
        m_fiveSeconds.start();
}

void TBanqueParDefaut::fiveSecondTick() {
    if (!m_current.hasFormat())
        return;
    m_fiveSeconds.stop();
    accept();
}
