#include "app/ChequeSession.h"
#include "app/MainFormQM.h"
#include "app/SettingsTabsHost.h"
#include "formats/ChequeFacePanel.h"
#include "formats/FormatPages.h"
#include "platform/ImageTextMeasurer.h"
#include "platform/IniFile.h"
#include "platform/InstanceLock.h"
#include "platform/PdfOnlyPrinters.h"
#include "support/TestPlatform.h"
#include "tools/TBanqueParDefaut.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

int formatNumber(const ChequeSession& session, const char* menuEntry) {
    for (const BankFormat& f : session.catalogue().formats()) {
        if (f.menuEntry == QLatin1String(menuEntry))
            return f.number;
    }
    return 0;
}

// The main window over a fresh user folder, with only the built-in PDF printer.
class MainWindowTest : public ::testing::Test {
protected:
    void start(const char* formatEntry, const QString& place = QStringLiteral("Lyon")) {
        printers = std::make_unique<PdfOnlyPrinters>(tp.clock, tp.root() + QStringLiteral("/pdf"));
        session = std::make_unique<ChequeSession>(tp.platform(), measurer, *printers);
        tp.folders.CreateFolderUser();
        IniFile file(tp.folders.settingsFilePath());
        const int number = formatEntry ? formatNumber(*session, formatEntry) : 1;
        file.update([&](IniDocument& d) {
            d.writeInteger(u"CHOIX BANQUE", u"Banque", number);
            d.writeString(u"SAISIE LIEU", u"Lieu", place);
            d.writeInteger(u"PRINT", u"Orientation", 1);
        });
        window = std::make_unique<MainFormQM>(tp.platform(), *session);
        window->show();
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget> T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void typeAmount(const QString& keys) {
        auto* amount = find<QLineEdit>("EditSaisieSomme");
        amount->setFocus();
        amount->selectAll();
        QTest::keyClicks(amount, keys);
    }

    void fillAndConvert(const QString& amount, const QString& beneficiary) {
        auto* edit = find<QLineEdit>("EditBeneficiaire");
        QTest::keyClicks(edit, beneficiary);
        typeAmount(amount);
        QTest::keyClick(find<QLineEdit>("EditSaisieSomme"), Qt::Key_Return);
    }

    TestPlatform tp;
    ImageTextMeasurer measurer;
    std::unique_ptr<PdfOnlyPrinters> printers;
    std::unique_ptr<ChequeSession> session;
    std::unique_ptr<MainFormQM> window;
};

TEST_F(MainWindowTest, TypingAndEnterShowTheFittedWordLinesOfTheModels) {
    start("BNP");
    fillAndConvert(QStringLiteral("1234,5"), QStringLiteral("Jean Dupont"));
    const ChequeEntry& entry = session->entry();
    EXPECT_EQ(find<QLineEdit>("EditSaisieSomme")->text(), entry.amountText());
    EXPECT_TRUE(session->wordLines().text(1).contains(u"mille deux cent trente-quatre",
                                                      Qt::CaseInsensitive))
        << session->wordLines().text(1).toStdString();
    for (int line = 1; line <= 3; ++line) {
        auto* label = find<QLabel>(QStringLiteral("Label%1").arg(7 + line).toLatin1().constData());
        EXPECT_EQ(label->text(), session->wordLines().text(line)) << line;
        EXPECT_EQ(label->isVisible(), session->wordLines().isVisible(line)) << line;
    }
    EXPECT_TRUE(find<QLabel>("Label8")->isVisible());
    EXPECT_TRUE(find<QLabel>("Label9")->isVisible());
    EXPECT_TRUE(find<QLabel>("Label10")->text().isEmpty()) << "two-line format";
    // The fill the beneficiary got from the fitting reaches the field.
    EXPECT_EQ(find<QLineEdit>("EditBeneficiaire")->text(), entry.beneficiary());
    EXPECT_TRUE(entry.beneficiary().startsWith(u"Jean Dupont"));
    EXPECT_FALSE(session->fitting().figuresFill().isEmpty());
}

TEST_F(MainWindowTest, AmountFieldKeepsOnlyTheKeysTheFilterAccepts) {
    start("BNP");
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"12a3", "123"},
        {"12.5", "12,5"},
        {"1,234", "1,23"},
        {"7,5,", "7,5"},
    };
    for (const auto& c : cases) {
        typeAmount(QString::fromLatin1(c.keys));
        EXPECT_EQ(find<QLineEdit>("EditSaisieSomme")->text(), QString::fromLatin1(c.shown))
            << c.keys;
        EXPECT_EQ(session->entry().amountText(), QString::fromLatin1(c.shown)) << c.keys;
    }
    QTest::keyClick(find<QLineEdit>("EditSaisieSomme"), Qt::Key_Backspace);
    EXPECT_EQ(session->entry().amountText(), QStringLiteral("7,"));
}

