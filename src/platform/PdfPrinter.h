#pragma once

#include "platform/PrintCanvas.h"
#include "platform/Printers.h"

#include <QDateTime>
#include <memory>

/// The built-in printer: each job becomes one A4 PDF file at 600 dpi, printable everywhere,
/// with no margin the printer cannot reach.
class PdfPrinter {
public:
    /// Jobs are written into `folder`, named after the job title and `now`.
    explicit PdfPrinter(QString folder);

    PrinterGeometry geometry() const { return {m_dpi, m_dpi, 0, 0}; }
    /// 600 dpi unless asked otherwise (the command line's --dpi).
    void setResolution(int dpi) { m_dpi = dpi; }
    std::unique_ptr<PrintCanvas> openJob(const QDateTime& now);
    /// Writes the next job into exactly this file instead (the command line's --pdf).
    void setNextFile(const QString& path) { m_nextFile = path; }
    QString lastOutputFile() const { return m_lastFile; }
    const QString& folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

    static QString defaultFolder();
    static constexpr int kDpi = 600;

private:
    QString m_folder;
    QString m_nextFile;
    QString m_lastFile;
    int m_dpi = kDpi;
};
