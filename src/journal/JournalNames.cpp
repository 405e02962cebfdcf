#include "journal/JournalNames.h"

namespace {

QString accountPart(int account) {
    return account >= 1 && account <= 9 ? QString::number(account) : QString();
}

} // namespace

QString GetNameJournal(const JournalTarget& target, const QString& extension) {
    if (target.single || target.format == nullptr)
        return QStringLiteral("Journal.") + extension;
    QString name = QStringLiteral("J_") + QString(target.format->journalName).replace(u' ', u'-');
    if (target.format->threeLines)
        name += QStringLiteral("3L-");
    if (target.format->dashed)
        name += u'_';
    return name + accountPart(target.account) + u'.' + extension;
}

QString GetPathJournal(const QString& userFolder, const JournalTarget& target) {
    return userFolder + GetNameJournal(target, QStringLiteral("txt"));
}

QString GetNameOldJournal(const JournalTarget& target) {
    if (target.single || target.format == nullptr)
        return QStringLiteral("Journal.TXT");
    return QStringLiteral("J_") + target.format->oldJournalCode + accountPart(target.account) +
           target.format->oldJournalSuffix + QStringLiteral(".TXT");
}
