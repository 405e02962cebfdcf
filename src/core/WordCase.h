#pragma once

#include <QString>

/// The case rule of the amount in words: with Majuscules every ASCII letter in capitals;
/// without, every ASCII letter in lower case and then the 5th character (the first letter
/// after "*** ") raised. Accented letters come from the number writer already in their case.
QString applyCaseRule(const QString& text, bool majuscules);

/// Upper or lower case over the whole Windows-1252 alphabet, accented letters included.
QString toUpperCp1252(const QString& text);
QString toLowerCp1252(const QString& text);
