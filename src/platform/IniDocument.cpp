#include "platform/IniDocument.h"

#include "platform/Cp1252.h"

#include <limits>

namespace {

QString fold(QStringView name) {
    return name.trimmed().toString().toCaseFolded();
}

bool isComment(QStringView trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// Parses the digits of a settings integer; false when anything but a number stands there.
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
    if (text.isEmpty())
        return false;
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    // toULongLong accepts blanks and signs of its own; the settings format does not.
    if (!ok || !text.front().isLetterOrNumber())
        return false;
    if (base == 16) {
        if (magnitude > std::numeric_limits<quint32>::max())
            return false;
        const auto bits = static_cast<qint32>(static_cast<quint32>(magnitude));
        out = negative ? -bits : bits;
        return !(negative && bits == std::numeric_limits<qint32>::min());
    }
    const qlonglong value =
        negative ? -static_cast<qlonglong>(magnitude) : static_cast<qlonglong>(magnitude);
    if (magnitude > 1ULL + std::numeric_limits<qint32>::max() ||
        value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
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

IniDocument IniDocument::fromBytes(QByteArrayView bytes) {
    IniDocument doc;
    const QString text = cp1252::decode(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        QString lineText = text.mid(start, stop - start);
        start = end + 1;

        const QStringView trimmed = QStringView(lineText).trimmed();
        if (trimmed.startsWith(u'[')) {
            qsizetype close = trimmed.indexOf(u']');
            const QStringView name = trimmed.mid(1, close < 0 ? -1 : close - 1);
            Section section;
            section.foldedName = fold(name);
            section.header = std::move(lineText);
            doc.m_sections.push_back(std::move(section));
            continue;
        }
        Line line;
        if (!trimmed.isEmpty() && !isComment(trimmed)) {
            line.equals = lineText.indexOf(u'=');
            line.foldedKey =
                fold(QStringView(lineText).left(line.equals < 0 ? lineText.size() : line.equals));
        }
        line.text = std::move(lineText);
        (doc.m_sections.empty() ? doc.m_preamble : doc.m_sections.back().lines)
            .push_back(std::move(line));
    }
    for (Section& section : doc.m_sections)
        indexEntries(section);
    doc.indexSections();
    return doc;
}

QByteArray IniDocument::toBytes() const {
    QString text;
    const auto add = [&text](const QString& line) {
        text += line;
        text += QStringLiteral("\r\n");
    };
    for (const Line& line : m_preamble)
        add(line.text);
    for (const Section& section : m_sections) {
        add(section.header);
        for (const Line& line : section.lines)
            add(line.text);
    }
    return cp1252::encode(text);
}

void IniDocument::indexEntries(Section& section) {
    section.firstEntry.clear();
    for (qsizetype i = 0; i < static_cast<qsizetype>(section.lines.size()); ++i) {
        const QString& key = section.lines[static_cast<size_t>(i)].foldedKey;
        if (!key.isEmpty() && !section.firstEntry.contains(key))
            section.firstEntry.insert(key, i);
    }
}

void IniDocument::indexSections() {
    m_firstSection.clear();
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_sections.size()); ++i) {
        const QString& name = m_sections[static_cast<size_t>(i)].foldedName;
        if (!m_firstSection.contains(name))
            m_firstSection.insert(name, i);
    }
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const {
    const auto it = m_firstSection.constFind(fold(name));
    return it == m_firstSection.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}

IniDocument::Section* IniDocument::findSection(QStringView name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniDocument::Line* IniDocument::findEntry(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->firstEntry.constFind(fold(key));
    return it == s->firstEntry.cend() ? nullptr : &s->lines[static_cast<size_t>(*it)];
}

bool IniDocument::sectionExists(QStringView section) const {
    return findSection(section) != nullptr;
}

bool IniDocument::valueExists(QStringView section, QStringView key) const {
    return findEntry(section, key) != nullptr;
}

QStringList IniDocument::sections() const {
    QStringList names;
    for (const Section& section : m_sections) {
        const QStringView header = QStringView(section.header).trimmed().mid(1);
        const qsizetype close = header.indexOf(u']');
        names << header.left(close < 0 ? header.size() : close).trimmed().toString();
    }
    return names;
}

QStringList IniDocument::keys(QStringView section) const {
    QStringList names;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.foldedKey.isEmpty())
                names << QStringView(line.text)
                             .left(line.equals < 0 ? line.text.size() : line.equals)
                             .trimmed()
                             .toString();
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
        line->equals < 0 ? QStringView() : QStringView(line->text).mid(line->equals + 1).trimmed();
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
    if (Section* s = findSection(name))
        return *s;
    Section section;
    section.header = QLatin1Char('[') + name.trimmed().toString() + QLatin1Char(']');
    section.foldedName = fold(name);
    m_firstSection.insert(section.foldedName, static_cast<qsizetype>(m_sections.size()));
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

void IniDocument::writeString(QStringView section, QStringView key, const QString& value) {
    Section& s = sectionForWriting(section);
    const QString folded = fold(key);
    const QString flat = withoutLineBreaks(value);
    const auto it = s.firstEntry.constFind(folded);
    if (it != s.firstEntry.cend()) {
        Line& line = s.lines[static_cast<size_t>(*it)];
        const QString name = QStringView(line.text)
                                 .left(line.equals < 0 ? line.text.size() : line.equals)
                                 .toString();
        line.text = name + QLatin1Char('=') + flat;
        line.equals = name.size();
        return;
    }
    // A new entry goes after the last entry of its section, before any trailing blank lines.
    qsizetype at = 0;
    for (qsizetype i = static_cast<qsizetype>(s.lines.size()) - 1; i >= 0; --i) {
        if (!QStringView(s.lines[static_cast<size_t>(i)].text).trimmed().isEmpty()) {
            at = i + 1;
            break;
        }
    }
    Line line;
    const QString name = key.trimmed().toString();
    line.text = name + QLatin1Char('=') + flat;
    line.equals = name.size();
    line.foldedKey = folded;
    // Only blank lines follow the insertion point, so no indexed entry moves.
    s.firstEntry.insert(folded, at);
    s.lines.insert(s.lines.begin() + at, std::move(line));
}

void IniDocument::writeInteger(QStringView section, QStringView key, int value) {
    writeString(section, key, QString::number(value));
}

void IniDocument::writeBool(QStringView section, QStringView key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::eraseSection(QStringView section) {
    const QString folded = fold(section);
    std::erase_if(m_sections, [&folded](const Section& s) { return s.foldedName == folded; });
    indexSections();
}

void IniDocument::deleteKey(QStringView section, QStringView key) {
    Section* s = findSection(section);
    if (!s)
        return;
    const auto it = s->firstEntry.constFind(fold(key));
    if (it == s->firstEntry.cend())
        return;
    s->lines.erase(s->lines.begin() + *it);
    indexEntries(*s);
}
