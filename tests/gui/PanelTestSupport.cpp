#include "gui/PanelTestSupport.h"

#include "app/SettingsPanel.h"

#include <QLineEdit>
#include <QTest>

std::unique_ptr<QTabWidget> makePageCtrlBase() {
    static const char* const names[] = {
        "OngletA",           "OngletB",           "OngletC",          "OngletF",
        "OngletH",           "OngletL",           "OngletS",          "OngletCESU",
        "OngletPreferences", "OngletParamCtrl1",  "OngletParamCtrl2", "OngletParamImpr1",
        "OngletParamImpr2",  "OngletAffGeant",    "OngletDosCheque",  "OngletJournalEcrit",
        "OngletMonnaie",     "OngletConfigFonte", "OngletSignature",  "OngletSoucheSup",
        "OngletLibelInclin", "OngletBenPrior",    "OngletPRIVE"};
    auto base = std::make_unique<QTabWidget>();
    base->setObjectName(QStringLiteral("PageCtrlBase"));
    for (const char* name : names) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        base->addTab(page, QString::fromLatin1(name).mid(6));
    }
    return base;
}

PanelFixture::PanelFixture() {
    tp.folders.CreateFolderUser();
    session.loadSettings();
    session.positions().DisableBtnParDefaut();
    session.printModes().DisableBtnParDefaut();
    session.wording().DisableBtnParDefaut();
    pages = makePageCtrlBase();
    populateSettingsPanel(*pages, session);
}

void PanelFixture::retype(QSpinBox* spin, const QString& text) {
    auto* edit = spin->findChild<QLineEdit*>();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}
