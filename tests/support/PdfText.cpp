#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QXmlStreamReader>

std::vector<PdfWord> readPdfWords(const QString& pdfPath) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!tool.waitForFinished(30000))
        return {};
    std::vector<PdfWord> words;
    QXmlStreamReader xml(tool.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"word") {
            const auto a = xml.attributes();
            const QRectF box(QPointF(a.value(QLatin1String("xMin")).toDouble(),
                                     a.value(QLatin1String("yMin")).toDouble()),
                             QPointF(a.value(QLatin1String("xMax")).toDouble(),
                                     a.value(QLatin1String("yMax")).toDouble()));
            words.push_back({xml.readElementText(), box});
        }
    }
    return words;
}

QSizeF readPdfPageSize(const QString& pdfPath) {
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {pdfPath});
    if (!tool.waitForFinished(30000))
        return {};
    const QString info = QString::fromUtf8(tool.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}
