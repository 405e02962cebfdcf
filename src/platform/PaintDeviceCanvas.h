#pragma once

#include "platform/PrintCanvas.h"

#include <QPainter>
class QPagedPaintDevice;

/// Paints a job with QPainter on a paged device (a QPrinter or a QPdfWriter); each kind of
/// device names its job in its own way.
class PaintDeviceCanvas : public PrintCanvas {
public:
    explicit PaintDeviceCanvas(QPagedPaintDevice& device);

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

protected:
    virtual void setJobTitle(const QString& title) = 0;

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    bool m_aborted = false;
    QString m_error;
};
