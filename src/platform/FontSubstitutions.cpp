#include "platform/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions() {
    struct Substitution {
        const char* windowsName;
        const char* faces;
    };
    static const Substitution table[] = {
        {"MS Sans Serif", "Liberation Sans,DejaVu Sans"},
        {"Arial", "Liberation Sans,DejaVu Sans"},
        {"Arial Black", "DejaVu Sans,Liberation Sans"},
        {"Courier New", "Liberation Mono,DejaVu Sans Mono"},
    };
    for (const Substitution& s : table)
        QFont::insertSubstitutions(QString::fromLatin1(s.windowsName),
                                   QString::fromLatin1(s.faces).split(u','));
}
