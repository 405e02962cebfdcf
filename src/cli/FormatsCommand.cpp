#include "cli/FormatsCommand.h"

#include "cli/ConsoleDialogs.h"
#include "formats/BankFormatCatalogue.h"
#include "formats/FormatDisplayNames.h"
#include "formats/FormatPositions.h"
#include "platform/AppFolders.h"
#include "platform/IniFile.h"

#include <QStringList>
#include <cstdio>

QString formatsListing(const IniDocument& settings) {
    const BankFormatCatalogue& catalogue = BankFormatCatalogue::standard();
    ConsoleDialogs dialogs; // the positions model only needs one for the user's edits
    FormatDisplayNames names(catalogue);
    FormatPositions positions(catalogue, names, dialogs);
    names.load(settings);
    positions.load(settings);
    QString listing;
    for (const BankFormat& format : catalogue.formats()) {
        QStringList fields;
        for (int field : FieldPositions::allFieldNumbers())
            if (format.hasField(field))
                fields << QStringLiteral("%1=%2").arg(field).arg(
                    positions.value(format.number, field));
        listing += QStringLiteral("%1\t%2\t%3\t%4\n")
                       .arg(format.number)
                       .arg(format.editSuffix, names.caption(format.number), fields.join(u' '));
    }
    return listing;
}

int runFormatsCommand() {
    const AppFolders folders(FolderRoots::fromSystem());
    const IniDocument settings = IniFile(folders.settingsFilePath()).load();
    std::fputs(formatsListing(settings).toUtf8().constData(), stdout);
    return 0;
}
