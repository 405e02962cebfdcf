#include "core/ControlSettingsTab.h"

#include "core/ChequeEntry.h"
#include "core/LineFitting.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct DateEntry {
    const char* name;
    const char* caption;
    void (ChequeEntry::*click)();
};

const DateEntry kDateStyles[] = {
    {"DatageDefaut", "14 mai 2007 (par défaut)", &ChequeEntry::DatageDefautClick},
    {"DatageEspace", "14 05 2007", &ChequeEntry::DatageEspaceClick},
    {"DatageTirets", "14-05-2007", &ChequeEntry::DatageTiretsClick},
    {"DatageSlach", "14/05/2007", &ChequeEntry::DatageSlachClick},
};

struct FillEntry {
    const char* name;
    const char* caption;
    FillStyle style;
    void (LineFitting::*click)(const QString&);
};

const FillEntry kFills[] = {
    {"rbTagsChars", "Ajout de tags en caractères identiques", FillStyle::IdenticalChars,
     &LineFitting::rbTagsCharsClick},
    {"rbTags", "Refuser les tags", FillStyle::NoTags, &LineFitting::rbTagsClick},
    {"rbTagsLine", "Ajout tags suivant libellé du bénéficiaire", FillStyle::BeneficiaryName,
     &LineFitting::rbTagsLineClick},
};

const char* const kControlLines[] = {"lblCTRL_L1", "lblCTRL_L2", "lblCTRL_L3", "lblCTRL_LBenef"};

QGroupBox* group(QWidget* parent, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    return box;
}

} // namespace

ControlSettingsTab::ControlSettingsTab(Page page, ChequeEntry& entry, LineFitting& fitting,
                                       QWidget* parent)
    : QWidget(parent), m_page(page), m_entry(entry), m_fitting(fitting) {
    if (page == Page::First)
        buildFirst();
    else
        buildSecond();
    refresh();
}

void ControlSettingsTab::buildFirst() {
    setObjectName(QStringLiteral("ControlSettingsTab1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    auto* amount = group(this, QStringLiteral(" Somme en chiffres "));
    auto* noDecimal = new QCheckBox(QStringLiteral("Refuser les décimales"), amount);
    noDecimal->setObjectName(QStringLiteral("cbNoDecimal"));
    auto* threeDecimals = new QCheckBox(QStringLiteral("Forcer à trois décimales"), amount);
    threeDecimals->setObjectName(QStringLiteral("cb3decimal"));
    auto* reset = new QCheckBox(QStringLiteral("Zones de reset"), amount);
    reset->setObjectName(QStringLiteral("cbReset"));
    reset->setToolTip(QStringLiteral("Les gommes effacent aussi la somme, les lignes en lettres "
                                     "et la souche"));
    amount->layout()->addWidget(noDecimal);
    amount->layout()->addWidget(threeDecimals);
    amount->layout()->addWidget(reset);
    qobject_cast<QVBoxLayout*>(amount->layout())->addStretch();
    layout->addWidget(amount);
    connect(noDecimal, &QCheckBox::clicked, &m_entry, &ChequeEntry::cbNoDecimalClick);
    connect(threeDecimals, &QCheckBox::clicked, &m_entry, &ChequeEntry::cb3decimalClick);
    connect(reset, &QCheckBox::clicked, &m_entry, &ChequeEntry::setResetZones);

    auto* date = group(this, QStringLiteral(" Format date "));
    for (const DateEntry& style : kDateStyles) {
        auto* radio = new QRadioButton(QString::fromUtf8(style.caption), date);
        radio->setObjectName(QString::fromLatin1(style.name));
        date->layout()->addWidget(radio);
        connect(radio, &QRadioButton::clicked, &m_entry,
                [this, click = style.click] { (m_entry.*click)(); });
    }
    layout->addWidget(date);

    auto* printed = group(this, QStringLiteral(" Contrôle "));
    auto* caption = new QLabel(
        QStringLiteral("A l'impression, le formatage de la somme en chiffres représentera : "),
        printed);
    caption->setWordWrap(true);
    auto* currency = new QLabel(printed);
    currency->setObjectName(QStringLiteral("LabelCurrency"));
    currency->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = currency->font();
    bold.setBold(true);
    currency->setFont(bold);
    printed->layout()->addWidget(caption);
    printed->layout()->addWidget(currency);
    qobject_cast<QVBoxLayout*>(printed->layout())->addStretch();
    layout->addWidget(printed, 1);

    connect(&m_entry, &ChequeEntry::decimalModeChanged, this, &ControlSettingsTab::refresh);
    connect(&m_entry, &ChequeEntry::dateStyleChanged, this, &ControlSettingsTab::refresh);
    connect(&m_fitting, &LineFitting::changed, this, &ControlSettingsTab::refresh);
}

void ControlSettingsTab::buildSecond() {
    setObjectName(QStringLiteral("ControlSettingsTab2"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    auto* lines = group(this, QStringLiteral(" Lignes de contrôle "));
    for (const char* name : kControlLines) {
        auto* label = new QLabel(lines);
        label->setObjectName(QString::fromLatin1(name));
        lines->layout()->addWidget(label);
    }
    qobject_cast<QVBoxLayout*>(lines->layout())->addStretch();
    layout->addWidget(lines, 1);

    auto* fills = group(this, QStringLiteral(" Tags sur ligne Bénéficiaire"));
    for (const FillEntry& fill : kFills) {
        auto* radio = new QRadioButton(QString::fromUtf8(fill.caption), fills);
        radio->setObjectName(QString::fromLatin1(fill.name));
        fills->layout()->addWidget(radio);
        connect(radio, &QRadioButton::clicked, &m_fitting, [this, click = fill.click] {
            (m_fitting.*click)(m_entry.LastBeneficiary());
            refresh();
        });
    }
    qobject_cast<QVBoxLayout*>(fills->layout())->addStretch();
    layout->addWidget(fills);

    connect(&m_fitting, &LineFitting::changed, this, &ControlSettingsTab::refresh);
}

void ControlSettingsTab::refresh() {
    if (m_page == Page::First) {
        const DecimalMode mode = m_entry.decimalMode();
        findChild<QCheckBox*>(QStringLiteral("cbNoDecimal"))->setChecked(mode == DecimalMode::None);
        findChild<QCheckBox*>(QStringLiteral("cb3decimal"))->setChecked(mode == DecimalMode::Three);
        findChild<QCheckBox*>(QStringLiteral("cbReset"))->setChecked(m_entry.resetZones());
        int style = 1;
        for (const DateEntry& entry : kDateStyles) {
            auto* radio = findChild<QRadioButton*>(QString::fromLatin1(entry.name));
            radio->setAutoExclusive(false); // no entry is checked while the style is 0
            radio->setChecked(m_entry.dateStyle() == style++);
            radio->setAutoExclusive(true);
        }
        findChild<QLabel*>(QStringLiteral("LabelCurrency"))->setText(m_fitting.labelCurrency());
        return;
    }
    const ControlLines& control = m_fitting.controlLines();
    const QString texts[] = {control.line1, control.line2, control.line3, control.beneficiary};
    for (int i = 0; i < 4; ++i)
        findChild<QLabel*>(QString::fromLatin1(kControlLines[i]))->setText(texts[i]);
    for (const FillEntry& fill : kFills)
        findChild<QRadioButton*>(QString::fromLatin1(fill.name))
            ->setChecked(m_fitting.fillStyle() == fill.style);
}
