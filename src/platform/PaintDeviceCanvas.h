#pragma once

#include "platform/PrintCanvas.h"

#include <QPainter>
#include <functional>

class QPagedPaintDevice;

/// Paints a job with QPainter on a paged device (a QPrinter or a QPdfWriter).
class PaintDeviceCanvas : public PrintCanvas {
public:
    /// `setTitle` gives the job its name on the device (printers and PDF writers differ).
    PaintDeviceCanvas(QPagedPaintDevice& device, std::function<void(const QString&)> setTitle);

    bool beginDocument(const QString& title, QPageLayout::Orientation orientation) override;
    void setFont(const QFont& font) override;
    void setTextColour(const QColor& colour) override;
    void drawText(QPoint topLeft, const QString& text) override;
    void drawRotatedText(QPoint topLeft, int tenthsOfDegree, const QString& text) override;
    void drawImage(const QRect& target, const QImage& image) override;
    void drawRichText(const QRect& target, const QTextDocument& document) override;
    bool endDocument() override;
    void abort() override;
    QString errorString() const override { return m_error; }

private:
    QPagedPaintDevice& m_device;
    std::function<void(const QString&)> m_setTitle;
    QPainter m_painter;
    bool m_aborted = false;
    QString m_error;
};
