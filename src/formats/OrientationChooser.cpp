#include "formats/OrientationChooser.h"

#include "formats/PrintModePicture.h"
#include "formats/PrintModeSettings.h"
#include "platform/Platform.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor kHighlight(166, 203, 240);

} // namespace

OrientationChooser::OrientationChooser(PrintModeSettings& settings, Platform& platform,
                                       QWidget* parent)
    : QDialog(parent), m_settings(settings),
      m_choice(settings.mode(), platform.dialogs, platform.sounds) {
    setObjectName(QStringLiteral("TChoixOrientPrint"));
    setWindowTitle(QString::fromUtf8(OrientationChoice::kCaption));
    setFixedWidth(720);

    auto* layout = new QHBoxLayout(this);
    auto* modes = new QVBoxLayout;
    modes->setSpacing(3);
    for (PrintMode mode : printModesInMenuOrder()) {
        const PrintModeInfo& info = printModeInfo(mode);
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("Frame") + QString::fromLatin1(info.menuEntry));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setAutoFillBackground(true);
        auto* frameLayout = new QHBoxLayout(frame);
        frameLayout->setContentsMargins(6, 3, 6, 3);
        auto* radio = new QRadioButton(QString::fromUtf8(info.caption).trimmed(), frame);
        radio->setObjectName(QStringLiteral("Rb") + QString::fromLatin1(info.menuEntry));
        radio->setChecked(mode == m_choice.checked());
        frameLayout->addWidget(radio);
        modes->addWidget(frame);
        m_frames[mode] = frame;
        connect(radio, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                checkMode(mode);
        });
    }
    auto* header =
        new QLabel(QStringLiteral("<a href=\"rtf\">Éditer le texte riche d'entête</a>"), this);
    header->setObjectName(QStringLiteral("lblEditerEntete"));
    connect(header, &QLabel::linkActivated, this, &OrientationChooser::headerEditorRequested);
    auto* faq = new QLabel(
        QStringLiteral("<a href=\"faq\">Consulter en ligne la Foire Aux Questions</a>"), this);
    faq->setObjectName(QStringLiteral("lblFAQ"));
    connect(faq, &QLabel::linkActivated, this, &OrientationChooser::faqRequested);
    modes->addSpacing(6);
    modes->addWidget(header);
    modes->addWidget(faq);
    modes->addStretch();
    layout->addLayout(modes);

    auto* right = new QVBoxLayout;
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("mmChoixPosPrint"));
    m_memo->setReadOnly(true);
    m_memo->setMinimumHeight(170);
    right->addWidget(m_memo);
    m_pictures = new QStackedWidget(this);
    m_pictures->setFixedHeight(150);
    for (PrintMode mode : printModesInMenuOrder()) {
        auto* picture = new PrintModePicture(settings, mode, m_pictures);
        picture->setObjectName(QStringLiteral("Sheet") +
                               QString::fromLatin1(printModeInfo(mode).menuEntry));
        m_pictures->addWidget(picture);
    }
    right->addWidget(m_pictures);
    layout->addLayout(right, 1);

    showMode(m_choice.checked());
}

void OrientationChooser::checkMode(PrintMode mode) {
    const std::string name = std::string("Rb") + printModeInfo(mode).menuEntry;
    if (auto* radio = findChild<QRadioButton*>(QString::fromStdString(name));
        radio && !radio->isChecked()) {
        radio->setChecked(true); // comes back here through toggled
        return;
    }
    showMode(mode);
    m_choice.check(mode);
}

void OrientationChooser::showMode(PrintMode mode) {
    for (auto& [frameMode, frame] : m_frames) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window,
                         frameMode == mode ? kHighlight : this->palette().color(QPalette::Window));
        frame->setPalette(palette);
    }
    m_memo->setPlainText(
        OrientationChoice::explanation(mode).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Only the long explanation of the horizontal mode needs a scroll bar.
    m_memo->setVerticalScrollBarPolicy(mode == PrintMode::PrintHorizontal ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
    const auto order = printModesInMenuOrder();
    m_pictures->setCurrentIndex(int(std::find(order.begin(), order.end(), mode) - order.begin()));
}

void OrientationChooser::done(int result) {
    m_settings.setMode(m_choice.checked());
    QDialog::done(result);
}
