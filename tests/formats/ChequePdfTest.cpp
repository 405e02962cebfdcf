#include "formats/BankFormat.h"
#include "formats/BankFormatCatalogue.h"
#include "formats/ChequeLayout.h"
#include "formats/ChequePrintJob.h"
#include "formats/PrintAccessories.h"
#include "formats/PrintGeometry.h"
#include "platform/PdfOnlyPrinters.h"
#include "support/PdfText.h"
#include "support/TestPlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct PdfCase {
    const char* format;
    PrintMode mode;
};

void PrintTo(const PdfCase& c, std::ostream* out) {
    *out << c.format << " mode " << static_cast<int>(c.mode);
}

class ChequePdf : public ::testing::TestWithParam<PdfCase> {};

// Printed to the built-in PDF printer and read back: every field stands where its format's
// millimetres put it, within half a millimetre across and one down.
TEST_P(ChequePdf, EveryFieldStandsAtItsFormatsPosition) {
    const PdfCase& c = GetParam();
    QTemporaryDir dir;
    FixedClock clock;
    PdfOnlyPrinters printers(clock, dir.path());
    const BankFormat* format =
        BankFormatCatalogue::standard().byEditSuffix(QString::fromLatin1(c.format));
    ASSERT_NE(format, nullptr);

    ChequeJob job;
    job.format = format;
    job.positions = &format->factoryPositions;
    job.mode = c.mode;
    job.fonts = PrintFonts::standard();
    job.content.wordsLines = {QStringLiteral("LIGNEUN"), QStringLiteral("LIGNEDEUX"),
                              QStringLiteral("LIGNETROIS")};
    job.content.beneficiary = QStringLiteral("BENEFICIAIRE");
    job.content.figures = QStringLiteral("***1.234,50***");
    job.content.place = QStringLiteral("LIEU");
    job.content.date = QStringLiteral("11/12/2026");
    PrintAccessories none;
    const PrintOutcome outcome = ChequePrintJob(printers).PrintChq(job, none);
    ASSERT_TRUE(outcome.printed) << outcome.error.toStdString();

    const auto words = readPdfWords(outcome.outputFile);
    const QSizeF page = readPdfPageSize(outcome.outputFile);
    const bool landscape =
        c.mode == PrintMode::PrintVertical || c.mode == PrintMode::PrintVertical2 ||
        c.mode == PrintMode::PrintVertical3 || c.mode == PrintMode::PrintCenterLaser;
    EXPECT_EQ(page.width() > page.height(), landscape);

    const PrintGeometry geometry(c.mode, job.offsets, printers.geometry());
    for (const PrintedText& expected :
         layoutCheque(*format, *job.positions, geometry, job.fonts, job.content)) {
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&](const PdfWord& w) { return w.text == expected.text; });
        ASSERT_NE(found, words.end()) << expected.text.toStdString();
        const double xPt = expected.topLeft.x() * 72.0 / PdfPrinter::kDpi;
        const double yPt = expected.topLeft.y() * 72.0 / PdfPrinter::kDpi;
        EXPECT_NEAR(found->box.left(), xPt, 0.5 * kPointsPerMm) << expected.text.toStdString();
        EXPECT_NEAR(found->box.top(), yPt, 1.0 * kPointsPerMm) << expected.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    FormatsAndModes, ChequePdf,
    ::testing::Values(
        PdfCase{"BNP", PrintMode::PrintHorizontal}, PdfCase{"BNP", PrintMode::PrintVertical},
        PdfCase{"BNP", PrintMode::PrintCentral}, PdfCase{"BNP", PrintMode::PrintCenterLaser},
        PdfCase{"BNP", PrintMode::PrintVertical2}, PdfCase{"BNP", PrintMode::PrintA4Bas},
        PdfCase{"BNP", PrintMode::PrintVertical3}, PdfCase{"CA3L", PrintMode::PrintHorizontal},
        PdfCase{"CM", PrintMode::PrintCentral}, PdfCase{"Ax", PrintMode::PrintA4Bas},
        PdfCase{"SoGe_", PrintMode::PrintVertical}, PdfCase{"CESU", PrintMode::PrintHorizontal}));

} // namespace
