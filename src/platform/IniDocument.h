#pragma once

#include "platform/FoldedNameIndex.h"

#include <QString>
#include <QStringList>
#include <vector>

/// The settings file format in memory: sections of key=value lines, names matched without
/// regard to case, the first matching section and key winning. Lines it does not change are
/// written back as they were read.
class IniDocument {
public:
    static IniDocument fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;

    bool sectionExists(QStringView section) const;
    bool valueExists(QStringView section, QStringView key) const;
    QStringList sections() const;
    QStringList keys(QStringView section) const;

    /// The value trimmed of blanks and of one pair of enclosing quotes, at most 2047 characters.
    QString readString(QStringView section, QStringView key, const QString& fallback) const;
    /// Decimal, `$`-hex or `0x`-hex; empty or unparsable gives the fallback.
    int readInteger(QStringView section, QStringView key, int fallback) const;
    /// True when the value is a non-zero integer.
    bool readBool(QStringView section, QStringView key, bool fallback) const;

    /// Line breaks in the value are stored as blanks: they would split the entry.
    void writeString(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, int value);
    void writeBool(QStringView section, QStringView key, bool value);
    void eraseSection(QStringView section);
    void deleteKey(QStringView section, QStringView key);

    static constexpr qsizetype kMaxValueLength = 2047;

private:
    // A line is a view into the file as read, or into its own text once the program wrote it.
    struct Line {
        QStringView text;
        QString owned;
        QStringView key; // the trimmed name of an entry; empty for anything else
        qsizetype equals = -1;
    };
    struct Section {
        Line header;
        QStringView name;
        std::vector<Line> lines;
        mutable FoldedNameIndex entries; // first line of each key, built on first lookup
        mutable bool indexed = false;
    };

    static Line parseLine(QStringView text, QStringView trimmed);
    static Line ownLine(QString text);
    static void indexEntries(const Section& section);
    static void indexEntry(const Section& section, size_t line);
    const Section* findSection(QStringView name) const;
    const Line* findEntry(QStringView section, QStringView key) const;
    Section& sectionForWriting(QStringView name);
    void indexSections();

    QString m_source;             // the decoded file the unchanged lines point into
    std::vector<Line> m_preamble; // lines before the first section: never looked up
    std::vector<Section> m_sections;
    FoldedNameIndex m_firstSection;
};
