#include "platform/SystemPrinters.h"

#include "platform/Clock.h"
#include "platform/PaintDeviceCanvas.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The printer is built before the canvas that paints on it.
struct PrinterHolder {
    explicit PrinterHolder(const QString& name) : printer(QPrinter::HighResolution) {
        printer.setPrinterName(name);
    }
    QPrinter printer;
};

class PrinterJob : private PrinterHolder, public PaintDeviceCanvas {
public:
    explicit PrinterJob(const QString& printerName)
        : PrinterHolder(printerName), PaintDeviceCanvas(printer) {}

    void abort() override {
        printer.abort();
        PaintDeviceCanvas::abort();
    }

protected:
    void setJobTitle(const QString& title) override { printer.setDocName(title); }
};

} // namespace

SystemPrinters::SystemPrinters(const Clock& clock, QString pdfFolder)
    : m_clock(clock), m_pdf(std::move(pdfFolder)) {}

const QStringList& SystemPrinters::system() const {
    if (!m_system)
        m_system = QPrinterInfo::availablePrinterNames();
    return *m_system;
}

int SystemPrinters::selected() const {
    if (m_selected < 0) {
        const QString standard = QPrinterInfo::defaultPrinterName();
        m_selected =
            standard.isEmpty() ? 0 : std::max(0, static_cast<int>(system().indexOf(standard)));
    }
    return m_selected;
}

QStringList SystemPrinters::names() const {
    return system() + QStringList{QString::fromLatin1(kPdfPrinterName)};
}

void SystemPrinters::select(int index) {
    if (index >= 0 && index <= system().size())
        m_selected = index;
}

PrinterGeometry SystemPrinters::geometry() const {
    if (pdfSelected())
        return m_pdf.geometry();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(system().at(selected()));
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    return {printer.logicalDpiX(), printer.logicalDpiY(), paint.left() - full.left(),
            paint.top() - full.top()};
}

std::unique_ptr<PrintCanvas> SystemPrinters::openJob() {
    m_lastWasPdf = pdfSelected();
    if (m_lastWasPdf)
        return m_pdf.openJob(m_clock.now());
    return std::make_unique<PrinterJob>(system().at(selected()));
}

QString SystemPrinters::lastOutputFile() const {
    return m_lastWasPdf ? m_pdf.lastOutputFile() : QString();
}
