#include "cli/WordsCommand.h"

#include "cli/ConsoleDialogs.h"
#include "cli/SilentSoundOutput.h"
#include "core/AmountWording.h"
#include "core/ChequeEntry.h"
#include "core/ConversionHost.h"
#include "core/WordLines.h"
#include "core/WordingOptions.h"
#include "platform/AppFolders.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/Sounds.h"

#include <cstdio>
#include <optional>

const char* const kWordsCommandUsage =
    "  mots MONTANT [--septante] [--minuscules] [--trois-decimales|--sans-decimales]\n"
    "               écrit le montant en lettres (virgule décimale), avec les réglages\n"
    "               de l'utilisateur que les options remplacent\n";

namespace {

void printError(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

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
    AppFolders folders(FolderRoots::fromSystem());
    const std::optional<WordsRequest> request =
        parseArguments(args, readWordingOptions(IniFile(folders.settingsFilePath()).load()));
    if (!request)
        return 2;
    if (request->amount.isEmpty()) {
        printError(QStringLiteral("Veuillez entrer un nombre d'abord !"));
        return 2;
    }

    ConsoleDialogs dialogs;
    SilentSoundOutput output;
    Sounds sounds(output, folders.DonneFolderAppli() + QStringLiteral("Wav"));
    SystemClock clock;
    DesktopShell shell;
    Platform platform{dialogs, sounds, clock, shell, folders};
    ConversionHost host; // no format to choose, nothing to print or fit
    WordLines lines;
    ChequeEntry entry(platform, host, lines);
    AmountWording wording(platform, host, entry, lines);

    const DecimalMode mode = request->options.decimalMode();
    entry.setDecimalMode(mode);
    wording.applyOptions(request->options);
    entry.setMainWindowShown(true);
    entry.setAmountText(zeroAmount(mode));
    entry.selectAllAmount(); // the field as it is entered, its text selected

    bool overflow = false;
    QObject::connect(&entry, &ChequeEntry::capacityExceeded, [&overflow] { overflow = true; });
    const QString& amount = request->amount;
    for (qsizetype i = 0; i < amount.size(); ++i) {
        const QChar key = amount[i];
        if (!entry.EditSaisieSommeKeyPress(key) && !overflow) {
            printError(QStringLiteral("Montant refusé : le caractère « %1 » n'est pas accepté en "
                                      "position %2 de « %3 ».")
                           .arg(key)
                           .arg(i + 1)
                           .arg(amount));
            return 2;
        }
        if (overflow)
            return 2;
        // Refused decimals were dropped with their message: the rest is not typed.
        if (mode == DecimalMode::None && (key == u',' || key == u'.'))
            break;
    }
    if (!wording.Convertir() || overflow)
        return 2;
    std::fputs((wording.EditPioche() + u'\n').toUtf8().constData(), stdout);
    return 0;
}
