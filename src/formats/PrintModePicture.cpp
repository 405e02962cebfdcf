#include "formats/PrintModePicture.h"

#include "formats/PrintModeMenu.h"
#include "formats/PrintModeSettings.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace {

// Cheque rectangle on a portrait sheet of 100 x 141 units, as the printer takes it.
QRectF chequeRect(PrintMode mode) {
    switch (mode) {
    case PrintMode::PrintHorizontal:
        return {0, 0, 100, 46};
    case PrintMode::PrintVertical:
        return {0, 0, 46, 100};
    case PrintMode::PrintVertical2:
        return {27, 0, 46, 100};
    case PrintMode::PrintVertical3:
        return {54, 0, 46, 100};
    case PrintMode::PrintCenterLaser:
        return {27, 0, 46, 100};
    case PrintMode::PrintCentral:
        return {10, 48, 80, 37};
    case PrintMode::PrintA4Bas:
        return {10, 100, 80, 37};
    }
    return {};
}

} // namespace

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
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = qMin((width() - 2) / 100.0, (height() - 2) / 141.0);
    painter.translate((width() - 100 * scale) / 2, (height() - 141 * scale) / 2);
    if (!m_fixedMode && m_settings.pictureTurned(mode())) {
        painter.translate(100 * scale, 141 * scale);
        painter.rotate(180);
    }
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, 0, 100, 141));
    const QRectF cheque = chequeRect(mode());
    painter.setBrush(QColor(166, 203, 240));
    painter.setPen(QPen(QColor(0, 0, 128), 0));
    painter.drawRect(cheque);
    // Feed direction: an arrow at the top edge.
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(QPointF(50, 20), QPointF(50, 4));
    painter.drawLine(QPointF(50, 4), QPointF(44, 11));
    painter.drawLine(QPointF(50, 4), QPointF(56, 11));
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
