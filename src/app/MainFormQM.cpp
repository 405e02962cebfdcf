#include "app/MainFormQM.h"

#include "app/ChequeSession.h"
#include "app/DemoFiles.h"
#include "app/MainToolbar.h"
#include "app/SettingsTabsHost.h"
#include "app/WindowPositions.h"
#include "formats/ChequeFacePanel.h"
#include "formats/FormatsMenu.h"
#include "formats/OrientationChooser.h"
#include "journal/AccountWindow.h"
#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/Printers.h"
#include "platform/Shell.h"
#include "platform/Sounds.h"
#include "tools/TBanqueParDefaut.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

const QString kShow = QStringLiteral("SHOW");
constexpr int kFaceTop = 30;
constexpr int kDefaultFace = 15859687;
constexpr int kDefaultFrame = 0xFFFFFF;
const char* const kWebSite = "https://www.quilmet.fr/";

// Colours are stored as 0x00BBGGRR.
QColor fromStored(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
int toStored(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

const QString kMainHelp = QStringLiteral(
    "PRINCIPE DE FONCTIONNEMENT\r\n\r\n-  Pour imprimer, il est indispensable de remplir les "
    "quatre "
    "champs de saisie, de valider et apparaîtra ensuite le bouton \r\n    d'impression qui sera "
    "disponible à cliquer.\r\n\r\n-  Pensez au menu contextuel (clic droit) afin de découvrir les "
    "diverses possibilités de cette interface principale : liste de\r\n    bénéficiaires des "
    "sommes "
    "; dos chèque ; etc.\r\n\r\n-  Sans oublier le menu contextuel spécifique dans le champ de "
    "saisie de la somme en chiffres afin de découvrir le Copier/Coller\r\n    filtrant et "
    "sélectif.\r\n\r\n-  Pour l'enregistrement de vos écritures complètes avec numéro de compte(s) "
    "et de chèque(s) : il suffit de cliquer ci-dessous\r\n    sur le numéro de chèque ou de "
    "compte.\r\n\r\n-  Un clic sur l'indicateur central bas \"Format en cours\" permet également "
    "d'appeler le menu des formats bancaires.\r\n    Un raccourci clavier direct existe sur chaque "
    "item.");

} // namespace

MainFormQM::MainFormQM(Platform& platform, ChequeSession& session, const Progress& progress,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_platform(platform), m_session(session) {
    setObjectName(QStringLiteral("MainFormQM"));
    setWindowTitle(QStringLiteral(" Quilmet version 6.2.0"));
    const auto tell = [&progress](int percent, const QString& text) {
        if (progress)
            progress(percent, text);
    };
    buildWindow();
    bindCommands();
    bindSettings();
    setExpanded(false);

    tell(1, QStringLiteral("Initialisation ..."));
    if (const auto error = platform.folders.CreateFolderUser()) {
        platform.sounds.play(Cue::Son004);
        platform.dialogs.error(QStringLiteral("Dossier utilisateur..."), *error);
        m_ready = false;
        return;
    }
    tell(2, QStringLiteral("CreateFolderUser ..."));
    session.loadSettings([&tell](int step) {
        tell(3 + step * 97 / 25, QStringLiteral("Chargement paramètres (étape %1) ...").arg(step));
    });
    session.positions().DisableBtnParDefaut();
    session.printModes().DisableBtnParDefaut();
    session.wording().DisableBtnParDefaut();
    m_face->SeeScreenLines();
    qApp->installEventFilter(this);
}

// --- Building ---

void MainFormQM::buildWindow() {
    m_toolbar = new MainToolbar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StsBarBottom"));
    status->setSizeGripEnabled(false);
    setStatusBar(status);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PanelCentral"));
    setCentralWidget(central);
    m_frame = new QWidget(central);
    m_frame->setObjectName(QStringLiteral("RbPanelBase"));
    m_frame->setAutoFillBackground(true);
    m_face = new ChequeFacePanel(m_session, m_frame);
    m_face->move((kWidth - m_face->width()) / 2, kFaceTop);
    // The frame fills the collapsed window; the settings tabs lie below it.
    const int frameHeight =
        kCollapsedHeight - m_toolbar->sizeHint().height() - status->sizeHint().height();
    m_frame->setGeometry(0, 0, kWidth, frameHeight);
    m_tabs = new SettingsTabsHost(m_session, central);
    m_tabs->setGeometry(4, m_frame->height() + 4, kWidth - 8,
                        kExpandedHeight - kCollapsedHeight - 8);
    m_formatsMenu = new FormatsMenu(m_session, this);
    setFrameColour(fromStored(kDefaultFrame));
    m_face->setFaceColour(fromStored(kDefaultFace));
}

void MainFormQM::bindCommands() {
    connect(m_toolbar, &MainToolbar::quitRequested, this, &QWidget::close);
    connect(m_toolbar, &MainToolbar::formatsRequested, this, &MainFormQM::btnChoixBanqueClick);
    connect(m_toolbar, &MainToolbar::orientationRequested, this, &MainFormQM::chooseOrientation);
    connect(m_toolbar, &MainToolbar::printerRequested, this, &MainFormQM::choosePrinter);
    connect(m_toolbar, &MainToolbar::settingsPageRequested, this, &MainFormQM::showSettingsPage);
    connect(m_toolbar, &MainToolbar::ReglageClick, this, &MainFormQM::MontrerVolet);
    connect(m_toolbar, &MainToolbar::faceColourRequested, this,
            [this](bool customise) { customiseColour(true, customise); });
    connect(m_toolbar, &MainToolbar::frameColourRequested, this,
            [this](bool customise) { customiseColour(false, customise); });
    connect(m_toolbar, &MainToolbar::muteRequested, this,
            [this] { m_platform.sounds.NoSoundClick(m_platform.dialogs); });
    connect(&m_platform.sounds, &Sounds::mutedChanged, m_toolbar->option("NoSound"),
            &QAction::setChecked);
    connect(m_toolbar, &MainToolbar::dateStyleRequested, this, [this](int style) {
        ChequeEntry& entry = m_session.entry();
        void (ChequeEntry::*commands[])() = {
            &ChequeEntry::DatageDefautClick, &ChequeEntry::DatageEspaceClick,
            &ChequeEntry::DatageTiretsClick, &ChequeEntry::DatageSlachClick};
        (entry.*commands[style - 1])();
    });
    const auto checkDateStyle = [this](int style) {
        const char* names[] = {"DatageDefaut", "DatageEspace", "DatageTirets", "DatageSlach"};
        for (int s = 1; s <= 4; ++s)
            m_toolbar->findChild<QAction*>(QString::fromLatin1(names[s - 1]))
                ->setChecked(s == style);
    };
    connect(&m_session.entry(), &ChequeEntry::dateStyleChanged, this, checkDateStyle);
    connect(m_toolbar, &MainToolbar::folderRequested, this, [this](bool userFolder) {
        const AppFolders& f = m_platform.folders;
        m_platform.shell.open(
            QUrl::fromLocalFile(userFolder ? f.userFolder() : f.DonneFolderAppli()));
    });
    connect(m_toolbar, &MainToolbar::renameFormatRequested, this, &MainFormQM::renameFormat);
    connect(m_toolbar, &MainToolbar::mainHelpRequested, this, &MainFormQM::showMainHelp);
    connect(m_toolbar, &MainToolbar::faqRequested, this, [this] {
        m_platform.shell.open(QUrl(QString::fromLatin1(kWebSite) + QStringLiteral("faq_qm.html")));
    });
    connect(m_toolbar, &MainToolbar::webSiteRequested, this,
            [this] { m_platform.shell.open(QUrl(QString::fromLatin1(kWebSite))); });

    auto* print = new QAction(this);
    print->setObjectName(QStringLiteral("ActionPrint"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addAction(print);
    connect(print, &QAction::triggered, this, &MainFormQM::printFromKeyboard);

    connect(m_face, &ChequeFacePanel::MontrerVoletRequested, this, &MainFormQM::MontrerVolet);
    connect(m_face, &ChequeFacePanel::CacherVoletRequested, this, &MainFormQM::CacherVolet);
    connect(m_face, &ChequeFacePanel::formatMenuRequested, this,
            [this](const QPoint& at) { m_formatsMenu->popup(at); });
    connect(m_face, &ChequeFacePanel::accountWindowRequested, this, [this] {
        if (m_session.account().mayOpenAccountWindow()) {
            AccountWindow window(m_platform, m_session.account(), this);
            window.exec();
        }
    });
    connect(m_face, &ChequeFacePanel::calendarRequested, this,
            [this] { notYet(QStringLiteral("Le mini-calendrier")); });
    connect(m_formatsMenu, &FormatsMenu::formatChosenFromMenu, this,
            [this](int number) { m_tabs->showFormatTab(number); });
    connect(&m_session, &ChequeSession::formatChoiceRequested, this, &MainFormQM::openFormatChoice);
    connect(&m_session.currentFormat(), &CurrentFormat::formatChoiceRequested, this,
            &MainFormQM::openFormatChoice);
    connect(&m_session.currentFormat(), &CurrentFormat::selectionRefusedOnBack, this,
            [this] { setExpanded(false); });
}

void MainFormQM::bindSettings() {
    SettingsSequence& settings = m_session.settings();
    settings.bindOwner(
        QStringLiteral("window position"),
        [this](const IniDocument& d) {
            m_storedPosition = WindowPositions::stored(d, objectName());
        },
        [this](IniDocument& d) { WindowPositions::save(*this, d); });
    settings.bind(
        kShow, QStringLiteral("Back"), [this] { return QVariant(toStored(m_face->faceColour())); },
        [this](const QVariant& v) { m_face->setFaceColour(fromStored(v.toInt())); });
    settings.bind(
        kShow, QStringLiteral("Frame"),
        [this] { return QVariant(toStored(m_frame->palette().color(QPalette::Window))); },
        [this](const QVariant& v) { setFrameColour(fromStored(v.toInt())); });
}

// --- Settings area ---

void MainFormQM::setExpanded(bool expanded) {
    if (expanded)
        m_tabs->populate();
    setFixedSize(kWidth, expanded ? kExpandedHeight : kCollapsedHeight);
    m_face->setSettingsShown(expanded);
}

void MainFormQM::MontrerVolet() {
    m_toolbar->option("Reglage")->setEnabled(false);
    if (m_session.currentFormat().hasFormat())
        m_tabs->showFormatTab(m_session.currentFormat().number());
    setExpanded(true);
}

void MainFormQM::CacherVolet() {
    setExpanded(false);
    for (const char* name : {"Reglage", "ItemParamImpr", "ItemParamCtrl", "ItemPreferences",
                             "ItemSignature", "ItemLibelInclin"})
        m_toolbar->option(name)->setEnabled(true);
    m_face->focusAmount();
}

void MainFormQM::showSettingsPage(const QString& pageName) {
    QWidget* page = m_tabs->page(pageName);
    if (isExpanded() && m_tabs->currentWidget() == page) {
        setExpanded(false);
        return;
    }
    m_tabs->setCurrentWidget(page);
    setExpanded(true);
}

// --- Commands ---

void MainFormQM::btnChoixBanqueClick() {
    if (!m_session.currentFormat().hasFormat()) {
        m_platform.sounds.play(Cue::Son000);
        openFormatChoice();
        return;
    }
    const QWidget* button = m_toolbar->widgetForAction(m_toolbar->findChild<QAction*>(
        QStringLiteral("btnChoixBanque"), Qt::FindDirectChildrenOnly));
    m_formatsMenu->popup(button->mapToGlobal(QPoint(3, 22)));
}

void MainFormQM::openFormatChoice() {
    if (m_welcome)
        return;
    m_welcome = new TBanqueParDefaut(m_session.currentFormat(), this);
    m_welcome->setAttribute(Qt::WA_DeleteOnClose);
    m_formatsMenu->setWelcomeOpen(true);
    connect(m_welcome, &TBanqueParDefaut::formatMenuRequested, this, [this] {
        const QWidget* button = m_toolbar->widgetForAction(m_toolbar->findChild<QAction*>(
            QStringLiteral("btnChoixBanque"), Qt::FindDirectChildrenOnly));
        m_formatsMenu->popup(button->mapToGlobal(QPoint(-26, 32)));
    });
    connect(m_welcome, &QDialog::finished, this, [this] {
        m_formatsMenu->setWelcomeOpen(false);
        m_face->focusAmount();
        m_session.entry().setAmountSelection(10, 0);
    });
    m_welcome->open();
}

void MainFormQM::printFromKeyboard() {
    if (m_session.printButtonVisible())
        m_session.PrintChequeCondition();
}

void MainFormQM::chooseOrientation() {
    OrientationChooser chooser(m_session.printModes(), m_platform, this);
    chooser.exec();
}

void MainFormQM::choosePrinter() {
    Printers& printers = m_session.printers();
    QMenu menu(this);
    const QStringList names = printers.names();
    for (int i = 0; i < names.size(); ++i) {
        QAction* a = menu.addAction(names.at(i));
        a->setCheckable(true);
        a->setChecked(i == printers.selected());
        connect(a, &QAction::triggered, this, [&printers, i] { printers.select(i); });
    }
    const QWidget* button = m_toolbar->widgetForAction(m_toolbar->findChild<QAction*>(
        QStringLiteral("btnChoixPrinter"), Qt::FindDirectChildrenOnly));
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
}

void MainFormQM::renameFormat() {
    if (m_session.account().account() > 1) {
        m_platform.dialogs.information(
            QStringLiteral("MODIFICATION REFUSÉE..."),
            QStringLiteral("-  Toute modification de format bancaire est seulement possible "
                           "sur\r\n    le compte principal afin de posséder un seul nom par "
                           "format.\r\n\r\n-  Pour modifier un format bancaire, suffit de se "
                           "placer sur le\r\n    compte principal du format en cours, ou de "
                           "votre choix."));
        return;
    }
    notYet(QStringLiteral("Le changement de nom des formats"));
}

void MainFormQM::showMainHelp() {
    m_platform.sounds.play(Cue::Ring06);
    m_platform.dialogs.information(QStringLiteral("Quilmet"), kMainHelp);
}

void MainFormQM::notYet(const QString& what) {
    m_platform.dialogs.information(QStringLiteral("Quilmet"),
                                   what + QStringLiteral(" arrive dans une prochaine version."));
}

// --- Colours ---

void MainFormQM::setFrameColour(const QColor& colour) {
    QPalette p = m_frame->palette();
    p.setColor(QPalette::Window, colour);
    m_frame->setPalette(p);
}

void MainFormQM::customiseColour(bool face, bool customise) {
    const QString key = face ? QStringLiteral("Back") : QStringLiteral("Frame");
    const auto apply = [this, face](const QColor& colour) {
        face ? m_face->setFaceColour(colour) : setFrameColour(colour);
    };
    if (!customise) {
        apply(fromStored(face ? kDefaultFace : kDefaultFrame));
        return;
    }
    const QColor current = face ? m_face->faceColour() : m_frame->palette().color(QPalette::Window);
    IniFile file(m_platform.folders.settingsFilePath());
    if (const auto chosen = m_platform.dialogs.chooseColour(QString(), current)) {
        apply(*chosen);
        file.update([&](IniDocument& d) { d.writeInteger(kShow, key, toStored(*chosen)); });
    } else {
        apply(fromStored(file.load().readInteger(kShow, key, toStored(current))));
    }
}

// --- Life cycle ---

void MainFormQM::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_storedPosition)
        WindowPositions::restore(*this, *m_storedPosition);
    m_session.firstShowing();
    const ChequeEntry& entry = m_session.entry();
    m_lieuDate = QStringLiteral("À ") + entry.place() + QStringLiteral(", le ") + entry.date();
    m_face->focusAmount();
    // After the window is on screen, so that a missing-file box has a window to sit on.
    QTimer::singleShot(0, this, [this] {
        DemoFiles demo(m_platform);
        demo.CopyFileSerieAuto(true);
        demo.CopyFileEntete(true);
        demo.CopyFileNotes();
    });
}

void MainFormQM::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    emit firstPainted();
    if (!m_session.currentFormat().hasFormat())
        QTimer::singleShot(0, this, &MainFormQM::openFormatChoice);
}

void MainFormQM::closeEvent(QCloseEvent* event) {
    if (!m_saved && m_ready) {
        m_platform.sounds.play(Cue::Son010);
        QEventLoop wait;
        QTimer::singleShot(500, &wait, &QEventLoop::quit);
        wait.exec();
        m_saved = true;
        m_session.saveSettings();
    }
    event->accept();
}

// The window sees Escape before its controls: during a print job it aborts the job.
bool MainFormQM::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_session.isPrinting()) {
        m_session.abortPrint();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
