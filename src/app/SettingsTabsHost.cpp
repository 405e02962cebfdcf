#include "app/SettingsTabsHost.h"

#include "app/ChequeSession.h"
#include "app/SettingsPanel.h"
#include "formats/FormatPages.h"

#include <QIcon>
#include <QScopedValueRollback>

namespace {

struct PageRow {
    const char* name;
    const char* caption;
};

const PageRow kPages[] = {
    {"OngletA", "A"},
    {"OngletB", "B"},
    {"OngletC", "C"},
    {"OngletF", "F"},
    {"OngletH", "H"},
    {"OngletL", "L"},
    {"OngletS", "S"},
    {"OngletCESU", "CESU"},
    {"OngletPreferences", "Préférences"},
    {"OngletParamCtrl1", "Paramètres de contrôle 1"},
    {"OngletParamCtrl2", "Paramètres de contrôle 2"},
    {"OngletParamImpr1", "Paramètres d'impression 1"},
    {"OngletParamImpr2", "Paramètres d'impression 2"},
    {"OngletAffGeant", "Affichage géant"},
    {"OngletDosCheque", "Dos chèque"},
    {"OngletJournalEcrit", "Journal des écritures"},
    {"OngletMonnaie", "Monnaie"},
    {"OngletConfigFonte", "Configuration de fonte"},
    {"OngletSignature", "Signature"},
    {"OngletSoucheSup", "Souche supérieure"},
    {"OngletLibelInclin", "Libellé incliné"},
    {"OngletBenPrior", "Bénéficiaire prioritaire"},
};

} // namespace

SettingsTabsHost::SettingsTabsHost(ChequeSession& session, QWidget* parent)
    : QTabWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("PageCtrlBase"));
    setUsesScrollButtons(true);
    setDocumentMode(false);
    for (const PageRow& row : kPages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(row.name));
        addTab(page, QString::fromUtf8(row.caption));
    }
    for (int i = 0; i < 8; ++i) // the format pages come first
        setTabIcon(i, QIcon(QStringLiteral(":/pictures/FormatBancaire.svg")));
    // Never shown: it only holds hidden working fields of other features.
    auto* hidden = new QWidget(this);
    hidden->setObjectName(QStringLiteral("OngletPRIVE"));
    hidden->hide();

    setCurrentWidget(page(QStringLiteral("OngletParamCtrl2")));
    connect(this, &QTabWidget::currentChanged, this, [this] {
        populate();
        applyShownFormat();
    });
}

void SettingsTabsHost::populate() {
    if (m_populated)
        return;
    m_populated = true;
    populateSettingsPanel(*this, m_session);
    bindInnerTabs();
}

QWidget* SettingsTabsHost::page(const QString& name) const {
    if (name == u"OngletPRIVE")
        return findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->objectName() == name)
            return widget(i);
    }
    return nullptr;
}

void SettingsTabsHost::showFormatTab(int number) {
    populate();
    const QScopedValueRollback<bool> guard(m_bringingForward, true);
    FormatPages::bringToFront(*this, m_session.catalogue(), number);
}

void SettingsTabsHost::bindInnerTabs() {
    for (QTabWidget* inner : findChildren<QTabWidget*>()) {
        if (inner != this)
            connect(inner, &QTabWidget::currentChanged, this, &SettingsTabsHost::applyShownFormat);
    }
}

// A format tab that comes to the front makes its format current.
void SettingsTabsHost::applyShownFormat() {
    if (m_bringingForward)
        return;
    const int shown = FormatPages::shownFormat(currentWidget());
    CurrentFormat& current = m_session.currentFormat();
    if (shown != 0 && shown != current.number())
        current.Interface(shown, {});
}
