#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QString>

class QTextDocument;

/// A page being printed, addressed in device pixels. Positions name the top-left corner of
/// a text's cell, as the cheque layouts are measured; text is drawn on a transparent ground.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    /// False, with errorString(), when the printer refused the job.
    virtual bool beginDocument(const QString& title, QPageLayout::Orientation orientation) = 0;
    virtual void setFont(const QFont& font) = 0;
    virtual void setTextColour(const QColor& colour) = 0;
    virtual void drawText(QPoint topLeft, const QString& text) = 0;
    /// Text turned counter-clockwise by `tenthsOfDegree` around its top-left corner.
    virtual void drawRotatedText(QPoint topLeft, int tenthsOfDegree, const QString& text) = 0;
    virtual void drawImage(const QRect& target, const QImage& image) = 0;
    virtual void drawRichText(const QRect& target, const QTextDocument& document) = 0;
    /// Sends the page; false when the job failed or was aborted.
    virtual bool endDocument() = 0;
    virtual void abort() = 0;
    virtual QString errorString() const = 0;
};
