#include "formats/FontSettingsTab.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct SizeRow {
    FontSizeField field;
    const char* name;
    const char* label;
};

constexpr SizeRow kSizes[] = {
    {FontSizeField::Words, "seSizeFontCustomSTL", "Somme en lettres :"},
    {FontSizeField::Beneficiary, "seSizeFontCustomB", "Bénéficiaire :"},
    {FontSizeField::Figures, "seSizeFontCustomSC", "Somme en chiffres :"},
    {FontSizeField::PlaceDate, "seSizeFontCustomLD", "Lieu et date :"},
};

} // namespace

FontSettingsTab::FontSettingsTab(Getter get, Setter set, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_get(std::move(get)), m_set(std::move(set)), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FontSettingsTab"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    auto* fontBox = new QGroupBox(QStringLiteral(" Fonte des textes du chèque "), this);
    auto* fontLayout = new QVBoxLayout(fontBox);
    fontLayout->setContentsMargins(6, 2, 6, 4);
    m_default = new QCheckBox(QStringLiteral("Fonte par défaut"), fontBox);
    m_default->setObjectName(QStringLiteral("cbFontDefaut"));
    m_default->setToolTip(QStringLiteral("Tous les textes du chèque en \"MS Sans Serif\""));
    m_fonts = new QFontComboBox(fontBox);
    m_fonts->setObjectName(QStringLiteral("cbFontCuston"));
    m_fonts->setMinimumWidth(220);
    auto* note = new QLabel(QStringLiteral("Décochez \"Fonte par défaut\" pour choisir une fonte "
                                           "et ses tailles personnalisées."),
                            fontBox);
    note->setWordWrap(true);
    fontLayout->addWidget(m_default);
    fontLayout->addWidget(m_fonts);
    fontLayout->addWidget(note);
    fontLayout->addStretch();
    layout->addWidget(fontBox, 1);

    auto* sizeBox = new QGroupBox(QStringLiteral(" Tailles personnalisées (points) "), this);
    auto* sizeLayout = new QFormLayout(sizeBox);
    sizeLayout->setContentsMargins(6, 2, 6, 4);
    sizeLayout->setVerticalSpacing(2);
    for (const SizeRow& row : kSizes)
        sizeLayout->addRow(QString::fromUtf8(row.label), sizeSpin(row.field, row.name));
    layout->addWidget(sizeBox);
    layout->addStretch();

    connect(m_default, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_refreshing)
            return;
        WordFontSettings next = WordFontCommands::cbFontDefautClick(m_get(), checked);
        m_fonts->setVisible(!checked);
        if (!checked) {
            next = WordFontCommands::cbFontCustonChange(next, m_fonts->currentFont().family());
            if (m_fonts->isVisible())
                m_fonts->showPopup();
        }
        m_set(next, true);
    });
    connect(m_fonts, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
        if (m_refreshing)
            return;
        m_set(WordFontCommands::cbFontCustonChange(m_get(), font.family()), true);
    });
    refresh();
}

QSpinBox* FontSettingsTab::sizeSpin(FontSizeField field, const char* name) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(WordFontCommands::kMinimumSize, WordFontCommands::maximumSize(field));
    spin->setFixedWidth(56);
    connect(spin, &QSpinBox::valueChanged, this, [this, field](int size) {
        if (m_refreshing)
            return;
        const WordFontSettings current = m_get();
        const bool restore = field == FontSizeField::Beneficiary && !current.defaultFont;
        m_set(WordFontCommands::seSizeFontCustomChange(current, field, size, m_dialogs), restore);
    });
    return spin;
}

void FontSettingsTab::refresh() {
    const QScopedValueRollback guard(m_refreshing, true);
    const WordFontSettings settings = m_get();
    m_default->setChecked(settings.defaultFont);
    m_fonts->setVisible(!settings.defaultFont);
    m_fonts->setCurrentFont(QFont(settings.fontName));
    for (const SizeRow& row : kSizes)
        if (auto* spin = findChild<QSpinBox*>(QString::fromLatin1(row.name)))
            spin->setValue(WordFontCommands::size(settings, row.field));
}
