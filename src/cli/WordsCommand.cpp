#include "cli/WordsCommand.h"

#include "cli/AmountTyping.h"
#include "cli/ConsolePlatform.h"
#include "core/AmountWording.h"
#include "core/ChequeEntry.h"
#include "core/ConversionHost.h"
#include "core/WordLines.h"
#include "core/WordingOptions.h"
#include "platform/IniFile.h"

#include <cstdio>
#include <optional>

const char* const kWordsCommandUsage =
    "  mots MONTANT [--septante] [--minuscules] [--trois-decimales|--sans-decimales]\n"
    "               écrit le montant en lettres (virgule décimale), avec les réglages\n"
    "               de l'utilisateur que les options remplacent\n";

namespace {

struct WordsRequest {
    QString amount;
    WordingOptions options;
};

std::optional<WordsRequest> parseArguments(const QStringList& args, WordingOptions options) {
    std::optional<QString> amount;
    bool three = false;
    bool none = false;
    for (const QString& arg : args) {
        if (arg == u"--septante") {
            options.specificites = true;
        } else if (arg == u"--minuscules") {
            options.majuscules = false;
        } else if (arg == u"--trois-decimales") {
            three = true;
        } else if (arg == u"--sans-decimales") {
            none = true;
        } else if (arg.startsWith(u"--") || amount) {
            printError(QStringLiteral("Argument inattendu : %1").arg(arg));
            return std::nullopt;
        } else {
            amount = arg;
        }
    }
    if (three && none) {
        printError(QStringLiteral("--trois-decimales et --sans-decimales s'excluent."));
        return std::nullopt;
    }
    if (!amount) {
        printError(QStringLiteral("Montant manquant.\n\nUsage :\n") +
                   QString::fromUtf8(kWordsCommandUsage));
        return std::nullopt;
    }
    if (three || none) {
        options.threeDecimals = three;
        options.noDecimals = none;
    }
    return WordsRequest{*amount, options};
}

} // namespace

int runWordsCommand(const QStringList& args) {
    ConsolePlatform console;
    const std::optional<WordsRequest> request = parseArguments(
        args, readWordingOptions(IniFile(console.folders().settingsFilePath()).load()));
    if (!request)
        return 2;
    if (request->amount.isEmpty()) {
        printError(QStringLiteral("Veuillez entrer un nombre d'abord !"));
        return 2;
    }

    Platform& platform = console.platform();
    ConversionHost host; // no format to choose, nothing to print or fit
    WordLines lines;
    ChequeEntry entry(platform, host, lines);
    AmountWording wording(platform, host, entry, lines);
    entry.setDecimalMode(request->options.decimalMode());
    wording.applyOptions(request->options);
    entry.setMainWindowShown(true);
    if (!typeAmount(entry, request->amount) || !wording.Convertir())
        return 2;
    std::fputs((wording.EditPioche() + u'\n').toUtf8().constData(), stdout);
    return 0;
}
