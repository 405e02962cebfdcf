#include "core/WordCase.h"

namespace {

bool isAsciiLower(QChar c) {
    return c >= u'a' && c <= u'z';
}

bool isAsciiUpper(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// Letters outside Latin-1 that Windows-1252 still holds: Š š Œ œ Ž ž Ÿ.
bool inCp1252(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0xFF || u == 0x160 || u == 0x161 || u == 0x152 || u == 0x153 || u == 0x17D ||
           u == 0x17E || u == 0x178;
}

// A letter changes case only when both forms exist in the code page (so "ß" and "µ" stay).
template <typename Map> QString mapCp1252(const QString& text, Map map) {
    QString result = text;
    for (QChar& c : result) {
        const QChar mapped = map(c);
        if (mapped != c && inCp1252(c) && inCp1252(mapped))
            c = mapped;
    }
    return result;
}

} // namespace

QString applyCaseRule(const QString& text, bool majuscules) {
    QString result = text;
    for (QChar& c : result) {
        if (majuscules && isAsciiLower(c))
            c = QChar(c.unicode() - ('a' - 'A'));
        else if (!majuscules && isAsciiUpper(c))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    if (!majuscules && result.size() > 4 && isAsciiLower(result[4]))
        result[4] = QChar(result[4].unicode() - ('a' - 'A'));
    return result;
}

QString toUpperCp1252(const QString& text) {
    return mapCp1252(text, [](QChar c) { return c.toUpper(); });
}

QString toLowerCp1252(const QString& text) {
    return mapCp1252(text, [](QChar c) { return c.toLower(); });
}