TEST_F(MainWindowTest, ClearButtonsEmptyAmountAndBeneficiary) {
    start("BNP");
    fillAndConvert(QStringLiteral("52"), QStringLiteral("Marie"));
    QTest::mouseClick(find<QToolButton>("GommeBeneficiaire"), Qt::LeftButton);
    EXPECT_TRUE(find<QLineEdit>("EditBeneficiaire")->text().isEmpty());
    EXPECT_FALSE(find<QPushButton>("BtnPrintCheque")->isVisible());
    typeAmount(QStringLiteral("52"));
    QTest::mouseClick(find<QToolButton>("GommeEditSaisieSomme"), Qt::LeftButton);
    EXPECT_TRUE(session->entry().isAmountZero());
    EXPECT_EQ(find<QLineEdit>("EditSaisieSomme")->text(), session->entry().amountText());
}

TEST_F(MainWindowTest, PrintButtonAppearsOnceBeneficiaryPlaceAndDateAreFilled) {
    start("BNP", QString());
    auto* print = find<QPushButton>("BtnPrintCheque");
    fillAndConvert(QStringLiteral("80"), QStringLiteral("Marie"));
    EXPECT_FALSE(print->isVisible()) << "no place yet";
    QTest::keyClicks(find<QLineEdit>("EditLieu"), QStringLiteral("Nantes"));
    QTest::keyClick(find<QLineEdit>("EditSaisieSomme"), Qt::Key_Return);
    EXPECT_TRUE(print->isVisible());
    EXPECT_TRUE(find<QLabel>("ImgHoriz")->isVisible());
    EXPECT_FALSE(find<QLabel>("ImgVert")->isVisible());
    find<QLineEdit>("EditDate")->selectAll();
    QTest::keyClick(find<QLineEdit>("EditDate"), Qt::Key_Backspace);
    EXPECT_FALSE(print->isVisible());
    EXPECT_FALSE(find<QLabel>("ImgHoriz")->isVisible());
}

int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

TEST_F(MainWindowTest, CtrlPPrintsOnePdfPageOnlyWhileThePrintButtonShows) {
    start("BNP");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(printers->lastOutputFile().isEmpty());
    fillAndConvert(QStringLiteral("1234,5"), QStringLiteral("Jean Dupont"));
    ASSERT_TRUE(find<QPushButton>("BtnPrintCheque")->isVisible());
    QTest::keyClick(find<QLineEdit>("EditSaisieSomme"), Qt::Key_P, Qt::ControlModifier);
    const QString pdf = printers->lastOutputFile();
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(MainWindowTest, ClosingPlaysTheSoundAndWritesTheSettings) {
    start("BNP");
    window->move(40, 50);
    tp.soundOutput.played.clear();
    window->close();
    EXPECT_TRUE(tp.soundOutput.cues().contains(QStringLiteral("Son010")));
    const IniDocument d = IniFile(tp.folders.settingsFilePath()).load();
    EXPECT_TRUE(d.sectionExists(u"MainFormQM"));
    EXPECT_EQ(d.readString(u"SAISIE LIEU", u"Lieu", {}), QStringLiteral("Lyon"));
    EXPECT_EQ(d.readInteger(u"CHOIX BANQUE", u"Banque", 0), formatNumber(*session, "BNP"));
}

TEST_F(MainWindowTest, AxaFactoryPositionsPutEachControlAtItsPixelPlace) {
    start("AXA");
    const struct {
        const char* name;
        QPoint at;
    } places[] = {
        {"Label8", {161, 76}},
        {"Label9", {15, 93}},
        {"EditBeneficiaire", {26, 110}},
        {"LabelBenef", {11, 112}},
        {"LigneBeneficiaire", {11, 130}},
        {"GommeBeneficiaire", {463, 113}},
        {"RbPanel3", {507, 99}},
        {"btnConvertir", {507, 99}},
        {"btnRelaisConvertir", {507, 58}},
        {"EditLieu", {326, 143}},
        {"LabelA", {311, 145}},
        {"LigneA", {325, 154}},
        {"EditDate", {503, 143}},
        {"LabelLE", {485, 145}},
        {"LigneLE", {502, 154}},
    };
    for (const auto& p : places)
        EXPECT_EQ(find(p.name)->pos(), p.at) << p.name;
    EXPECT_EQ(find("RbPanelFaceCheque")->size(), QSize(654, 267));
    EXPECT_EQ(find("BtnPrintCheque")->geometry(), QRect(13, 147, 89, 57));
}

TEST_F(MainWindowTest, SettingsPanelOpensOnTheCurrentFormatTabAndCloses) {
    start("HSBC");
    EXPECT_EQ(window->height(), MainFormQM::kCollapsedHeight);
    auto* tabs = find<QTabWidget>("PageCtrlBase");
    EXPECT_EQ(tabs->count(), 22);
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("OngletParamCtrl2"));
    QTest::mouseClick(find<QToolButton>("BtnMontrerVolet"), Qt::LeftButton);
    EXPECT_EQ(window->height(), MainFormQM::kExpandedHeight);
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("OngletH"));
    EXPECT_FALSE(find("BtnMontrerVolet")->isVisible());
    QTest::mouseClick(find<QToolButton>("BtnCacherVolet"), Qt::LeftButton);
    EXPECT_EQ(window->height(), MainFormQM::kCollapsedHeight);
    EXPECT_TRUE(find("BtnMontrerVolet")->isVisible());

    // The same settings page asked twice: expands, then collapses.
    window->showSettingsPage(QStringLiteral("OngletParamImpr1"));
    EXPECT_EQ(window->height(), MainFormQM::kExpandedHeight);
    window->showSettingsPage(QStringLiteral("OngletParamImpr1"));
    EXPECT_EQ(window->height(), MainFormQM::kCollapsedHeight);
}

