#include "formats/ChequePrintJob.h"

#include "formats/BankFormat.h"
#include "formats/BankFormatCatalogue.h"
#include "formats/PrintAccessories.h"
#include "formats/PrintGeometry.h"
#include "support/FakePrinters.h"

#include <gtest/gtest.h>

namespace {

ChequeContent sampleContent() {
    ChequeContent c;
    c.wordsLines = {QStringLiteral("*** Mille deux cent trente-quatre euros"),
                    QStringLiteral("et cinquante centimes\u00A0***"),
                    QStringLiteral("ligne trois")};
    c.beneficiary = QStringLiteral("Garage du Centre");
    c.figures = QStringLiteral("***1.234,50****");
    c.place = QStringLiteral("Villeneuve la Vieille");
    c.date = QStringLiteral("11 décembre 2026");
    return c;
}

struct Job {
    explicit Job(const char* suffix, PrinterGeometry printer = {300, 300, 0, 0})
        : printers(printer),
          format(BankFormatCatalogue::standard().byEditSuffix(QString::fromLatin1(suffix))) {
        job.format = format;
        job.positions = &format->factoryPositions;
        job.fonts = PrintFonts::standard();
        job.content = sampleContent();
    }
    const RecordingCanvas& print() {
        PrintAccessories none;
        EXPECT_TRUE(ChequePrintJob(printers).PrintChq(job, none).printed);
        return printers.jobs.back();
    }
    QPoint pixels(int xMm, int yMm) const {
        return {PrintGeometry::millimetresToPixels(xMm, printers.printer.dpiX),
                PrintGeometry::millimetresToPixels(yMm, printers.printer.dpiY)};
    }
    FakePrinters printers;
    const BankFormat* format;
    ChequeJob job;
};

TEST(ChequePrintJob, BnpWordsLineOneAt300DpiHorizontal) {
    Job bnp("BNP");
    ASSERT_NE(bnp.format, nullptr);
    const RecordingCanvas& page = bnp.print();
    EXPECT_EQ(page.title, QStringLiteral("Quilmet"));
    EXPECT_EQ(page.orientation, QPageLayout::Portrait);
    ASSERT_NE(page.find(bnp.job.content.wordsLines[0]), nullptr);
    EXPECT_EQ(page.find(bnp.job.content.wordsLines[0])->topLeft, QPoint(555, 236));
    EXPECT_TRUE(page.find(bnp.job.content.wordsLines[0])->font.bold());
    EXPECT_EQ(page.find(bnp.job.content.wordsLines[2]), nullptr) << "two-line format";
}

TEST(ChequePrintJob, DrawsEveryFieldInOrderWithItsFont) {
    Job bnp("BNP");
    const RecordingCanvas& page = bnp.print();
    QStringList order;
    for (const auto& t : page.texts)
        order << t.text;
    const ChequeContent& c = bnp.job.content;
    EXPECT_EQ(order, (QStringList{c.wordsLines[0], c.wordsLines[1], c.beneficiary, c.figures,
                                  c.place, c.date}));
    EXPECT_EQ(page.find(c.beneficiary)->font.pointSize(), 12);
    EXPECT_FALSE(page.find(c.beneficiary)->font.bold());
    EXPECT_EQ(page.find(c.figures)->font.pointSize(), 14);
    EXPECT_TRUE(page.find(c.figures)->font.bold());
    EXPECT_EQ(page.find(c.place)->font.pointSize(), 10);
    for (const auto& t : page.texts)
        EXPECT_EQ(t.colour, QColor(Qt::black));
}

TEST(ChequePrintJob, ThreeLineFormatPrintsItsThirdLine) {
    Job ca3("CA3L");
    ASSERT_NE(ca3.format, nullptr);
    ASSERT_EQ(ca3.format->lineCount, 3);
    const RecordingCanvas& page = ca3.print();
    const FieldPositions& p = ca3.format->factoryPositions;
    ASSERT_NE(page.find(ca3.job.content.wordsLines[2]), nullptr);
    EXPECT_EQ(page.find(ca3.job.content.wordsLines[2])->topLeft,
              ca3.pixels(p.field(30), p.field(31) - 2));
}

TEST(ChequePrintJob, CreditMutuelPlaceHasNoShiftButItsDateHas) {
    Job cm("CM");
    ASSERT_NE(cm.format, nullptr);
    const RecordingCanvas& page = cm.print();
    const FieldPositions& p = cm.format->factoryPositions;
    EXPECT_EQ(page.find(cm.job.content.place)->topLeft.x(), cm.pixels(p.field(5), 0).x());
    EXPECT_EQ(page.find(cm.job.content.date)->topLeft.x(), cm.pixels(p.field(6) + 1, 0).x());
}

TEST(ChequePrintJob, PhysicalOffsetsAndVerticalModes) {
    Job bnp("BNP", {600, 300, 50, 20});
    bnp.job.mode = PrintMode::PrintVertical;
    const RecordingCanvas& page = bnp.print();
    EXPECT_EQ(page.orientation, QPageLayout::Landscape);
    const PrintGeometry geometry(PrintMode::PrintVertical, bnp.job.offsets, bnp.printers.printer);
    EXPECT_EQ(page.find(bnp.job.content.wordsLines[0])->topLeft, geometry.devicePoint(47, 20));
}

TEST(ChequePrintJob, CustomFontAppliesToEveryText) {
    Job bnp("BNP");
    bnp.job.fonts = PrintFonts::custom(QStringLiteral("Courier New"), 11, 13, 15, 9);
    const RecordingCanvas& page = bnp.print();
    for (const auto& t : page.texts)
        EXPECT_EQ(t.font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(page.find(bnp.job.content.wordsLines[0])->font.pointSize(), 11);
    EXPECT_EQ(page.find(bnp.job.content.date)->font.pointSize(), 9);
}

class OrderRecorder : public PrintAccessories {
public:
    void printHeader(PrintCanvas& c, const PrintGeometry&) override { note(c, "header"); }
    void printSignature(PrintCanvas& c, const PrintGeometry&) override { note(c, "signature"); }
    void printUpperStub(PrintCanvas& c, const PrintGeometry&) override { note(c, "stub"); }
    void printSlantedLabel(PrintCanvas& c, const PrintGeometry&) override { note(c, "label"); }
    void note(PrintCanvas& c, const char* what) { c.drawText({0, 0}, QString::fromLatin1(what)); }
};

TEST(ChequePrintJob, AccessoriesTakeTheirPlacesAroundTheFields) {
    Job bnp("BNP");
    OrderRecorder accessories;
    ASSERT_TRUE(ChequePrintJob(bnp.printers).PrintChq(bnp.job, accessories).printed);
    const auto& texts = bnp.printers.jobs.back().texts;
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0].text, QStringLiteral("header"));
    EXPECT_EQ(texts[1].text, QStringLiteral("signature"));
    EXPECT_EQ(texts[8].text, QStringLiteral("stub"));
    EXPECT_EQ(texts[9].text, QStringLiteral("label"));
}

class AbortingAccessories : public PrintAccessories {
public:
    explicit AbortingAccessories(ChequePrintJob& job) : m_job(job) {}
    void printSignature(PrintCanvas&, const PrintGeometry&) override { m_job.abort(); }

private:
    ChequePrintJob& m_job;
};

TEST(ChequePrintJob, AbortedJobIsNotReportedAsPrinted) {
    Job bnp("BNP");
    ChequePrintJob job(bnp.printers);
    AbortingAccessories aborting(job);
    const PrintOutcome outcome = job.PrintChq(bnp.job, aborting);
    EXPECT_FALSE(outcome.printed);
    EXPECT_TRUE(outcome.aborted);
    EXPECT_TRUE(bnp.printers.jobs.back().aborted);
}

} // namespace
