#include "platform/PdfPrinter.h"

#include "support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double kPointsPerPixel = 72.0 / PdfPrinter::kDpi;

TEST(PdfPrinter, PutsTheTopLeftOfTheTextCellAtThePixelAsked) {
    QTemporaryDir dir;
    PdfPrinter printer(dir.filePath(QStringLiteral("sortie")));
    auto job = printer.openJob(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)));
    ASSERT_TRUE(job->beginDocument(QStringLiteral("Quilmet"), QPageLayout::Portrait));
    job->setFont(QFont(QStringLiteral("Arial"), 12));
    job->drawText(QPoint(600, 1200), QStringLiteral("Bonjour"));
    ASSERT_TRUE(job->endDocument());

    EXPECT_EQ(printer.lastOutputFile(),
              dir.filePath(QStringLiteral("sortie/Quilmet_2026-12-11_09-05-07.pdf")));
    const QSizeF page = readPdfPageSize(printer.lastOutputFile());
    EXPECT_NEAR(page.width(), 595.3, 1.0);
    const auto words = readPdfWords(printer.lastOutputFile());
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, QStringLiteral("Bonjour"));
    EXPECT_NEAR(words[0].box.left(), 600 * kPointsPerPixel, 1.0);
    EXPECT_NEAR(words[0].box.top(), 1200 * kPointsPerPixel, 1.5);
}

TEST(PdfPrinter, LandscapeJobsAndOneFilePerJob) {
    QTemporaryDir dir;
    PdfPrinter printer(dir.path());
    const QDateTime now(QDate(2026, 12, 11), QTime(9, 5, 7));
    for (int i = 0; i < 2; ++i) {
        auto job = printer.openJob(now);
        ASSERT_TRUE(job->beginDocument(QStringLiteral("Quilmet"), QPageLayout::Landscape));
        job->drawText(QPoint(100, 100), QStringLiteral("x"));
        ASSERT_TRUE(job->endDocument());
    }
    EXPECT_TRUE(printer.lastOutputFile().endsWith(QStringLiteral("_2.pdf")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    const QSizeF page = readPdfPageSize(printer.lastOutputFile());
    EXPECT_GT(page.width(), page.height());
}

TEST(PdfPrinter, AbortedJobLeavesNoFile) {
    QTemporaryDir dir;
    PdfPrinter printer(dir.path());
    auto job = printer.openJob(QDateTime::currentDateTime());
    ASSERT_TRUE(job->beginDocument(QStringLiteral("Quilmet"), QPageLayout::Portrait));
    job->drawText(QPoint(100, 100), QStringLiteral("x"));
    job->abort();
    EXPECT_FALSE(job->endDocument());
    EXPECT_FALSE(QFile::exists(printer.lastOutputFile()));
}

} // namespace
