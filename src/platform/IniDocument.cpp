#include "platform/IniDocument.h"

#include "platform/Cp1252.h"

#include <limits>

namespace {

bool isComment(QStringView trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

QStringView sectionName(QStringView header) {
    const QStringView inside = header.trimmed().mid(1);
    const qsizetype close = inside.indexOf(u']');
    return inside.left(close < 0 ? inside.size() : close).trimmed();
}

// Parses a settings integer; false when anything but a number stands there.
bool parseInteger(QStringView text, int& out) {
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty() || !text.front().isLetterOrNumber())
        return false; // toULongLong would accept blanks and signs of its own
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok)
        return false;
    if (base == 16) {
        if (magnitude > std::numeric_limits<quint32>::max())
            return false;
        const auto bits = static_cast<qint32>(static_cast<quint32>(magnitude));
        if (negative && bits == std::numeric_limits<qint32>::min())
            return false;
        out = negative ? -bits : bits;
        return true;
    }
    if (magnitude > 1ULL + std::numeric_limits<qint32>::max())
        return false;
    const qlonglong value =
        negative ? -static_cast<qlonglong>(magnitude) : static_cast<qlonglong>(magnitude);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return false;
    out = static_cast<int>(value);
    return true;
}

QString withoutLineBreaks(const QString& value) {
    QString flat = value;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(u'\r', u' ');
    flat.replace(u'\n', u' ');
    return flat;
}

} // namespace

IniDocument::Line IniDocument::parseLine(QStringView text, QStringView trimmed) {
    Line line;
    line.text = text;
    if (!trimmed.isEmpty() && !isComment(trimmed)) {
        line.equals = text.indexOf(u'=');
        line.key = text.left(line.equals < 0 ? text.size() : line.equals).trimmed();
    }
    return line;
}

IniDocument::Line IniDocument::ownLine(QString text) {
    Line line;
    line.owned = std::move(text);
    Line parsed = parseLine(line.owned, QStringView(line.owned).trimmed());
    parsed.owned = std::move(line.owned); // the buffer moves with the string: views stay valid
    return parsed;
}

IniDocument IniDocument::fromBytes(QByteArrayView bytes) {
    IniDocument doc;
    doc.m_source = cp1252::decode(bytes);
    const QStringView text = doc.m_source;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        const QStringView lineText = text.mid(start, stop - start);
        start = end + 1;

        const QStringView trimmed = lineText.trimmed();
        if (trimmed.startsWith(u'[')) {
            Section section;
            section.header.text = lineText;
            section.name = sectionName(lineText);
            doc.m_sections.push_back(std::move(section));
        } else {
            (doc.m_sections.empty() ? doc.m_preamble : doc.m_sections.back().lines)
                .push_back(parseLine(lineText, trimmed));
        }
    }
    doc.indexSections();
    return doc;
}

QByteArray IniDocument::toBytes() const {
    QString text;
    text.reserve(m_source.size() + 256);
    const auto add = [&text](const Line& line) {
        text += line.text;
        text += QLatin1String("\r\n");
    };
    for (const Line& line : m_preamble)
        add(line);
    for (const Section& section : m_sections) {
        add(section.header);
        for (const Line& line : section.lines)
            add(line);
    }
    return cp1252::encode(text);
}

void IniDocument::indexEntry(const Section& section, size_t line) {
    const QStringView key = section.lines[line].key;
    if (!key.isEmpty())
        section.entries.insert(key, line, [&section](size_t i) { return section.lines[i].key; });
}

void IniDocument::indexEntries(const Section& section) {
    section.entries.reset(section.lines.size());
    for (size_t i = 0; i < section.lines.size(); ++i)
        indexEntry(section, i);
    section.indexed = true;
}

