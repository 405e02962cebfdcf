// Drives the real main window on a real display (Xvfb) for the screenshots a person looks
// at, and writes the full settings file the start-up measurement loads.
//   quilmet_window_shots --settings    writes a full Quilcfg.ini into the user folder
//   quilmet_window_shots OUT_FOLDER    face.png (converted amount) and expanded.png
#include "app/ChequeSession.h"
#include "app/DesktopPlatform.h"
#include "app/MainFormQM.h"
#include "formats/ChequeFacePanel.h"
#include "platform/FontSubstitutions.h"
#include "platform/ImageTextMeasurer.h"
#include "platform/IniFile.h"
#include "platform/PdfOnlyPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <cstdio>

namespace {

// Every format customised, stub and back lines for every account, a BNP cheque current.
void writeFullSettings(ChequeSession& session, const QString& path) {
    for (const BankFormat& f : session.catalogue().formats()) {
        for (const int n : f.fieldNumbers())
            session.positions().setValue(f.number, n, f.factoryPositions.field(n) + 1);
    }
    IniFile file(path);
    file.update([&session](IniDocument& d) {
        session.positions().save(d);
        for (const BankFormat& f : session.catalogue().formats()) {
            if (f.menuEntry == u"BNP")
                d.writeInteger(u"CHOIX BANQUE", u"Banque", f.number);
            for (int k = 1; k <= f.accountCount; ++k) {
                const QString stub = f.stubPrefix + QStringLiteral("Cpt%1").arg(k);
                const QString back = f.backPrefix + QStringLiteral("Cpt%1").arg(k);
                for (int line = 1; line <= 3; ++line)
                    d.writeString(u"SOUCHE", stub + QStringLiteral("Ligne%1").arg(line),
                                  QStringLiteral("Souche ligne %1").arg(line));
                for (int line = 1; line <= 4; ++line)
                    d.writeString(u"DOS CHEQUE", back + QStringLiteral("Ligne%1").arg(line),
                                  QStringLiteral("Dos ligne %1").arg(line));
                d.writeString(u"CHOIX BANQUE",
                              QStringLiteral("Compte%1%2").arg(k).arg(f.accountName),
                              QStringLiteral("0001234567%1").arg(k));
                d.writeString(u"CHOIX BANQUE",
                              QStringLiteral("Cheque%1%2").arg(k).arg(f.accountName),
                              QStringLiteral("000010%1").arg(k));
            }
        }
        d.writeString(u"SAISIE LIEU", u"Lieu", QStringLiteral("Lyon"));
    });
}

void save(const QPixmap& pixmap, const QString& path) {
    if (!pixmap.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s --settings | OUT_FOLDER\n", argv[0]);
        return 2;
    }
    installFontSubstitutions();
    DesktopPlatform desktop;
    Platform& platform = desktop.platform();
    platform.folders.CreateFolderUser();
    const ImageTextMeasurer measurer;
    PdfOnlyPrinters printers(platform.clock, QDir::tempPath());
    ChequeSession session(platform, measurer, printers);
    if (QString::fromLocal8Bit(argv[1]) == u"--settings") {
        writeFullSettings(session, platform.folders.settingsFilePath());
        return 0;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    MainFormQM window(platform, session);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(300);
    auto* beneficiary = window.findChild<QLineEdit*>(QStringLiteral("EditBeneficiaire"));
    QTest::keyClicks(beneficiary, QStringLiteral("Jean Dupont"));
    auto* amount = window.findChild<QLineEdit*>(QStringLiteral("EditSaisieSomme"));
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("1234,5"));
    QTest::keyClick(amount, Qt::Key_Return);
    QTest::qWait(300);
    QScreen* screen = window.screen();
    save(screen->grabWindow(window.winId()), out + QStringLiteral("/window.png"));
    save(window.face().grab(), out + QStringLiteral("/face.png"));
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("BtnMontrerVolet")),
                      Qt::LeftButton);
    QTest::qWait(300);
    save(screen->grabWindow(window.winId()), out + QStringLiteral("/expanded.png"));
    return 0;
}
