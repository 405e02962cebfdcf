#include "core/PreferencesTab.h"

#include "core/AmountWording.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using Setter = void (AmountWording::*)(const QString&);

struct WordField {
    const char* name;
    const char* label;
    int maxLength;
    Setter set;
    QString WordingOptions::*value;
};

const WordField kFields[] = {
    {"EditMonaieSingul", "Singulier :", AmountWording::kWordMaxLength,
     &AmountWording::setUnitSingular, &WordingOptions::unitSingular},
    {"EditMonaiePluriel", "Pluriel :", AmountWording::kWordMaxLength, &AmountWording::setUnitPlural,
     &WordingOptions::unitPlural},
    {"Edit100MonaieSingul", "Singulier :", AmountWording::kWordMaxLength,
     &AmountWording::setSubUnitSingular, &WordingOptions::subUnitSingular},
    {"Edit100MonaiePluriel", "Pluriel :", AmountWording::kWordMaxLength,
     &AmountWording::setSubUnitPlural, &WordingOptions::subUnitPlural},
    {"EditDoro", "Préposition :", AmountWording::kPrepositionMaxLength,
     &AmountWording::setPreposition, &WordingOptions::preposition},
    {"EditEuro2", "Libellé :", AmountWording::kValidateCaptionMaxLength,
     &AmountWording::setValidateCaption, &WordingOptions::validateCaption},
};

struct DefaultButton {
    const char* name;
    AmountWording::DefaultWords which; // Unit for the "Valider" caption: never disabled
    void (AmountWording::*click)();
    bool tracksState;
};

const DefaultButton kButtons[] = {
    {"BtnDefautMonaie", AmountWording::DefaultWords::Unit, &AmountWording::BtnDefautMonaieClick,
     true},
    {"BtnDefaut100Monaie", AmountWording::DefaultWords::SubUnit,
     &AmountWording::BtnDefaut100MonaieClick, true},
    {"btnRemiseDefautPrep", AmountWording::DefaultWords::Preposition,
     &AmountWording::btnRemiseDefautPrepClick, true},
    {"BtnRemiseDefautSigneEuro", AmountWording::DefaultWords::Unit,
     &AmountWording::BtnRemiseDefautSigneEuroClick, false},
};

QLineEdit* wordEdit(QWidget* parent, const WordField& field, AmountWording& wording) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(field.name));
    edit->setMaxLength(field.maxLength);
    edit->setFixedWidth(110);
    QObject::connect(edit, &QLineEdit::textEdited, &wording,
                     [&wording, set = field.set](const QString& text) { (wording.*set)(text); });
    return edit;
}

QPushButton* defaultButton(QWidget* parent, const DefaultButton& button, AmountWording& wording) {
    auto* push = new QPushButton(QStringLiteral("Libellé par défaut "), parent);
    push->setObjectName(QString::fromLatin1(button.name));
    QObject::connect(push, &QPushButton::clicked, &wording,
                     [&wording, click = button.click] { (wording.*click)(); });
    return push;
}

} // namespace

PreferencesTab::PreferencesTab(AmountWording& wording, QWidget* parent)
    : QWidget(parent), m_wording(wording) {
    setObjectName(QStringLiteral("PreferencesTab"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    // Box, then the fields and the default button of each row.
    const auto box = [this](const QString& title, std::initializer_list<int> fields,
                            std::initializer_list<int> buttons) {
        auto* group = new QGroupBox(title, this);
        auto* grid = new QGridLayout(group);
        grid->setContentsMargins(6, 2, 6, 4);
        grid->setVerticalSpacing(2);
        int row = 0;
        for (int index : fields) {
            const WordField& field = kFields[index];
            grid->addWidget(new QLabel(QString::fromUtf8(field.label), group), row, 0);
            grid->addWidget(wordEdit(group, field, m_wording), row, 1);
            ++row;
        }
        for (int index : buttons)
            grid->addWidget(defaultButton(group, kButtons[index], m_wording), row++, 0, 1, 2);
        grid->setRowStretch(row, 1);
        return group;
    };
    layout->addWidget(box(QStringLiteral(" Monnaie "), {0, 1}, {0}));
    layout->addWidget(box(QStringLiteral(" Centièmes "), {2, 3}, {1}));

    auto* column = new QVBoxLayout;
    column->addWidget(box(QStringLiteral(" Million, milliard "), {4}, {2}));
    column->addWidget(box(QStringLiteral(" Bouton \"Valider\" "), {5}, {3}));
    layout->addLayout(column);

    auto* options = new QGroupBox(QStringLiteral(" Libellé en lettres "), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setContentsMargins(6, 2, 6, 4);
    auto* belgicisme = new QCheckBox(QStringLiteral("Spécificités"), options);
    belgicisme->setObjectName(QStringLiteral("RbBelgicisme"));
    belgicisme->setToolTip(QStringLiteral("Septante, huitante, nonante"));
    auto* majuscules = new QCheckBox(QStringLiteral("Majuscules"), options);
    majuscules->setObjectName(QStringLiteral("cbFontMaj"));
    optionsLayout->addWidget(belgicisme);
    optionsLayout->addWidget(majuscules);
    optionsLayout->addStretch();
    layout->addWidget(options);
    layout->addStretch();

    connect(belgicisme, &QCheckBox::clicked, &wording, &AmountWording::BelgicismeClick);
    connect(majuscules, &QCheckBox::clicked, &wording, &AmountWording::cbFontMajClick);
    connect(&wording, &AmountWording::optionsChanged, this, &PreferencesTab::refresh);
    connect(&wording, &AmountWording::defaultButtonsChanged, this, &PreferencesTab::refresh);
    refresh();
}

void PreferencesTab::refresh() {
    const WordingOptions options = m_wording.options();
    for (const WordField& field : kFields) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(field.name));
        if (edit && edit->text() != options.*field.value) {
            const QSignalBlocker block(edit);
            edit->setText(options.*field.value);
        }
    }
    for (const DefaultButton& button : kButtons) {
        // The caption's button has no state of its own: it is useful once the caption differs.
        const bool enabled = button.tracksState
                                 ? m_wording.isDefaultButtonEnabled(button.which)
                                 : options.validateCaption != WordingOptions().validateCaption;
        findChild<QPushButton*>(QString::fromLatin1(button.name))->setEnabled(enabled);
    }
    findChild<QCheckBox*>(QStringLiteral("RbBelgicisme"))->setChecked(options.specificites);
    findChild<QCheckBox*>(QStringLiteral("cbFontMaj"))->setChecked(options.majuscules);
}
