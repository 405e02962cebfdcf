#include "core/ScreenFonts.h"

#include <algorithm>

namespace {

// The size boxes allow 8 to 22 points (8 to 18 for place and date); a stored value outside
// them must not give an unusable font.
QFont font(const QString& name, int pointSize, int largest, bool bold) {
    QFont f(name);
    f.setPointSize(std::clamp(pointSize, 8, largest));
    f.setBold(bold);
    return f;
}

} // namespace

ScreenFonts ScreenFonts::fromSettings(const WordFontSettings& settings) {
    const WordFontSettings used = settings.defaultFont ? WordFontSettings{} : settings;
    const QString& name = used.fontName;
    return {font(name, used.wordsSize, 22, true), font(name, used.wordsSize, 22, false),
            font(name, used.beneficiarySize, 22, false), font(name, used.figuresSize, 22, true),
            font(name, used.placeDateSize, 18, false)};
}
