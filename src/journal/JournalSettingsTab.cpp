#include "journal/JournalSettingsTab.h"

#include "journal/Journal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

JournalSettingsTab::JournalSettingsTab(Journal& journal, QWidget* parent)
    : QWidget(parent), m_journal(journal) {
    setObjectName(QStringLiteral("JournalSettingsTab"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* box = new QGroupBox(QStringLiteral(" Journal des écritures "), this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(6, 2, 6, 4);

    auto* lampRow = new QHBoxLayout;
    auto* lamp = new QLabel(box);
    lamp->setObjectName(QStringLiteral("LedU"));
    lamp->setFixedSize(14, 14);
    lamp->setStyleSheet(QStringLiteral("background: #20c020; border: 1px solid #106010; "
                                       "border-radius: 7px;"));
    auto* activation = new QLabel(box);
    activation->setObjectName(QStringLiteral("lblActivationU"));
    lampRow->addWidget(lamp);
    lampRow->addWidget(activation);
    lampRow->addStretch();
    boxLayout->addLayout(lampRow);

    auto* single = new QCheckBox(QStringLiteral(" Journal unique"), box);
    single->setObjectName(QStringLiteral("cbJournalUnique"));
    single->setToolTip(QStringLiteral("Un seul journal pour tous les formats et tous les comptes"));
    auto* inverted = new QCheckBox(QStringLiteral("Écritures inversées"), box);
    inverted->setObjectName(QStringLiteral("cbInversEcritures"));
    inverted->setToolTip(QStringLiteral("La dernière écriture en tête du journal"));
    boxLayout->addWidget(single);
    boxLayout->addWidget(inverted);
    boxLayout->addStretch();
    layout->addWidget(box);
    auto* later = new QLabel(QStringLiteral("Disponible dans une prochaine version."), this);
    later->setEnabled(false);
    layout->addWidget(later, 1);

    connect(single, &QCheckBox::clicked, &journal, &Journal::setSingle);
    connect(inverted, &QCheckBox::clicked, &journal, &Journal::setInverted);
    connect(&journal, &Journal::changed, this, &JournalSettingsTab::refresh);
    refresh();
}

void JournalSettingsTab::refresh() {
    findChild<QLabel*>(QStringLiteral("LedU"))->setVisible(m_journal.isOn());
    findChild<QLabel*>(QStringLiteral("lblActivationU"))->setText(m_journal.activationText());
    findChild<QCheckBox*>(QStringLiteral("cbJournalUnique"))->setChecked(m_journal.isSingle());
    findChild<QCheckBox*>(QStringLiteral("cbInversEcritures"))->setChecked(m_journal.isInverted());
}
