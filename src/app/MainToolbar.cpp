#include "app/MainToolbar.h"

#include <QIcon>
#include <QMenu>
#include <QToolButton>

namespace {

const char* const kLater = "Disponible dans une prochaine version";

QIcon picture(const char* name) {
    return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
}

} // namespace

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("ToolBarTop"));
    setMovable(false);
    setFloatable(false);
    setIconSize({24, 24});
    setContextMenuPolicy(Qt::PreventContextMenu);
    buildOptionsMenu();
    buildInfoMenus();

    addGap(38);
    connect(addCommand("btnQuit", "Quitter", QStringLiteral("Quitter       Ctrl + Q"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &MainToolbar::quitRequested);
    addGap(8);
    connect(addCommand("btnOptions", "Options",
                       QStringLiteral("Diverses options : Habillage - Journal des écritures - "
                                      "Préférences - etc.       Ctrl + D"),
                       QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [this] { popupUnder(m_options, "btnOptions"); });
    connect(addCommand("btnChoixPrinter", "Imprimante",
                       QStringLiteral("Imprimante active       Ctrl + I"),
                       QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &MainToolbar::printerRequested);
    connect(addCommand("btnChoixBanque", "Banque",
                       QStringLiteral("Banques, formats bancaires       Ctrl + B"),
                       QKeySequence(Qt::CTRL | Qt::Key_B)),
            &QAction::triggered, this, &MainToolbar::formatsRequested);
    connect(
        addCommand("btnOrientPrint", "Orientation",
                   QStringLiteral("  Orientation d'impression       Ctrl + O \n\r\n\r  Et accès "
                                  "à l'éditeur d'entête RTF sur le format \n\r  \"Impression "
                                  "basse A4 sur préimprimé\".  "),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, &MainToolbar::orientationRequested);
    addGap(8);
    connect(addCommand("btnInfosDiverses", "Infos",
                       QStringLiteral("Infos diverses :  A propos - Licence - Remerciements - etc."
                                      "       Ctrl + Alt + I"),
                       QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I)),
            &QAction::triggered, this, [this] { popupUnder(m_infos, "btnInfosDiverses"); });
    connect(addCommand("btnAide", "Aide",
                       QStringLiteral("Aide : Principe de fonctionnement - [F1] Foire Aux "
                                      "Questions       Ctrl + A"),
                       QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, [this] { popupUnder(m_help, "btnAide"); });
    addGap(8, "Separ4");
    QAction* supervision =
        addCommand("btnSupervision", "Supervision",
                   QStringLiteral(" Module de supervision permettant une analyse spéciale\r\n"
                                  "d'Quilmet ; une interaction ; une recherche ; etc."),
                   {});
    supervision->setEnabled(false);
    // The format shortcuts come with their own feature; the separator stays hidden until then.
    findChild<QWidget*>(QStringLiteral("Separ4"))->hide();
}

QAction* MainToolbar::addCommand(const char* name, const char* icon, const QString& hint,
                                 const QKeySequence& shortcut) {
    QAction* action = addAction(picture(icon), QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint.simplified());
    action->setStatusTip(hint.simplified());
    action->setShortcut(shortcut);
    widgetForAction(action)->setObjectName(QString::fromLatin1(name));
    return action;
}

void MainToolbar::addGap(int width, const char* name) {
    auto* gap = new QWidget(this);
    gap->setFixedWidth(width);
    if (name)
        gap->setObjectName(QString::fromLatin1(name));
    addWidget(gap);
}

QToolButton* MainToolbar::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

QAction* MainToolbar::option(const char* name) const {
    return m_options->findChild<QAction*>(QString::fromLatin1(name));
}

void MainToolbar::popupUnder(QMenu* menu, const char* buttonName) {
    QToolButton* b = button(buttonName);
    menu->popup(b->mapToGlobal(QPoint(0, b->height())));
}

QAction* MainToolbar::laterEntry(QMenu* menu, const char* text) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setEnabled(false);
    action->setStatusTip(QString::fromUtf8(kLater));
    action->setToolTip(action->statusTip());
    return action;
}

void MainToolbar::buildOptionsMenu() {
    m_options = new QMenu(this);
    m_options->setObjectName(QStringLiteral("ppmOptions"));
    m_options->setToolTipsVisible(true);
    QMenu* o = m_options;
    laterEntry(o, "Imprimer le gabarit d'impression centrale");
    QMenu* habillage = o->addMenu(QStringLiteral("Habillage"));
    const auto colourMenu = [this, habillage](const char* title, const char* customise,
                                              auto signal) {
        QMenu* menu = habillage->addMenu(QString::fromUtf8(title));
        connect(menu->addAction(QString::fromUtf8(customise)), &QAction::triggered, this,
                [this, signal] { emit(this->*signal)(true); });
        connect(menu->addAction(QStringLiteral("Annuler cette personnalisation")),
                &QAction::triggered, this, [this, signal] { emit(this->*signal)(false); });
    };
    colourMenu("Couleur du fond central", "Personnaliser la couleur du fond",
               &MainToolbar::faceColourRequested);
    colourMenu("Couleur du cadre", "Personnaliser la couleur du cadre",
               &MainToolbar::frameColourRequested);
    laterEntry(o, "Replacer le panneau de pré-impression");
    QAction* mute = o->addAction(QStringLiteral("Neutraliser ou replacer les ressources sonores"));
    mute->setObjectName(QStringLiteral("NoSound"));
    mute->setCheckable(true);
    connect(mute, &QAction::triggered, this, &MainToolbar::muteRequested);
    laterEntry(o, "Affichage géant de la somme en chiffres");
    laterEntry(o, "Séries Automatiques");
    laterEntry(o, "Éditeur RTF d'entête");
    QMenu* dates = o->addMenu(QStringLiteral("Format date"));
    dates->setObjectName(QStringLiteral("FormatDate"));
    const char* dateStyles[] = {"Datage par défaut (11 décembre 2026)",
                                "Datage espacé (11 12 2026)", "Datage avec tirets (11-12-2026)",
                                "Datage court du système"};
    const char* dateNames[] = {"DatageDefaut", "DatageEspace", "DatageTirets", "DatageSlach"};
    for (int style = 1; style <= 4; ++style) {
        QAction* a = dates->addAction(QString::fromUtf8(dateStyles[style - 1]));
        a->setObjectName(QString::fromLatin1(dateNames[style - 1]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, style] { emit dateStyleRequested(style); });
    }
    laterEntry(o, "Journal des écritures suivant format banque en cours");
    laterEntry(o, "Notes banque");
    QAction* reglage = o->addAction(QStringLiteral("Réglage des champs d'impression"));
    reglage->setObjectName(QStringLiteral("Reglage"));
    connect(reglage, &QAction::triggered, this, &MainToolbar::ReglageClick);
    o->addSeparator();
    laterEntry(o, "Sauvegarde fichier des paramètres de réglage");
    laterEntry(o, "Sauvegarde fichier des paramètres de réglage sur bureau");
    laterEntry(o, "Copie dossier utilisateur personnel sur bureau");
    laterEntry(o, "Restauration des paramètres de réglage");
    o->addSeparator();
    QAction* rename = o->addAction(QStringLiteral("Modifier le nom de la banque en cours"));
    rename->setObjectName(QStringLiteral("ItemModifNomBq"));
    connect(rename, &QAction::triggered, this, &MainToolbar::renameFormatRequested);
    laterEntry(o, "Mémoriser deux programmes à lancer");
    laterEntry(o, "Mémoriser dix raccourcis de formats bancaires");
    laterEntry(o, "Retourner le chèque");
    QMenu* folders = o->addMenu(QStringLiteral("Dossiers d'Quilmet"));
    connect(folders->addAction(QStringLiteral("Explorer le dossier d'installation")),
            &QAction::triggered, this, [this] { emit folderRequested(false); });
    connect(folders->addAction(QStringLiteral("Explorer le dossier utilisateur personnel")),
            &QAction::triggered, this, [this] { emit folderRequested(true); });
    o->addSeparator();
    struct PageEntry {
        const char* text;
        const char* name;
        const char* page;
    };
    const PageEntry pages[] = {
        {"Paramètres de contrôle", "ItemParamCtrl", "OngletParamCtrl1"},
        {"Paramètres de fonte", "ItemParamFonte", "OngletConfigFonte"},
        {"Paramètres d'impression", "ItemParamImpr", "OngletParamImpr1"},
        {"Signature", "ItemSignature", "OngletSignature"},
        {"Libellé incliné", "ItemLibelInclin", "OngletLibelInclin"},
        {"Préférences...", "ItemPreferences", "OngletPreferences"},
    };
    for (const PageEntry& p : pages) {
        QAction* a = o->addAction(QString::fromUtf8(p.text));
        a->setObjectName(QString::fromLatin1(p.name));
        const QString page = QString::fromLatin1(p.page);
        connect(a, &QAction::triggered, this, [this, page] { emit settingsPageRequested(page); });
    }
}

void MainToolbar::buildInfoMenus() {
    m_infos = new QMenu(this);
    m_infos->setObjectName(QStringLiteral("ppmInfosDiverses"));
    m_infos->setToolTipsVisible(true);
    laterEntry(m_infos, "A propos...");
    laterEntry(m_infos, "Licence");
    laterEntry(m_infos, "Crédits");
    connect(m_infos->addAction(QStringLiteral("Quilmet sur le Web")), &QAction::triggered, this,
            &MainToolbar::webSiteRequested);
    laterEntry(m_infos, "Trouver mon IP");
    laterEntry(m_infos, "Vérifier la mise à jour");

    m_help = new QMenu(this);
    m_help->setObjectName(QStringLiteral("ppmAide"));
    connect(m_help->addAction(QStringLiteral("Principe de fonctionnement")), &QAction::triggered,
            this, &MainToolbar::mainHelpRequested);
    QAction* faq = m_help->addAction(QStringLiteral("Foire Aux Questions (FAQ)  F1"));
    faq->setShortcut(Qt::Key_F1);
    faq->setShortcutContext(Qt::ApplicationShortcut);
    connect(faq, &QAction::triggered, this, &MainToolbar::faqRequested);
    if (parentWidget())
        parentWidget()->addAction(faq); // F1 works while the menu is closed
}
