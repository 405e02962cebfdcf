#include "formats/FormatTab.h"

#include "formats/BankFormat.h"
#include "formats/FormatDisplayNames.h"
#include "formats/FormatPositions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <vector>

namespace {

const char* fieldLabel(int field) {
    switch (field) {
    case 1:
    case 7:
        return "Ligne 1";
    case 2:
    case 8:
        return "Ligne 2";
    case 30:
    case 31:
        return "Ligne 3";
    case 3:
    case 9:
        return "Bénéficiaire";
    case 4:
    case 10:
        return "Chiffres";
    case 5:
    case 11:
        return "Lieu";
    case 6:
    case 12:
        return "Date";
    case 13:
        return "Long. L1";
    case 14:
        return "Long. L2";
    case 15:
        return "Long. L3";
    case 16:
        return "Long. bénéf.";
    default:
        return "";
    }
}

// Box order of the fields; the three-line fields are skipped for other formats.
constexpr std::array<int, 11> kHorizontalFields{1, 2, 30, 3, 4, 5, 6, 13, 14, 15, 16};
constexpr std::array<int, 7> kVerticalFields{7, 8, 31, 9, 10, 11, 12};
// Three rows a column; the three-line format, with more fields, takes four.
constexpr int kRowsPerColumn = 3;
constexpr int kRowsPerColumnThreeLines = 4;

} // namespace

FormatTab::FormatTab(const BankFormat& format, FormatPositions& positions,
                     const FormatDisplayNames& names, QWidget* parent)
    : QWidget(parent), m_positions(positions), m_names(names), m_number(format.number),
      m_editSuffix(format.editSuffix) {
    setObjectName(format.formatTab);
    setProperty("formatNumber", m_number);

    std::vector<int> horizontal;
    std::vector<int> vertical;
    for (int field : kHorizontalFields)
        if (format.hasField(field))
            horizontal.push_back(field);
    for (int field : kVerticalFields)
        if (format.hasField(field))
            vertical.push_back(field);

    const int rows = format.lineCount == 3 ? kRowsPerColumnThreeLines : kRowsPerColumn;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(6);
    layout->addWidget(
        positionBox(
            QStringLiteral(" Réglages horizontaux en millimètres "),
            QStringLiteral(
                "Distances à partir du côté gauche du chèque (sauf les longueurs de lignes)"),
            horizontal, rows),
        int(horizontal.size()));
    layout->addWidget(positionBox(QStringLiteral(" Réglages verticaux en millimètres "),
                                  QStringLiteral("Distances à partir du haut du chèque"), vertical,
                                  rows),
                      int(vertical.size()));

    auto* side = new QVBoxLayout;
    m_caption = new QLabel(this);
    m_caption->setWordWrap(true);
    m_caption->setAlignment(Qt::AlignCenter);
    if (format.page.isEmpty()) // CESU: the page is the format tab
        m_caption->setObjectName(QStringLiteral("lblCESU"));
    m_caption->setText(names.caption(m_number));
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_defaultButton = new QPushButton(QStringLiteral("Réglages d'origine"), this);
    m_defaultButton->setObjectName(format.defaultButton);
    m_defaultButton->setToolTip(QStringLiteral("Remettre les réglages d'origine de ce format"));
    m_defaultButton->setEnabled(positions.defaultButtonEnabled(m_number));
    side->addWidget(m_caption);
    side->addStretch();
    side->addWidget(m_defaultButton);
    m_caption->setFixedWidth(110);
    // The inner tab already names the format; only CESU, a page of its own, shows it here.
    m_caption->setVisible(format.page.isEmpty());
    layout->addLayout(side);

    connect(m_defaultButton, &QPushButton::clicked, this,
            [this] { m_positions.BtnParDefautClick(m_number); });
    connect(&positions, &FormatPositions::defaultButtonEnabledChanged, this,
            [this](int number, bool enabled) {
                if (number == m_number)
                    m_defaultButton->setEnabled(enabled);
            });
    connect(&positions, &FormatPositions::positionChanged, this,
            [this](int number, int field, int value) {
                if (number == m_number)
                    showValue(field, value);
            });
    connect(&names, &FormatDisplayNames::displayNameChanged, this, [this](int number) {
        if (number == m_number)
            m_caption->setText(m_names.caption(m_number));
    });
}

QWidget* FormatTab::positionBox(const QString& title, const QString& hint,
                                std::span<const int> fields, int rows) {
    auto* box = new QGroupBox(title, this);
    box->setToolTip(hint);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int index = 0;
    for (int field : fields) {
        const int row = index % rows;
        const int column = (index / rows) * 2;
        auto* spin = new QSpinBox(box);
        spin->setObjectName(QStringLiteral("Edit%1Bq%2").arg(field).arg(m_editSuffix));
        spin->setRange(0, FieldPositions::maximum(field));
        spin->setValue(m_positions.value(m_number, field));
        spin->setFixedWidth(50);
        spin->setToolTip(QString::fromUtf8(fieldLabel(field)) + QStringLiteral(" : ") + hint);
        auto* label = new QLabel(QString::fromUtf8(fieldLabel(field)), box);
        label->setBuddy(spin);
        grid->addWidget(label, row, column);
        grid->addWidget(spin, row, column + 1);
        connect(spin, &QSpinBox::valueChanged, this, [this, field](int value) {
            m_positions.EditBqChange(m_number, field, QString::number(value));
        });
        // The spin box keeps an emptied text to itself: the model turns it into 0.
        connect(spin->findChild<QLineEdit*>(), &QLineEdit::textEdited, this, [this, spin, field] {
            if (!spin->cleanText().isEmpty())
                return;
            m_positions.EditBqChange(m_number, field, QString());
            showValue(field, m_positions.value(m_number, field));
        });
        ++index;
    }
    return box;
}

void FormatTab::showValue(int field, int value) {
    auto* spin = findChild<QSpinBox*>(QStringLiteral("Edit%1Bq%2").arg(field).arg(m_editSuffix));
    if (!spin || spin->cleanText() == QString::number(value))
        return;
    const QSignalBlocker block(spin);
    spin->setValue(value);
}
