#include "journal/JournalEntryLayout.h"

#include "journal/JournalDating.h"
#include "platform/Cp1252.h"

#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString tagText(FillTagStyle style) {
    switch (style) {
    case FillTagStyle::NoTags:
        return QStringLiteral("non, option neutralisée.");
    case FillTagStyle::IdenticalCharacters:
        return QStringLiteral("oui, mode remplissage caractères identiques.");
    case FillTagStyle::RepeatBeneficiary:
        return QStringLiteral("oui, mode répétition libellé bénéficiaire.");
    case FillTagStyle::NotSelected:
        break;
    }
    return {};
}

QString accountMarker(int account) {
    if (account == 1)
        return QStringLiteral(" ");
    if (account >= 2 && account <= 9)
        return QStringLiteral(" %1 ").arg(account);
    return {};
}

// An empty line or a line of one blank is not worth recording.
bool isFilled(const QString& stubLine) {
    return QString::compare(stubLine, QStringLiteral(" "), Qt::CaseSensitive) > 0;
}

QString wordsText(const JournalEntry& entry) {
    QString first = entry.wordsLines[0];
    first.remove(u'*');
    const qsizetype blank = first.indexOf(u' ');
    if (blank >= 0)
        first.remove(blank, 1);
    QString second = entry.wordsLines[1];
    second.remove(u'*');
    QString third = entry.wordsLines[2];
    if (entry.threeLineFormat)
        third.remove(u'*');
    return first + second + third;
}

} // namespace

QString journalStubBlock(const JournalEntry& entry) {
    const bool anyOption = entry.stubDate || entry.stubBeneficiary || entry.stubAmount;
    bool anyLine = false;
    for (const QString& line : entry.stubLines)
        anyLine = anyLine || !line.isEmpty();
    if (!anyOption && !anyLine)
        return {};
    QStringList items;
    if (entry.stubDate)
        items << QStringLiteral("ˆDate indiquée ");
    if (entry.stubBeneficiary)
        items << QStringLiteral("ˆBénéficiaire indiqué");
    if (entry.stubAmount)
        items << QStringLiteral("ˆSomme indiquée");
    for (int i = 0; i < 3; ++i) {
        if (isFilled(entry.stubLines[static_cast<size_t>(i)]))
            items << QStringLiteral("ˆLigne %1 : %2").arg(i + 1).arg(entry.stubLines[size_t(i)]);
    }
    // The header keeps its line break even when nothing follows it.
    return QStringLiteral("ˆ      IMPRIMÉ SUR CETTE SOUCHE") + kCrLf + items.join(kCrLf);
}

QString journalEntryText(const JournalEntry& entry) {
    QStringList lines;
    lines << QStringLiteral("       ÉDITÉ LE ") + DatagePrecis(entry.printedAt)
          << QStringLiteral("       (Semaine n° %1)").arg(NumeroSemaine(entry.printedAt.date()))
          << QStringLiteral("Activation tags en zone sensible : ") + tagText(entry.tags)
          << QStringLiteral("Ligne optionnelle : ") + entry.optionalLine
          << QStringLiteral("Compte") + accountMarker(entry.account) + entry.formatName +
                 QStringLiteral(" n° ") + entry.accountNumber
          << QStringLiteral("Chèque n° ") + entry.chequeNumber;
    if (entry.stubShown) {
        const QString block = journalStubBlock(entry);
        if (!block.isEmpty())
            lines << block;
    }
    lines << QStringLiteral("       IMPRIMÉ SUR CE CHÈQUE") << wordsText(entry)
          << QStringLiteral("Somme en ") + entry.currencyPlural + QStringLiteral(" : ") +
                 entry.figures
          << QStringLiteral("Bénéficiaire : ") + entry.beneficiary
          << QStringLiteral("Lieu : ") + entry.place.left(27)
          << QStringLiteral("Date : ") + entry.date.left(27) << QString() << QString() << QString();
    return lines.join(kCrLf) + kCrLf;
}

QByteArray journalWithEntry(const QByteArray& journal, const QString& entryText, bool inverted) {
    // The journal is a list of lines: whatever breaks they had, they are written back with
    // CR LF, and a last line without a break gets one.
    QByteArray lines;
    lines.reserve(journal.size() + 2);
    qsizetype start = 0;
    const qsizetype size = journal.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && journal[end] != '\r' && journal[end] != '\n')
            ++end;
        lines.append(journal.constData() + start, end - start);
        lines.append("\r\n");
        if (end < size && journal[end] == '\r' && end + 1 < size && journal[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    const QByteArray entry = cp1252::encode(entryText);
    return inverted ? entry + lines : lines + entry;
}
