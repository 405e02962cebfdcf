#pragma once

#include "platform/PdfPrinter.h"
#include "platform/Printers.h"

class Clock;

/// The system's printers (CUPS, through Qt) followed by the built-in PDF printer.
class SystemPrinters : public Printers {
public:
    SystemPrinters(const Clock& clock, QString pdfFolder);

    QStringList names() const override;
    int selected() const override { return m_selected; }
    void select(int index) override;
    PrinterGeometry geometry() const override;
    std::unique_ptr<PrintCanvas> openJob() override;
    QString lastOutputFile() const override;

    PdfPrinter& pdfPrinter() { return m_pdf; }

private:
    bool pdfSelected() const { return m_selected >= m_system.size(); }

    const Clock& m_clock;
    QStringList m_system;
    PdfPrinter m_pdf;
    int m_selected = 0;
    bool m_lastWasPdf = false;
};
