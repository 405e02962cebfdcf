#include "core/WordWrap.h"

#include "platform/TextMeasurer.h"

QString firstWrappedLine(const QString& text, int widthPixels, const QFont& font,
                         const TextMeasurer& measurer) {
    const auto fits = [&](qsizetype length) {
        return measurer.textWidth(text.left(length), font) <= widthPixels;
    };
    const qsizetype size = text.size();
    qsizetype lineEnd = 0; // end of the last whole word that fits, blanks included
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype wordEnd = pos;
        while (wordEnd < size && text.at(wordEnd) != u' ')
            ++wordEnd;
        // Blanks after a word never push it to the next line: they hang at the end.
        if (!fits(wordEnd))
            break;
        pos = wordEnd;
        while (pos < size && text.at(pos) == u' ')
            ++pos;
        lineEnd = pos;
    }
    if (lineEnd > 0)
        return text.left(lineEnd);
    if (size == 0)
        return {};
    // The first word alone is wider than the box: cut it inside.
    qsizetype cut = 1;
    while (fits(cut + 1))
        ++cut;
    return text.left(cut);
}
