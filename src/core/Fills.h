#pragma once

#include <QFont>
#include <QString>
#include <optional>

class TextMeasurer;

/// Measuring in millimetres and the fill marks that keep anything from being added by hand.
namespace Fills {

/// Millimetres of a measured width: pixels × 254 div 1000.
int pixelsToMillimetres(int pixels);
/// Width of the word-wrapping box of a line of `millimetres`: × 407 div 100 pixels.
int wrapWidthPixels(int millimetres);
/// Measured length of a text in millimetres.
int SizeLineMM(const QString& text, const QFont& font, const TextMeasurer& measurer);

/// Words line with "*" appended until it measures at least `targetMm`; an empty line becomes
/// a line of stars, a line already long enough keeps its text.
QString Ajout_Tags_Label(const QString& line, int targetMm, const QFont& font,
                         const TextMeasurer& measurer);
/// Beneficiary followed by " " and stars until it measures more than `lineMm`, at most 81
/// characters added; unchanged when it already reaches `lineMm`.
QString Ajout_Tags_Beneficiaire(const QString& beneficiary, int lineMm, const QFont& font,
                                const TextMeasurer& measurer);
/// Beneficiary followed by " " + itself repeated until it measures more than `lineMm` − 5,
/// at most 80 characters added; unchanged when it already reaches `lineMm` − 5.
QString Ajout_TagsLettres_Beneficiaire(const QString& beneficiary, int lineMm, const QFont& font,
                                       const TextMeasurer& measurer);

/// Number of stars after the amount in figures (0 to 20) so that it spans about 27 mm;
/// nothing when the per-character width is 0 mm (the fill must then stay as it was).
std::optional<int> figuresStarCount(const QString& groupedAmount, const QFont& font,
                                    const TextMeasurer& measurer);

} // namespace Fills
