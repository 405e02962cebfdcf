#include "formats/BankFormatCatalogue.h"
#include "formats/ChequePrintJob.h"
#include "formats/PrintAccessories.h"
#include "platform/SystemPrinters.h"
#include "support/TestPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A spooler of our own: cupsd on a private socket with a cups-pdf queue. cups-pdf writes
// each job as a PDF into ~/PDF of the job's user.
class PrivateCups {
public:
    bool start() {
        const QString root = m_dir.path();
        for (const char* sub : {"spool", "tmp", "cache", "state", "log", "root/ppd"})
            QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));
        // The filters run as another user: they must reach the folder and write temporary files.
        ::chmod(QFile::encodeName(root).constData(), 0755);
        ::chmod(QFile::encodeName(root + QStringLiteral("/tmp")).constData(), 01777);
        const QString socket = root + QStringLiteral("/cups.sock");
        write(QStringLiteral("root/cupsd.conf"),
              QStringLiteral("Listen %1\nWebInterface No\n<Location />\n  Order allow,deny\n  "
                             "Allow all\n</Location>\n<Policy default>\n  <Limit All>\n    "
                             "Order deny,allow\n  </Limit>\n</Policy>\n")
                  .arg(socket));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                             "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                             "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                  .arg(root));
        m_cupsd.start(QStringLiteral("cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"),
                       root + QStringLiteral("/root/cupsd.conf"), QStringLiteral("-s"),
                       root + QStringLiteral("/cups-files.conf")});
        if (!m_cupsd.waitForStarted(5000))
            return false;
        for (int i = 0; i < 50 && !QFile::exists(socket); ++i)
            QThread::msleep(100);
        qputenv("CUPS_SERVER", socket.toUtf8());
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"),
                      {QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-v"),
                       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                       QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
                       QStringLiteral("-E")});
        return lpadmin.waitForFinished(10000) && lpadmin.exitCode() == 0;
    }
    ~PrivateCups() {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(5000);
        qunsetenv("CUPS_SERVER");
    }

    /// One line per job, the job's title among its fields.
    QString pageLog() const {
        QFile f(m_dir.filePath(QStringLiteral("log/page_log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    static constexpr const char* kQueue = "QuilmetPDF";

private:
    void write(const QString& name, const QString& text) {
        QFile f(m_dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};

QString spoolerOutputFolder() {
    const passwd* user = getpwuid(getuid());
    return QString::fromLocal8Bit(user ? user->pw_dir : "") + QStringLiteral("/PDF");
}

int inkedPixels(const QString& pdf) {
    QTemporaryDir dir;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    render.waitForFinished(30000);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    int inked = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            inked += qGray(page.pixel(x, y)) < 128;
    return inked;
}

TEST(SystemPrinters, ChequeGoesThroughTheSpoolerAsOnePage) {
    if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")})
            .isEmpty() ||
        !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        GTEST_SKIP() << "cupsd or cups-pdf is not installed";
    PrivateCups cups;
    if (!cups.start())
        GTEST_SKIP() << "a private cupsd could not be started here";

    FixedClock clock;
    QTemporaryDir pdfFolder;
    SystemPrinters printers(clock, pdfFolder.path());
    const qsizetype queue = printers.names().indexOf(QString::fromLatin1(PrivateCups::kQueue));
    ASSERT_GE(queue, 0) << printers.names().join(u',').toStdString();
    EXPECT_EQ(printers.names().last(), QStringLiteral("PDF"));
    printers.select(static_cast<int>(queue));
    EXPECT_GT(printers.geometry().dpiX, 0);

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const BankFormat* bnp = BankFormatCatalogue::standard().byEditSuffix(u"BNP");
    ChequeJob job;
    job.format = bnp;
    job.positions = &bnp->factoryPositions;
    job.fonts = PrintFonts::standard();
    job.content.wordsLines = {QStringLiteral("*** DOUZE EUROS\u00A0***"), {}, {}};
    job.content.beneficiary = QStringLiteral("Garage du Centre");
    job.content.figures = QStringLiteral("***12,00***");
    job.content.place = QStringLiteral("Lyon");
    job.content.date = QStringLiteral("11 décembre 2026");
    PrintAccessories none;
    const PrintOutcome outcome = ChequePrintJob(printers).PrintChq(job, none);
    ASSERT_TRUE(outcome.printed) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.outputFile.isEmpty());

    // The spooler runs the job on its own time: wait for its file.
    QString produced;
    for (int i = 0; i < 300 && produced.isEmpty(); ++i) {
        QThread::msleep(100);
        for (const QFileInfo& f :
             QDir(spoolerOutputFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            if (f.lastModified() >= before && f.fileName().startsWith(QStringLiteral("Quilmet")))
                produced = f.absoluteFilePath(); // cups-pdf names the file after the job
    }
    ASSERT_FALSE(produced.isEmpty())
        << "no PDF from the spooler in " << spoolerOutputFolder().toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {produced});
    info.waitForFinished(10000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))));
    // cups-pdf draws the text again as its own glyphs, which read back as no text: the page
    // must not be blank. The places are checked on the built-in PDF printer.
    EXPECT_GT(inkedPixels(produced), 100);
    EXPECT_TRUE(cups.pageLog().contains(QStringLiteral(" Quilmet ")))
        << cups.pageLog().toStdString();
    QFile::remove(produced);
}

} // namespace
