#pragma once

#include <QString>

/// The hyphenation pass over the amount in words: joins compound numbers ("vingt-deux",
/// "soixante-dix-sept"), writes "quatre-vingts millions" and "trois cents millions" and glues
/// the preposition "d'" to the unit word. Matching ignores case; replacements are lower case.
QString GestiTiretChiffres(const QString& text);
