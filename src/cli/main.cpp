#include "cli/FormatsCommand.h"

#include <QCoreApplication>
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
    "Options :\n"
    "  --help       affiche cette aide\n"
    "  --version    affiche la version\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quilmet"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        print(stdout, QString::fromUtf8(kUsage));
        return 0;
    }
    if (args.first() == u"--version") {
        print(stdout, QStringLiteral("quilmet-cli " QUILMET_VERSION "\n"));
        return 0;
    }
    if (args.first() == u"formats")
        return runFormatsCommand();
    print(stderr, QStringLiteral("Commande inconnue : %1\n\n").arg(args.first()) +
                      QString::fromUtf8(kUsage));
    return 2;
}
