#include "cli/PrintCommand.h"

#include "app/ChequeSession.h"
#include "cli/AmountTyping.h"
#include "cli/ConsolePlatform.h"
#include "formats/BankFormat.h"
#include "journal/AccountSlots.h"
#include "journal/JournalNames.h"
#include "platform/ImageTextMeasurer.h"
#include "platform/IniFile.h"
#include "platform/PdfOnlyPrinters.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>

const char* const kPrintCommandUsage =
    "  imprimer --format CODE|NUMERO --montant M --beneficiaire B [--lieu L] [--date D]\n"
    "           [--mode 1-7] [--compte K] [--dpi N] --pdf FICHIER [--essai]\n"
    "               imprime le chèque dans un fichier PDF, comme la fenêtre ; sans --essai,\n"
    "               le chèque est inscrit au journal et le numéro de chèque avance\n";

const char* const kJournalCommandUsage =
    "  journal      chemin du journal du format et du compte en cours\n";

namespace {

struct PrintRequest {
    QString format;
    QString amount;
    QString beneficiary;
    std::optional<QString> place;
    std::optional<QString> date;
    std::optional<int> mode;
    std::optional<int> account;
    int dpi = 600;
    QString pdf;
    bool trial = false;
};

std::optional<int> number(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<PrintRequest> parse(const QStringList& args) {
    PrintRequest r;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == u"--essai") {
            r.trial = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            printError(QStringLiteral("Valeur manquante après %1.").arg(option));
            return std::nullopt;
        }
        const QString value = args[++i];
        bool valid = true;
        if (option == u"--format")
            r.format = value;
        else if (option == u"--montant")
            r.amount = value;
        else if (option == u"--beneficiaire")
            r.beneficiary = value;
        else if (option == u"--lieu")
            r.place = value;
        else if (option == u"--date")
            r.date = value;
        else if (option == u"--pdf")
            r.pdf = value;
        else if (option == u"--mode")
            valid = (r.mode = number(value, 1, 7)).has_value();
        else if (option == u"--compte")
            valid = (r.account = number(value, 1, 9)).has_value();
        else if (option == u"--dpi") {
            const std::optional<int> dpi = number(value, 72, 2400);
            valid = dpi.has_value();
            r.dpi = dpi.value_or(r.dpi);
        } else {
            printError(QStringLiteral("Option inconnue : %1").arg(option));
            return std::nullopt;
        }
        if (!valid) {
            printError(QStringLiteral("Valeur refusée pour %1 : %2").arg(option, value));
            return std::nullopt;
        }
    }
    if (r.format.isEmpty() || r.amount.isEmpty() || r.pdf.isEmpty()) {
        printError(QStringLiteral("--format, --montant et --pdf sont obligatoires.\n\nUsage :\n") +
                   QString::fromUtf8(kPrintCommandUsage));
        return std::nullopt;
    }
    return r;
}

const BankFormat* findFormat(const BankFormatCatalogue& catalogue, const QString& code) {
    bool isNumber = false;
    const int n = code.toInt(&isNumber);
    return isNumber ? catalogue.byNumber(n) : catalogue.byEditSuffix(code);
}

// Takes account k of the format as the account window would.
bool selectAccount(ChequeSession& session, const BankFormat& format, int account) {
    const JournalFormatInfo info = session.journalFormatInfo(format);
    if (!AccountSlots::hasSlot(info, account)) {
        printError(QStringLiteral("Le format %1 n'a pas de compte %2 (comptes 1 à %3).")
                       .arg(info.journalName)
                       .arg(account)
                       .arg(info.slotCount));
        return false;
    }
    const AccountSlot slot =
        AccountSlots(session.platform().folders.settingsFilePath()).read(info, account);
    session.account().setCurrent(account, slot.accountNumber, slot.chequeNumber);
    return true;
}

} // namespace

int runPrintCommand(const QStringList& args) {
    const std::optional<PrintRequest> request = parse(args);
    if (!request)
        return 2;
    ConsolePlatform console;
    Platform& platform = console.platform();
    if (const auto error = platform.folders.CreateFolderUser()) {
        printError(*error);
        return 2;
    }
    const ImageTextMeasurer measurer;
    const QFileInfo pdf(request->pdf);
    PdfOnlyPrinters printers(platform.clock, pdf.absolutePath());
    printers.pdfPrinter().setResolution(request->dpi);
    printers.pdfPrinter().setNextFile(pdf.absoluteFilePath());
    ChequeSession session(platform, measurer, printers);
    session.loadSettings();

    const BankFormat* format = findFormat(session.catalogue(), request->format);
    if (!format) {
        printError(QStringLiteral("Format bancaire inconnu : %1 (voir « quilmet-cli formats »).")
                       .arg(request->format));
        return 2;
    }
    session.firstShowing();
    session.currentFormat().Interface(format->number, {});
    if (request->account && !selectAccount(session, *format, *request->account))
        return 2;
    if (request->mode)
        session.printModes().setMode(static_cast<PrintMode>(*request->mode));
    ChequeEntry& entry = session.entry();
    if (request->place)
        entry.setPlace(request->place->left(ChequeEntry::kPlaceMaxLength));
    if (request->date)
        entry.setDate(request->date->left(ChequeEntry::kDateMaxLength));
    entry.setBeneficiary(request->beneficiary.left(ChequeEntry::kBeneficiaryMaxLength));
    entry.EditBeneficiaireKeyUp();
    if (!typeAmount(entry, request->amount) || !session.wording().Convertir())
        return 2;
    if (!session.printButtonVisible()) {
        if (session.fitting().wordsFit())
            printError(QStringLiteral("Le bénéficiaire, le lieu et la date doivent être remplis."));
        return 2;
    }
    const PrintOutcome outcome =
        request->trial ? session.PrintChequeTrial() : session.PrintCheque();
    if (!outcome.printed)
        return 2;
    if (!request->trial) {
        IniFile settings(platform.folders.settingsFilePath());
        settings.update([&session](IniDocument& d) { session.recorder().save(d); });
    }
    std::fputs((QDir::toNativeSeparators(outcome.outputFile) + u'\n').toUtf8().constData(), stdout);
    return 0;
}

int runJournalCommand(const QStringList& args) {
    if (!args.isEmpty()) {
        printError(QStringLiteral("Argument inattendu : %1").arg(args.first()));
        return 2;
    }
    ConsolePlatform console;
    const ImageTextMeasurer measurer;
    PdfOnlyPrinters printers(console.platform().clock, QDir::tempPath());
    ChequeSession session(console.platform(), measurer, printers);
    session.loadSettings();
    const BankFormat* format = session.currentFormat().format();
    if (!format) {
        printError(QStringLiteral("Aucun format bancaire n'est choisi."));
        return 2;
    }
    const JournalFormatInfo info = session.journalFormatInfo(*format);
    const JournalTarget target = session.journal().target(&info, session.account().account());
    const QString path = GetPathJournal(console.folders().userFolder(), target);
    std::fputs((QDir::toNativeSeparators(path) + u'\n').toUtf8().constData(), stdout);
    return 0;
}
