#pragma once

#include "journal/JournalEntry.h"
#include "journal/JournalNames.h"

#include <QObject>
#include <QString>
#include <optional>

class IniDocument;
struct Platform;

/// The entry journal's switches (SHOW/Journal, JournalUnique, InvertJournal) and the
/// recording of a printed cheque in the journal file.
class Journal : public QObject {
    Q_OBJECT
public:
    explicit Journal(Platform& platform, QObject* parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    /// "Journal activé" / "Journal non activé", the text beside the journal lamp.
    QString activationText() const;
    bool isSingle() const { return m_single; }
    void setSingle(bool single);
    bool isInverted() const { return m_inverted; }
    void setInverted(bool inverted);

    /// Reads the three switches from SHOW; a missing InvertJournal leaves the switch as it is.
    void load(const IniDocument& settings);
    void save(IniDocument& settings) const;

    /// The journal the next entry goes to for that format and account.
    JournalTarget target(const JournalFormatInfo* format, int account) const;

    /// Makes sure the journal file exists (telling the user when a per-account journal was
    /// just created) and, when the journal is on, adds the entry through a safe rewrite.
    /// On failure the file is left as it was and the French message shown is returned.
    std::optional<QString> GestionJournalEcritures(const JournalFormatInfo& format,
                                                   const JournalEntry& entry);

    static constexpr const char* kTitle = "Journal des écritures...";

signals:
    void changed();

private:
    std::optional<QString> EcritureStringListJournal(const QString& path,
                                                     const JournalEntry& entry);
    std::optional<QString> fail(const QString& text);

    Platform& m_platform;
    bool m_on = false;
    bool m_single = false;
    bool m_inverted = false;
};
