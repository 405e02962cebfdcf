#pragma once

#include "platform/PdfPrinter.h"
#include "platform/Printers.h"

class Clock;

/// Only the built-in PDF printer: what the command line prints on.
class PdfOnlyPrinters : public Printers {
public:
    PdfOnlyPrinters(const Clock& clock, QString folder);

    QStringList names() const override { return {QString::fromLatin1(kPdfPrinterName)}; }
    int selected() const override { return 0; }
    void select(int) override {}
    PrinterGeometry geometry() const override { return m_pdf.geometry(); }
    std::unique_ptr<PrintCanvas> openJob() override;
    QString lastOutputFile() const override { return m_pdf.lastOutputFile(); }

    PdfPrinter& pdfPrinter() { return m_pdf; }

private:
    const Clock& m_clock;
    PdfPrinter m_pdf;
};
