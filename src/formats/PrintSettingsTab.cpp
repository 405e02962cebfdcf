#include "formats/PrintSettingsTab.h"

#include "formats/OrientationChooser.h"
#include "formats/PrintModeMenu.h"
#include "formats/PrintModePicture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct OffsetField {
    ModeOffset offset;
    const char* label;
    const char* hint;
};

constexpr OffsetField kFields[] = {
    {ModeOffset::EditStdX, "Y : ", "Réglage sur l'axe de la hauteur du chèque...."},
    {ModeOffset::EditVertical2, "Y : ", "Réglage sur l'axe de la hauteur du chèque...."},
    {ModeOffset::EditVertical3, "Y : ", "Réglage sur l'axe de la hauteur du chèque...."},
    {ModeOffset::EditLaserH, "X :", "Réglage sur l'axe de la longueur du chèque...."},
    {ModeOffset::EditLaserL, "Y : ", "Réglage sur l'axe de la hauteur du chèque...."},
    {ModeOffset::EditA4BasL, "X : ", "Réglage de l'axe horizontal de la feuille..."},
    {ModeOffset::EditA4BasH, "Y :", "Réglage de l'axe vertical de la feuille..."},
};

const OffsetField& field(ModeOffset offset) {
    for (const OffsetField& f : kFields)
        if (f.offset == offset)
            return f;
    return kFields[0];
}

const char* buttonName(OffsetButton button) {
    switch (button) {
    case OffsetButton::BtnDefautStd:
        return "BtnDefautStd";
    case OffsetButton::BtnVerti2:
        return "BtnVerti2";
    case OffsetButton::BtnVerti3:
        return "BtnVerti3";
    case OffsetButton::BtnDefautLaser:
        return "BtnDefautLaser";
    case OffsetButton::BtnA4Bas:
        return "BtnA4Bas";
    }
    return "";
}

QString offsetName(ModeOffset offset) {
    static const char* const names[] = {"EditStdX",   "EditVertical2", "EditVertical3",
                                        "EditLaserH", "EditLaserL",    "EditA4BasL",
                                        "EditA4BasH"};
    return QString::fromLatin1(names[int(offset)]);
}

constexpr int kOffsetMaximum = 300;

} // namespace

PrintSettingsTab::PrintSettingsTab(Page page, PrintModeSettings& settings, Platform& platform,
                                   QWidget* parent)
    : QWidget(parent), m_settings(settings), m_platform(platform) {
    connect(&settings, &PrintModeSettings::offsetChanged, this, &PrintSettingsTab::showOffset);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    const auto caption = [](PrintMode mode) {
        return QStringLiteral(" ") + QString::fromUtf8(printModeInfo(mode).caption).trimmed() +
               QStringLiteral(" ");
    };
    if (page == Page::Second) {
        setObjectName(QStringLiteral("PrintSettingsTab2"));
        layout->addWidget(
            offsetBox(caption(PrintMode::PrintCenterLaser), OffsetButton::BtnDefautLaser));
        layout->addWidget(offsetBox(caption(PrintMode::PrintA4Bas), OffsetButton::BtnA4Bas));
        layout->addStretch();
        return;
    }
    setObjectName(QStringLiteral("PrintSettingsTab1"));
    layout->addWidget(offsetBox(caption(PrintMode::PrintVertical), OffsetButton::BtnDefautStd));
    layout->addWidget(offsetBox(caption(PrintMode::PrintVertical2), OffsetButton::BtnVerti2));
    layout->addWidget(offsetBox(caption(PrintMode::PrintVertical3), OffsetButton::BtnVerti3));

    auto* current = new QGroupBox(QStringLiteral(" Positionnement d'impression "), this);
    auto* currentLayout = new QHBoxLayout(current);
    currentLayout->setContentsMargins(6, 2, 6, 4);
    auto* picture = new PrintModePicture(settings, current);
    picture->setObjectName(QStringLiteral("ImgParamOrient"));
    picture->setFixedSize(56, 78);
    currentLayout->addWidget(picture);
    auto* column = new QVBoxLayout;
    auto* indicator = new QLabel(current);
    indicator->setObjectName(QStringLiteral("lblIndicOrientPrint"));
    indicator->setWordWrap(true);
    const auto showIndicator = [indicator](PrintMode mode) {
        indicator->setText(QString::fromUtf8(printModeInfo(mode).indicator));
    };
    showIndicator(settings.mode());
    connect(&settings, &PrintModeSettings::modeChanged, indicator, showIndicator);
    auto* menuButton = new QPushButton(QStringLiteral("Changer..."), current);
    menuButton->setObjectName(QStringLiteral("btnMenuOrientPrint"));
    menuButton->setMenu(buildPrintModeMenu(settings, menuButton));
    auto* chooserButton = new QPushButton(QStringLiteral("Explications..."), current);
    chooserButton->setObjectName(QStringLiteral("btnChoixOrientPrint"));
    chooserButton->setToolTip(
        QStringLiteral("Choix du positionnement d'impression       Ctrl + O"));
    connect(chooserButton, &QPushButton::clicked, this, [this] {
        OrientationChooser chooser(m_settings, m_platform, this);
        connect(&chooser, &OrientationChooser::headerEditorRequested, this,
                &PrintSettingsTab::headerEditorRequested);
        connect(&chooser, &OrientationChooser::faqRequested, this, &PrintSettingsTab::faqRequested);
        chooser.exec();
    });
    column->addWidget(indicator);
    column->setSpacing(2);
    column->addWidget(menuButton);
    column->addWidget(chooserButton);
    column->addStretch();
    currentLayout->addLayout(column, 1);
    layout->addWidget(current, 1);
}

