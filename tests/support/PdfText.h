#pragma once

#include <QRectF>
#include <QString>
#include <vector>

/// The words of a PDF page as pdftotext reads them back, with their boxes in points.
struct PdfWord {
    QString text;
    QRectF box;
};

/// Every word of the PDF's pages (pdftotext -bbox); empty when the file cannot be read.
std::vector<PdfWord> readPdfWords(const QString& pdfPath);
/// The page size in points, from pdfinfo.
QSizeF readPdfPageSize(const QString& pdfPath);