void IniDocument::indexSections() {
    m_firstSection.reset(m_sections.size());
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_firstSection.insert(m_sections[i].name, i,
                              [this](size_t s) { return m_sections[s].name; });
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const {
    const qsizetype at =
        m_firstSection.find(name.trimmed(), [this](size_t s) { return m_sections[s].name; });
    return at < 0 ? nullptr : &m_sections[static_cast<size_t>(at)];
}

const IniDocument::Line* IniDocument::findEntry(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    if (!s->indexed)
        indexEntries(*s);
    const qsizetype at = s->entries.find(key.trimmed(), [s](size_t i) { return s->lines[i].key; });
    return at < 0 ? nullptr : &s->lines[static_cast<size_t>(at)];
}

bool IniDocument::sectionExists(QStringView section) const {
    return findSection(section) != nullptr;
}

bool IniDocument::valueExists(QStringView section, QStringView key) const {
    return findEntry(section, key) != nullptr;
}

QStringList IniDocument::sections() const {
    QStringList names;
    for (const Section& section : m_sections)
        names << section.name.toString();
    return names;
}

QStringList IniDocument::keys(QStringView section) const {
    QStringList names;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.isEmpty())
                names << line.key.toString();
        }
    }
    return names;
}

QString IniDocument::readString(QStringView section, QStringView key,
                                const QString& fallback) const {
    const Line* line = findEntry(section, key);
    if (!line)
        return fallback;
    QStringView value =
        line->equals < 0 ? QStringView() : line->text.mid(line->equals + 1).trimmed();
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength).toString();
}

int IniDocument::readInteger(QStringView section, QStringView key, int fallback) const {
    int value = 0;
    return parseInteger(readString(section, key, QString()), value) ? value : fallback;
}

bool IniDocument::readBool(QStringView section, QStringView key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

IniDocument::Section& IniDocument::sectionForWriting(QStringView name) {
    if (const Section* s = findSection(name))
        return const_cast<Section&>(*s);
    Section section;
    section.header = ownLine(QLatin1Char('[') + name.trimmed().toString() + QLatin1Char(']'));
    section.name = sectionName(section.header.text);
    m_sections.push_back(std::move(section));
    m_firstSection.insert(m_sections.back().name, m_sections.size() - 1,
                          [this](size_t s) { return m_sections[s].name; });
    return m_sections.back();
}

void IniDocument::writeString(QStringView section, QStringView key, const QString& value) {
    Section& s = sectionForWriting(section);
    if (!s.indexed)
        indexEntries(s);
    const QString flat = withoutLineBreaks(value);
    const qsizetype at = s.entries.find(key.trimmed(), [&s](size_t i) { return s.lines[i].key; });
    if (at >= 0) {
        // Keep the name as the file spells it, with the blanks around it: the index stays right.
        Line& line = s.lines[static_cast<size_t>(at)];
        const QStringView name = line.text.left(line.equals < 0 ? line.text.size() : line.equals);
        line = ownLine(name.toString() + QLatin1Char('=') + flat);
        return;
    }
    // A new entry goes after the last non-blank line of its section: only blank lines follow
    // it, so no indexed line moves.
    size_t end = 0;
    for (size_t i = s.lines.size(); i > 0; --i) {
        if (!s.lines[i - 1].text.trimmed().isEmpty()) {
            end = i;
            break;
        }
    }
    s.lines.insert(s.lines.begin() + static_cast<qsizetype>(end),
                   ownLine(key.trimmed().toString() + QLatin1Char('=') + flat));
    indexEntry(s, end);
}

void IniDocument::writeInteger(QStringView section, QStringView key, int value) {
    writeString(section, key, QString::number(value));
}

void IniDocument::writeBool(QStringView section, QStringView key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::eraseSection(QStringView section) {
    const QStringView name = section.trimmed();
    std::erase_if(m_sections,
                  [name](const Section& s) { return FoldedNameIndex::equal(s.name, name); });
    indexSections();
}

void IniDocument::deleteKey(QStringView section, QStringView key) {
    const Section* found = findSection(section);
    if (!found)
        return;
    Section& s = const_cast<Section&>(*found);
    if (!s.indexed)
        indexEntries(s);
    const qsizetype at = s.entries.find(key.trimmed(), [&s](size_t i) { return s.lines[i].key; });
    if (at < 0)
        return;
    s.lines.erase(s.lines.begin() + at);
    indexEntries(s);
}
