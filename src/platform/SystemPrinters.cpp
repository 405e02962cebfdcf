#include "platform/SystemPrinters.h"

#include "platform/Clock.h"
#include "platform/PaintDeviceCanvas.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Owns the QPrinter for as long as the job runs.
class PrinterJob : public PrintCanvas {
public:
    explicit PrinterJob(const QString& printerName)
        : m_printer(QPrinter::HighResolution),
          m_canvas(m_printer, [this](const QString& t) { m_printer.setDocName(t); }) {
        m_printer.setPrinterName(printerName);
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
    bool endDocument() override { return m_canvas.endDocument(); }
    void abort() override {
        m_printer.abort();
        m_canvas.abort();
    }
    QString errorString() const override { return m_canvas.errorString(); }

private:
    QPrinter m_printer;
    PaintDeviceCanvas m_canvas;
};

} // namespace

SystemPrinters::SystemPrinters(const Clock& clock, QString pdfFolder)
    : m_clock(clock), m_system(QPrinterInfo::availablePrinterNames()), m_pdf(std::move(pdfFolder)) {
    const QString standard = QPrinterInfo::defaultPrinterName();
    m_selected = standard.isEmpty() ? 0 : std::max(0, static_cast<int>(m_system.indexOf(standard)));
}

QStringList SystemPrinters::names() const {
    return m_system + QStringList{QString::fromLatin1(kPdfPrinterName)};
}

void SystemPrinters::select(int index) {
    if (index >= 0 && index <= m_system.size())
        m_selected = index;
}

PrinterGeometry SystemPrinters::geometry() const {
    if (pdfSelected())
        return m_pdf.geometry();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(m_system.at(m_selected));
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
    return std::make_unique<PrinterJob>(m_system.at(m_selected));
}

QString SystemPrinters::lastOutputFile() const {
    return m_lastWasPdf ? m_pdf.lastOutputFile() : QString();
}