// The pages are filled when the panel first opens, not at start: also the page that has
// been current since start, which no page change announces.
TEST_F(MainWindowTest, PanelOpenedFirstOnItsCurrentPageShowsItsControls) {
    start("HSBC");
    auto* tabs = find<QTabWidget>("PageCtrlBase");
    window->showSettingsPage(QStringLiteral("OngletParamCtrl2"));
    EXPECT_EQ(window->height(), MainFormQM::kExpandedHeight);
    EXPECT_NE(tabs->currentWidget()->findChild<QLabel*>(QStringLiteral("lblCTRL_L1")), nullptr);
}

TEST_F(MainWindowTest, ShowingAFormatPageAppliesItsFormat) {
    start("BNP");
    auto* tabs = find<QTabWidget>("PageCtrlBase");
    tabs->setCurrentWidget(window->tabs().page(QStringLiteral("OngletA")));
    EXPECT_EQ(session->currentFormat().number(), formatNumber(*session, "AXA"));
    EXPECT_NE(find<QLabel>("lblBqChoisie")->text().indexOf(u"AXA"), -1);
    tabs->setCurrentWidget(window->tabs().page(QStringLiteral("OngletCESU")));
    EXPECT_EQ(session->currentFormat().number(), formatNumber(*session, "CESU"));

    // On a page of several formats, the inner tab brought forward applies its own format.
    QWidget* pageB = window->tabs().page(QStringLiteral("OngletB"));
    tabs->setCurrentWidget(pageB);
    QTabWidget* inner = FormatPages::innerTabs(pageB);
    ASSERT_NE(inner, nullptr);
    for (int i = 0; i < inner->count(); ++i) {
        inner->setCurrentIndex(i);
        EXPECT_EQ(session->currentFormat().number(), FormatPages::shownFormat(pageB));
    }
    EXPECT_NE(session->currentFormat().number(), formatNumber(*session, "CESU"));
}

TEST_F(MainWindowTest, WithoutFormatTheWelcomeWindowOpensAtFirstPainting) {
    start(nullptr);
    window->repaint();
    QTest::qWait(20);
    auto* welcome = window->findChild<TBanqueParDefaut*>();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_EQ(find<QLabel>("lblBqChoisie")->text(), QStringLiteral("Banque non choisie..."));
    session->currentFormat().Interface(formatNumber(*session, "BNP"), {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !welcome || !welcome->isVisible(); }, 7000));
}

TEST(ProgramStartTest, ASecondInstanceEndsWithoutAWindow) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    InstanceLock running(runtime.path() + QStringLiteral("/quilmet.lock"));
    ASSERT_TRUE(running.tryLock());
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(QUILMET_PROGRAM), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    // Nothing was loaded or written.
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/data/Quilmet/Quilcfg.ini")));
}

} // namespace
