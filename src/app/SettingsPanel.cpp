#include "app/SettingsPanel.h"

#include "app/ChequeSession.h"
#include "core/ControlSettingsTab.h"
#include "core/PreferencesTab.h"
#include "formats/FontSettingsTab.h"
#include "formats/FormatPages.h"
#include "formats/PrintSettingsTab.h"
#include "journal/JournalSettingsTab.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Pages whose contents come with later versions.
const char* const kLaterPages[] = {"OngletAffGeant",  "OngletDosCheque", "OngletMonnaie",
                                   "OngletSignature", "OngletSoucheSup", "OngletLibelInclin",
                                   "OngletBenPrior"};

void fill(QTabWidget& base, const char* pageName, QWidget* contents) {
    QWidget* page = base.findChild<QWidget*>(QString::fromLatin1(pageName));
    if (!page) {
        delete contents;
        return;
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    contents->setParent(page);
    layout->addWidget(contents);
}

} // namespace

void populateSettingsPanel(QTabWidget& pageCtrlBase, ChequeSession& session) {
    FormatPages::build(pageCtrlBase, session.catalogue(), session.positions(),
                       session.formatNames());

    fill(pageCtrlBase, "OngletPreferences", new PreferencesTab(session.wording()));
    fill(pageCtrlBase, "OngletParamCtrl1",
         new ControlSettingsTab(ControlSettingsTab::Page::First, session.entry(),
                                session.fitting()));
    fill(pageCtrlBase, "OngletParamCtrl2",
         new ControlSettingsTab(ControlSettingsTab::Page::Second, session.entry(),
                                session.fitting()));
    fill(pageCtrlBase, "OngletParamImpr1",
         new PrintSettingsTab(PrintSettingsTab::Page::First, session.printModes(),
                              session.platform()));
    fill(pageCtrlBase, "OngletParamImpr2",
         new PrintSettingsTab(PrintSettingsTab::Page::Second, session.printModes(),
                              session.platform()));
    fill(pageCtrlBase, "OngletJournalEcrit", new JournalSettingsTab(session.journal()));

    auto* fonts = new FontSettingsTab(
        [&session] { return session.fontSettings(); },
        [&session](const WordFontSettings& settings, bool restoreBeneficiary) {
            session.setFontSettings(settings);
            if (restoreBeneficiary)
                session.entry().setBeneficiary(session.entry().LastBeneficiary());
        },
        session.platform().dialogs);
    QObject::connect(&session, &ChequeSession::fontSettingsChanged, fonts,
                     &FontSettingsTab::refresh);
    fill(pageCtrlBase, "OngletConfigFonte", fonts);

    for (const char* name : kLaterPages) {
        auto* later = new QLabel(QStringLiteral("Disponible dans une prochaine version."));
        later->setAlignment(Qt::AlignCenter);
        later->setEnabled(false);
        fill(pageCtrlBase, name, later);
    }
}
