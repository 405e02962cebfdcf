#include "platform/PaintDeviceCanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QTextDocument>

PaintDeviceCanvas::PaintDeviceCanvas(QPagedPaintDevice& device) : m_device(device) {}

bool PaintDeviceCanvas::beginDocument(const QString& title, QPageLayout::Orientation orientation) {
    setJobTitle(title);
    m_device.setPageOrientation(orientation);
    if (!m_painter.begin(&m_device)) {
        m_error = QStringLiteral("L'imprimante n'a pas accepté le travail d'impression.");
        return false;
    }
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(Qt::black);
    return true;
}

void PaintDeviceCanvas::setFont(const QFont& font) {
    // Hinting fits glyphs to screen pixels; on paper it only costs time and moves them.
    QFont unhinted = font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    m_painter.setFont(unhinted);
}

void PaintDeviceCanvas::setTextColour(const QColor& colour) {
    m_painter.setPen(colour);
}

void PaintDeviceCanvas::drawText(QPoint topLeft, const QString& text) {
    // QPainter places the baseline at the point; the layouts give the top of the cell.
    m_painter.drawText(topLeft + QPoint(0, m_painter.fontMetrics().ascent()), text);
}

void PaintDeviceCanvas::drawRotatedText(QPoint topLeft, int tenthsOfDegree, const QString& text) {
    m_painter.save();
    m_painter.translate(topLeft);
    m_painter.rotate(-tenthsOfDegree / 10.0);
    m_painter.drawText(QPoint(0, m_painter.fontMetrics().ascent()), text);
    m_painter.restore();
}

void PaintDeviceCanvas::drawImage(const QRect& target, const QImage& image) {
    m_painter.drawImage(target, image);
}

void PaintDeviceCanvas::drawRichText(const QRect& target, const QTextDocument& document) {
    m_painter.save();
    m_painter.translate(target.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), target.size());
    document.documentLayout()->draw(&m_painter, context);
    m_painter.restore();
}

bool PaintDeviceCanvas::endDocument() {
    if (!m_painter.isActive())
        return false;
    return m_painter.end() && !m_aborted;
}

void PaintDeviceCanvas::abort() {
    m_aborted = true;
    if (m_painter.isActive())
        m_painter.end();
}