QWidget* PrintSettingsTab::offsetBox(const QString& title, OffsetButton button) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (ModeOffset offset : PrintModeSettings::offsetsOf(button)) {
        const OffsetField& f = field(offset);
        auto* spin = new QSpinBox(box);
        spin->setObjectName(offsetName(offset));
        spin->setRange(0, kOffsetMaximum);
        spin->setSuffix(QStringLiteral(" mm"));
        spin->setValue(m_settings.offset(offset));
        spin->setToolTip(QString::fromUtf8(f.hint));
        spin->setFixedWidth(72);
        auto* label = new QLabel(QString::fromUtf8(f.label), box);
        label->setToolTip(QString::fromUtf8(f.hint));
        grid->addWidget(label, row, 0);
        grid->addWidget(spin, row, 1);
        connect(spin, &QSpinBox::valueChanged, this, [this, offset](int value) {
            m_settings.OffsetChange(offset, QString::number(value));
        });
        // The spin box keeps an emptied text to itself: the model restores the factory value.
        connect(spin->findChild<QLineEdit*>(), &QLineEdit::textEdited, this, [this, spin, offset] {
            if (!spin->cleanText().isEmpty())
                return;
            m_settings.OffsetChange(offset, QString());
            showOffset(offset, m_settings.offset(offset));
        });
        ++row;
    }
    auto* reset = new QPushButton(QStringLiteral("Valeur d'origine"), box);
    reset->setObjectName(QString::fromLatin1(buttonName(button)));
    reset->setEnabled(m_settings.defaultButtonEnabled(button));
    grid->addWidget(reset, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    connect(reset, &QPushButton::clicked, this,
            [this, button] { m_settings.DefaultButtonClick(button); });
    connect(&m_settings, &PrintModeSettings::defaultButtonEnabledChanged, reset,
            [reset, button](OffsetButton changed, bool enabled) {
                if (changed == button)
                    reset->setEnabled(enabled);
            });
    return box;
}

void PrintSettingsTab::showOffset(ModeOffset offset, int value) {
    auto* spin = findChild<QSpinBox*>(offsetName(offset));
    if (!spin || spin->cleanText() == QString::number(value))
        return;
    const QSignalBlocker block(spin);
    spin->setValue(value);
}
