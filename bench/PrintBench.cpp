// One cheque printed to PDF through the whole print routine, beside an empty page printed
// by the same PDF printer: what the cheque layout and its texts cost on top of a page.
#include "formats/BankFormatCatalogue.h"
#include "formats/ChequePrintJob.h"
#include "formats/PrintAccessories.h"
#include "platform/Clock.h"
#include "platform/PdfOnlyPrinters.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ChequeToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    SystemClock clock;
    PdfOnlyPrinters printers(clock, dir.path());
    const BankFormat* bnp = BankFormatCatalogue::standard().byEditSuffix(u"BNP");
    ChequeJob job;
    job.format = bnp;
    job.positions = &bnp->factoryPositions;
    job.fonts = PrintFonts::standard();
    job.content.wordsLines = {QStringLiteral("*** MILLE DEUX CENT TRENTE-QUATRE EUROS ET"),
                              QStringLiteral("CINQUANTE CENTIMES\u00A0*** ********************"),
                              {}};
    job.content.beneficiary = QStringLiteral("Garage du Centre ************************");
    job.content.figures = QStringLiteral("***1.234,50****");
    job.content.place = QStringLiteral("Villeneuve la Vieille");
    job.content.date = QStringLiteral("11 décembre 2026");
    PrintAccessories none;
    ChequePrintJob printJob(printers);
    for (auto _ : state) {
        printers.pdfPrinter().setNextFile(dir.filePath(QStringLiteral("cheque.pdf")));
        benchmark::DoNotOptimize(printJob.PrintChq(job, none).printed);
    }
}
BENCHMARK(ChequeToPdf)->Unit(benchmark::kMillisecond);

void EmptyPageToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    SystemClock clock;
    PdfOnlyPrinters printers(clock, dir.path());
    for (auto _ : state) {
        printers.pdfPrinter().setNextFile(dir.filePath(QStringLiteral("vide.pdf")));
        auto canvas = printers.openJob();
        canvas->beginDocument(QStringLiteral("Quilmet"), QPageLayout::Portrait);
        benchmark::DoNotOptimize(canvas->endDocument());
    }
}
BENCHMARK(EmptyPageToPdf)->Unit(benchmark::kMillisecond);

} // namespace
