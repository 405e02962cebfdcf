#include "core/Hyphenation.h"

#include <QStringList>
#include <QStringMatcher>
#include <vector>

namespace {

struct Replacement {
    QString from; // lower case
    QString to;
    QStringMatcher matcher;
};

// Replacements sharing a leading word are kept together, in the order they must be applied,
// so that a text lacking the leading word skips the whole group with one search.
struct Group {
    QStringMatcher head;
    std::vector<Replacement> replacements;
    bool firstOnly = false;
};

QString hyphenated(QString text) {
    return text.replace(u' ', u'-');
}

Group joinedGroup(const QString& tens, const QStringList& followers) {
    Group group{QStringMatcher(tens + u' '), {}, false};
    for (const QString& follower : followers) {
        const QString from = tens + u' ' + follower;
        group.replacements.push_back({from, hyphenated(from), QStringMatcher(from)});
    }
    return group;
}

Group singleGroup(const QString& from, const QString& to, bool firstOnly = false) {
    return {QStringMatcher(from), {{from, to, QStringMatcher(from)}}, firstOnly};
}

std::vector<Group> buildGroups() {
    const QStringList twoToNine = {QStringLiteral("deux"),   QStringLiteral("trois"),
                                   QStringLiteral("quatre"), QStringLiteral("cinq"),
                                   QStringLiteral("six"),    QStringLiteral("sept"),
                                   QStringLiteral("huit"),   QStringLiteral("neuf")};
    const QStringList tenToNineteen = {QStringLiteral("dix"),      QStringLiteral("onze"),
                                       QStringLiteral("douze"),    QStringLiteral("treize"),
                                       QStringLiteral("quatorze"), QStringLiteral("quinze"),
                                       QStringLiteral("seize"),    QStringLiteral("dix sept"),
                                       QStringLiteral("dix huit"), QStringLiteral("dix neuf")};

    std::vector<Group> groups;
    groups.push_back(
        joinedGroup(QStringLiteral("dix"),
                    {QStringLiteral("sept"), QStringLiteral("huit"), QStringLiteral("neuf")}));
    for (const char* tens : {"vingt", "trente", "quarante", "cinquante"})
        groups.push_back(joinedGroup(QString::fromLatin1(tens), twoToNine));

    QStringList afterSoixante = twoToNine;
    for (const QString& teen : tenToNineteen)
        if (teen != u"onze") // "soixante et onze" keeps its blanks
            afterSoixante << teen;
    groups.push_back(joinedGroup(QStringLiteral("soixante"), afterSoixante));
    groups.push_back(joinedGroup(QStringLiteral("quatre-vingt"),
                                 QStringList{QStringLiteral("un")} + twoToNine + tenToNineteen));
    // The Belgian/Swiss tens are joined to their unit like the standard ones.
    for (const char* tens : {"septante", "huitante", "nonante"})
        groups.push_back(joinedGroup(QString::fromLatin1(tens), twoToNine));

    groups.push_back(singleGroup(QStringLiteral("quatre-vingt millions"),
                                 QStringLiteral("quatre-vingts millions")));
    groups.push_back(singleGroup(QStringLiteral("d' "), QStringLiteral("d'"), true));
    groups.push_back(
        singleGroup(QStringLiteral("trois cent millions"), QStringLiteral("trois cents millions")));
    return groups;
}

// Lower-cases the ASCII letters only, so positions match the text one for one.
QString foldAscii(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

} // namespace

QString GestiTiretChiffres(const QString& text) {
    static const std::vector<Group> groups = buildGroups();
    QString result = text;
    QString folded = foldAscii(text); // searched instead of a case-insensitive match
    for (const Group& group : groups) {
        if (group.head.indexIn(folded) < 0)
            continue;
        for (const Replacement& r : group.replacements) {
            qsizetype from = 0;
            while ((from = r.matcher.indexIn(folded, from)) >= 0) {
                result.replace(from, r.from.size(), r.to);
                folded.replace(from, r.from.size(), r.to);
                if (group.firstOnly)
                    break;
                from += r.to.size();
            }
        }
    }
    return result;
}
