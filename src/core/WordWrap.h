#pragma once

#include <QFont>
#include <QString>

class TextMeasurer;

/// The first visual line of `text` in a word-wrapping box `widthPixels` wide: the longest run
/// of whole words that fits, with the blanks it was broken at; a word longer than the box is
/// cut where it overflows. At least one character, so a too-narrow box still advances.
QString firstWrappedLine(const QString& text, int widthPixels, const QFont& font,
                         const TextMeasurer& measurer);
