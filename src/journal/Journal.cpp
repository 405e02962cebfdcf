#include "journal/Journal.h"

#include "journal/JournalEntryLayout.h"
#include "platform/AppFolders.h"
#include "platform/Dialogs.h"
#include "platform/IniDocument.h"
#include "platform/Platform.h"
#include "platform/SafeFileWriter.h"
#include "platform/Sounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Journal::Journal(Platform& platform, QObject* parent) : QObject(parent), m_platform(platform) {}

void Journal::setOn(bool on) {
    if (m_on == on)
        return;
    m_on = on;
    emit changed();
}

QString Journal::activationText() const {
    return m_on ? QStringLiteral("Journal activé") : QStringLiteral("Journal non activé");
}

void Journal::setSingle(bool single) {
    if (m_single == single)
        return;
    m_single = single;
    emit changed();
}

void Journal::setInverted(bool inverted) {
    if (m_inverted == inverted)
        return;
    m_inverted = inverted;
    emit changed();
}

void Journal::load(const IniDocument& settings) {
    setSingle(settings.readBool(u"SHOW", u"JournalUnique", false));
    setOn(settings.readBool(u"SHOW", u"Journal", false));
    if (settings.valueExists(u"SHOW", u"InvertJournal"))
        setInverted(settings.readBool(u"SHOW", u"InvertJournal", false));
}

void Journal::save(IniDocument& settings) const {
    settings.writeBool(u"SHOW", u"JournalUnique", m_single);
    settings.writeBool(u"SHOW", u"Journal", m_on);
    settings.writeBool(u"SHOW", u"InvertJournal", m_inverted);
}

JournalTarget Journal::target(const JournalFormatInfo* format, int account) const {
    return JournalTarget{format, account, m_single};
}

std::optional<QString> Journal::fail(const QString& text) {
    m_platform.sounds.play(Cue::Son004);
    m_platform.dialogs.error(QString::fromUtf8(kTitle), text);
    return text;
}

std::optional<QString> Journal::GestionJournalEcritures(const JournalFormatInfo& format,
                                                        const JournalEntry& entry) {
    const JournalTarget where = target(&format, entry.account);
    const QString path = GetPathJournal(m_platform.folders.userFolder(), where);
    // The first print for a journal creates it, even with the journal off.
    const bool created = !QFileInfo::exists(path);
    if (created) {
        if (const auto error = writeFileSafely(path, QByteArray()))
            return fail(*error);
    }
    const auto error = EcritureStringListJournal(path, entry);
    if (created && !m_single) {
        m_platform.dialogs.information(
            QString::fromUtf8(kTitle),
            QStringLiteral("Le journal nommé ") + GetNameJournal(where, QStringLiteral("txt")) +
                QStringLiteral(" vient d'être créé suivant ce chemin :\r\n\r\n") +
                QDir::toNativeSeparators(path));
    }
    return error;
}

std::optional<QString> Journal::EcritureStringListJournal(const QString& path,
                                                          const JournalEntry& entry) {
    if (!m_on)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(
            QStringLiteral("Le journal « %1 » n'a pas pu être lu :\r\n%2\r\n\r\n"
                           "L'écriture du chèque n° %3 n'y a pas été ajoutée.")
                .arg(QDir::toNativeSeparators(path), file.errorString(), entry.chequeNumber));
    }
    const QByteArray old = file.readAll();
    file.close();
    const QByteArray bytes = journalWithEntry(old, journalEntryText(entry), m_inverted);
    if (const auto error = writeFileSafely(path, bytes)) {
        return fail(*error + QStringLiteral("\r\n\r\nL'écriture du chèque n° %1 n'a pas été "
                                            "ajoutée au journal.")
                                 .arg(entry.chequeNumber));
    }
    return std::nullopt;
}
