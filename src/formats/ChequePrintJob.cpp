#include "formats/ChequePrintJob.h"

#include "formats/ChequeLayout.h"
#include "formats/PrintAccessories.h"
#include "formats/PrintGeometry.h"
#include "platform/Printers.h"

ChequePrintJob::ChequePrintJob(Printers& printers) : m_printers(printers) {}

PrintOutcome ChequePrintJob::PrintChq(const ChequeJob& job, PrintAccessories& accessories) {
    PrintOutcome outcome;
    if (!job.format || !job.positions)
        return outcome;
    const PrintGeometry geometry(job.mode, job.offsets, m_printers.geometry(), job.stubShown,
                                 job.stubHeightMm);
    std::unique_ptr<PrintCanvas> canvas = m_printers.openJob();
    m_canvas = canvas.get();
    m_abortRequested = false;
    if (!canvas->beginDocument(QString::fromLatin1(kJobTitle), geometry.orientation())) {
        outcome.error = canvas->errorString();
        m_canvas = nullptr;
        return outcome;
    }
    accessories.printHeader(*canvas, geometry);
    accessories.printSignature(*canvas, geometry);
    canvas->setTextColour(Qt::black);
    for (const PrintedText& text :
         layoutCheque(*job.format, *job.positions, geometry, job.fonts, job.content)) {
        canvas->setFont(text.font);
        canvas->drawText(text.topLeft, text.text);
    }
    accessories.printUpperStub(*canvas, geometry);
    accessories.printSlantedLabel(*canvas, geometry);
    if (m_abortRequested)
        canvas->abort();
    outcome.printed = canvas->endDocument() && !m_abortRequested;
    outcome.aborted = m_abortRequested;
    if (!outcome.printed && !outcome.aborted)
        outcome.error = canvas->errorString();
    outcome.outputFile = outcome.printed ? m_printers.lastOutputFile() : QString();
    m_canvas = nullptr;
    return outcome;
}

void ChequePrintJob::abort() {
    m_abortRequested = true;
}
