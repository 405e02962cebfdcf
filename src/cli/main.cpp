#include "cli/FormatsCommand.h"
#include "cli/PrintCommand.h"
#include "cli/WordsCommand.h"
#include "platform/FontSubstitutions.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

const char* const kUsage =
    "Usage : quilmet-cli COMMANDE [OPTIONS]\n"
    "\n"
    "Quilmet en ligne de commande : les mêmes réglages et la même mise en page que la fenêtre.\n"
    "\n"
    "Commandes :\n"
    "  formats      liste les 26 formats bancaires et leurs positions de champs\n"
    "%1%2%3"
    "\n"
    "Options :\n"
    "  --help       affiche cette aide\n"
    "  --version    affiche la version\n";

QString usage() {
    return QString::fromUtf8(kUsage).arg(QString::fromUtf8(kWordsCommandUsage),
                                         QString::fromUtf8(kPrintCommandUsage),
                                         QString::fromUtf8(kJournalCommandUsage));
}

} // namespace

int main(int argc, char** argv) {
    // The command line never opens a window, but printing needs fonts: a GUI application
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    QCoreApplication::setApplicationName(QStringLiteral("Quilmet"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        print(stdout, usage());
        return 0;
    }
    if (args.first() == u"--version") {
        print(stdout, QStringLiteral("quilmet-cli " QUILMET_VERSION "\n"));
        return 0;
    }
    if (args.first() == u"formats")
        return runFormatsCommand();
    if (args.first() == u"imprimer")
        return runPrintCommand(args.mid(1));
    if (args.first() == u"journal")
        return runJournalCommand(args.mid(1));
    if (args.first() == u"mots")
        return runWordsCommand(args.mid(1));
    print(stderr, QStringLiteral("Commande inconnue : %1\n\n").arg(args.first()) + usage());
    return 2;
}
