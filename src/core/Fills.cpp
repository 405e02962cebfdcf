#include "core/Fills.h"

#include "platform/TextMeasurer.h"

namespace Fills {

namespace {

// A words line never needs this many stars; the bound only keeps a font that measures
// nothing from looping for ever.
constexpr qsizetype longestFilledLine = 1000;
constexpr int beneficiaryFillLength = 80;
constexpr int beneficiaryNameMarginMm = 5;
constexpr int figuresSpanMm = 27;
constexpr int figuresMostStars = 20;
constexpr int figuresImplausibleStars = 50;

// Appends the characters of `fill` one by one while the text is not longer than `targetMm`.
QString appendUntilBeyond(QString text, const QString& fill, int targetMm, const QFont& font,
                          const TextMeasurer& measurer) {
    for (const QChar c : fill) {
        text += c;
        if (SizeLineMM(text, font, measurer) > targetMm)
            break;
    }
    return text;
}

} // namespace

int pixelsToMillimetres(int pixels) {
    return pixels * 254 / 1000;
}

int wrapWidthPixels(int millimetres) {
    return millimetres * 407 / 100;
}

int SizeLineMM(const QString& text, const QFont& font, const TextMeasurer& measurer) {
    return pixelsToMillimetres(measurer.textWidth(text, font));
}

QString Ajout_Tags_Label(const QString& line, int targetMm, const QFont& font,
                         const TextMeasurer& measurer) {
    QString text = line;
    while (SizeLineMM(text, font, measurer) < targetMm && text.size() < longestFilledLine)
        text += u'*';
    return text;
}

QString Ajout_Tags_Beneficiaire(const QString& beneficiary, int lineMm, const QFont& font,
                                const TextMeasurer& measurer) {
    if (SizeLineMM(beneficiary, font, measurer) >= lineMm)
        return beneficiary;
    return appendUntilBeyond(beneficiary, u' ' + QString(beneficiaryFillLength, u'*'), lineMm, font,
                             measurer);
}

QString Ajout_TagsLettres_Beneficiaire(const QString& beneficiary, int lineMm, const QFont& font,
                                       const TextMeasurer& measurer) {
    const int targetMm = lineMm - beneficiaryNameMarginMm;
    if (SizeLineMM(beneficiary, font, measurer) >= targetMm)
        return beneficiary;
    QString repeated = u' ' + beneficiary;
    while (repeated.size() < beneficiaryFillLength)
        repeated += repeated;
    return appendUntilBeyond(beneficiary, repeated.left(beneficiaryFillLength), targetMm, font,
                             measurer);
}

std::optional<int> figuresStarCount(const QString& groupedAmount, const QFont& font,
                                    const TextMeasurer& measurer) {
    const int widthMm = SizeLineMM(groupedAmount, font, measurer);
    const int perCharacterMm =
        groupedAmount.isEmpty() ? 0 : widthMm / static_cast<int>(groupedAmount.size());
    if (perCharacterMm == 0)
        return std::nullopt;
    int stars = widthMm <= figuresSpanMm ? (figuresSpanMm - widthMm) / perCharacterMm : 0;
    if (stars > figuresImplausibleStars)
        stars = 0;
    return std::min(stars, figuresMostStars);
}

} // namespace Fills
