#include "platform/PdfPrinter.h"

#include "platform/PaintDeviceCanvas.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QStandardPaths>

namespace {

// Owns the writer for as long as the job runs.
class PdfJob : public PrintCanvas {
public:
    PdfJob(const QString& path, int dpi)
        : m_writer(path), m_canvas(m_writer, [this](const QString& t) { m_writer.setTitle(t); }),
          m_path(path) {
        m_writer.setResolution(dpi);
        m_writer.setPageSize(QPageSize(QPageSize::A4));
        m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        m_writer.setCreator(QStringLiteral("Quilmet"));
    }

    bool beginDocument(const QString& title, QPageLayout::Orientation orientation) override {
        return m_canvas.beginDocument(title, orientation);
    }
    void setFont(const QFont& font) override { m_canvas.setFont(font); }
    void setTextColour(const QColor& colour) override { m_canvas.setTextColour(colour); }
    void drawText(QPoint topLeft, const QString& text) override {
        m_canvas.drawText(topLeft, text);
    }
    void drawRotatedText(QPoint topLeft, int tenths, const QString& text) override {
        m_canvas.drawRotatedText(topLeft, tenths, text);
    }
    void drawImage(const QRect& target, const QImage& image) override {
        m_canvas.drawImage(target, image);
    }
    void drawRichText(const QRect& target, const QTextDocument& document) override {
        m_canvas.drawRichText(target, document);
    }
    bool endDocument() override {
        const bool sent = m_canvas.endDocument();
        if (!sent || !QFile::exists(m_path)) {
            m_error = QStringLiteral("Le fichier PDF « %1 » n'a pas pu être écrit.")
                          .arg(QDir::toNativeSeparators(m_path));
            return false;
        }
        return true;
    }
    void abort() override {
        m_canvas.abort();
        QFile::remove(m_path); // an aborted job leaves no half page behind
    }
    QString errorString() const override {
        return m_error.isEmpty() ? m_canvas.errorString() : m_error;
    }

private:
    QPdfWriter m_writer;
    PaintDeviceCanvas m_canvas;
    QString m_path;
    QString m_error;
};

} // namespace

PdfPrinter::PdfPrinter(QString folder) : m_folder(std::move(folder)) {}

QString PdfPrinter::defaultFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath() + QStringLiteral("/Documents");
    return documents + QStringLiteral("/Quilmet");
}

std::unique_ptr<PrintCanvas> PdfPrinter::openJob(const QDateTime& now) {
    QString path = m_nextFile;
    m_nextFile.clear();
    if (path.isEmpty()) {
        QDir().mkpath(m_folder);
        const QString stem = m_folder + QStringLiteral("/Quilmet_") +
                             now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        path = stem + QStringLiteral(".pdf");
        for (int n = 2; QFile::exists(path); ++n)
            path = stem + QStringLiteral("_%1.pdf").arg(n);
    }
    m_lastFile = path;
    return std::make_unique<PdfJob>(path, m_dpi);
}
