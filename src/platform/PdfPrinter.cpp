#include "platform/PdfPrinter.h"

#include "platform/PaintDeviceCanvas.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QStandardPaths>

namespace {

// The writer is built before the canvas that paints on it.
struct PdfWriterHolder {
    explicit PdfWriterHolder(const QString& path) : writer(path) {}
    QPdfWriter writer;
};

class PdfJob : private PdfWriterHolder, public PaintDeviceCanvas {
public:
    PdfJob(const QString& path, int dpi)
        : PdfWriterHolder(path), PaintDeviceCanvas(writer), m_path(path) {
        writer.setResolution(dpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("Quilmet"));
    }

    bool endDocument() override {
        if (PaintDeviceCanvas::endDocument() && QFile::exists(m_path))
            return true;
        m_error = QStringLiteral("Le fichier PDF « %1 » n'a pas pu être écrit.")
                      .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    void abort() override {
        PaintDeviceCanvas::abort();
        QFile::remove(m_path); // an aborted job leaves no half page behind
    }
    QString errorString() const override {
        return m_error.isEmpty() ? PaintDeviceCanvas::errorString() : m_error;
    }

protected:
    void setJobTitle(const QString& title) override { writer.setTitle(title); }

private:
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
