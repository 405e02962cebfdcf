#include "formats/PrintModePicture.h"

#include "formats/PrintModeMenu.h"
#include "formats/PrintModeSettings.h"

#include <QContextMenuEvent>
#include <QIcon>
#include <QMenu>
#include <QPainter>

QPixmap printModePixmap(PrintMode mode, QSize size, bool turned) {
    const QString name = QString::fromLatin1(printModeInfo(mode).picture);
    QPixmap pixmap = QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)).pixmap(size);
    return turned ? pixmap.transformed(QTransform().rotate(180)) : pixmap;
}

PrintModePicture::PrintModePicture(PrintModeSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setToolTip(QStringLiteral("Double-clic : retourner l'image ; clic droit : positionnement"));
    connect(&settings, &PrintModeSettings::modeChanged, this, qOverload<>(&QWidget::update));
    connect(&settings, &PrintModeSettings::pictureTurnedChanged, this,
            qOverload<>(&QWidget::update));
}

PrintModePicture::PrintModePicture(PrintModeSettings& settings, PrintMode mode, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_fixedMode(mode) {}

PrintMode PrintModePicture::mode() const {
    return m_fixedMode.value_or(m_settings.mode());
}

void PrintModePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool turned = !m_fixedMode && m_settings.pictureTurned(mode());
    const QPixmap pixmap = printModePixmap(mode(), size(), turned);
    painter.drawPixmap((width() - pixmap.width()) / 2, (height() - pixmap.height()) / 2, pixmap);
}

void PrintModePicture::mouseDoubleClickEvent(QMouseEvent*) {
    if (m_fixedMode)
        return;
    m_settings.ImgDblClick(mode());
}

void PrintModePicture::contextMenuEvent(QContextMenuEvent* event) {
    if (m_fixedMode)
        return;
    QMenu* menu = buildPrintModeMenu(m_settings, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
