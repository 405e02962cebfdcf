#include "platform/PdfOnlyPrinters.h"

#include "platform/Clock.h"

PdfOnlyPrinters::PdfOnlyPrinters(const Clock& clock, QString folder)
    : m_clock(clock), m_pdf(std::move(folder)) {}

std::unique_ptr<PrintCanvas> PdfOnlyPrinters::openJob() {
    return m_pdf.openJob(m_clock.now());
}
