#include "core/WordFontCommands.h"

#include "platform/Dialogs.h"

#include <QtGlobal>

namespace WordFontCommands {

namespace {

int& sizeRef(WordFontSettings& settings, FontSizeField field) {
    switch (field) {
    case FontSizeField::Words:
        return settings.wordsSize;
    case FontSizeField::Beneficiary:
        return settings.beneficiarySize;
    case FontSizeField::Figures:
        return settings.figuresSize;
    case FontSizeField::PlaceDate:
        break;
    }
    return settings.placeDateSize;
}

} // namespace

int maximumSize(FontSizeField field) {
    return field == FontSizeField::PlaceDate ? 18 : 22;
}

int size(const WordFontSettings& settings, FontSizeField field) {
    WordFontSettings copy = settings;
    return sizeRef(copy, field);
}

WordFontSettings seSizeFontCustomChange(const WordFontSettings& settings, FontSizeField field,
                                        int size, Dialogs& dialogs) {
    WordFontSettings next = settings;
    sizeRef(next, field) = qBound(kMinimumSize, size, maximumSize(field));
    if (settings.defaultFont)
        dialogs.information(QString::fromUtf8(kDefaultActiveTitle),
                            QString::fromUtf8(kDefaultActiveText));
    return next;
}

WordFontSettings cbFontDefautClick(const WordFontSettings& settings, bool checked) {
    WordFontSettings next = settings;
    next.defaultFont = checked;
    return next;
}

WordFontSettings cbFontCustonChange(const WordFontSettings& settings, const QString& fontName) {
    WordFontSettings next = settings;
    next.fontName = fontName.left(kFontNameMaxLength);
    return next;
}

} // namespace WordFontCommands
