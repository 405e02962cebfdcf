// Renders settings tabs and the account window to PNG files, for looking at the layout.
#include "gui/PanelTestSupport.h"
#include "journal/AccountWindow.h"
#include "journal/CurrentAccount.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

namespace {

void save(QWidget& widget, const QString& folder, const QString& name) {
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    PanelFixture f;
    // The panel below the cheque area of the expanded window: 779 wide, 172 high.
    f.pages->setUsesScrollButtons(true);
    f.pages->resize(779, 172);
    f.pages->show();
    const struct {
        const char* page;
        const char* file;
    } shots[] = {{"OngletB", "format-tab"},
                 {"OngletC", "format-tab-3-lines"},
                 {"OngletParamImpr1", "print-settings-1"},
                 {"OngletParamImpr2", "print-settings-2"},
                 {"OngletConfigFonte", "font-settings"},
                 {"OngletPreferences", "preferences"},
                 {"OngletParamCtrl1", "control-settings-1"},
                 {"OngletParamCtrl2", "control-settings-2"},
                 {"OngletJournalEcrit", "journal-settings"}};
    for (const auto& shot : shots) {
        QWidget* page = f.find<QWidget>(QString::fromLatin1(shot.page));
        f.pages->setCurrentWidget(page);
        if (QTabWidget* inner = page->findChild<QTabWidget*>();
            inner && QString::fromLatin1(shot.file).endsWith(u"lines"))
            inner->setCurrentIndex(5);
        app.processEvents();
        save(*f.pages, folder, QString::fromLatin1(shot.file));
    }

    JournalFormatInfo sg = f.session.journalFormatInfo(*f.session.catalogue().byNumber(26));
    f.session.account().AffecteNumeroChqEtCpt(&sg, true);
    AccountWindow window(f.tp.platform(), f.session.account());
    window.show();
    app.processEvents();
    save(window, folder, QStringLiteral("account-window"));
    return 0;
}
