#pragma once

#include "platform/PdfPrinter.h"
#include "platform/Printers.h"

#include <optional>

class Clock;

/// The system's printers (CUPS, through Qt) followed by the built-in PDF printer.
class SystemPrinters : public Printers {
public:
    SystemPrinters(const Clock& clock, QString pdfFolder);

    QStringList names() const override;
    int selected() const override;
    void select(int index) override;
    PrinterGeometry geometry() const override;
    std::unique_ptr<PrintCanvas> openJob() override;
    QString lastOutputFile() const override;

    PdfPrinter& pdfPrinter() { return m_pdf; }

private:
    /// Asking CUPS takes a while: the list is read when first needed, not at start.
    const QStringList& system() const;
    bool pdfSelected() const { return selected() >= system().size(); }

    const Clock& m_clock;
    mutable std::optional<QStringList> m_system;
    mutable int m_selected = -1; // -1: the system's default, once the list is read
    PdfPrinter m_pdf;
    bool m_lastWasPdf = false;
};
