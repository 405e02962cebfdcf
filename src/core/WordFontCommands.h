#pragma once

#include "core/WordFontSettings.h"

class Dialogs;

/// The four custom sizes of the word-font settings.
enum class FontSizeField { Words, Beneficiary, Figures, PlaceDate };

/// The handlers of the tab "Configuration de fonte", as changes of the word-font settings.
namespace WordFontCommands {

/// Largest custom size of a field (the smallest is 8).
int maximumSize(FontSizeField field);
int size(const WordFontSettings& settings, FontSizeField field);

/// seSizeFontCustom<...>Change: the new size, kept within range; while "Fonte par défaut" is
/// checked the user is told the size will not be used.
WordFontSettings seSizeFontCustomChange(const WordFontSettings& settings, FontSizeField field,
                                        int size, Dialogs& dialogs);
/// cbFontDefautClick.
WordFontSettings cbFontDefautClick(const WordFontSettings& settings, bool checked);
/// cbFontCustonChange: the chosen font (at most 72 characters kept).
WordFontSettings cbFontCustonChange(const WordFontSettings& settings, const QString& fontName);

constexpr int kMinimumSize = 8;
constexpr int kFontNameMaxLength = 72;
constexpr const char* kDefaultActiveTitle = "Fonte par défaut active...";
constexpr const char* kDefaultActiveText =
    "La fonte par défaut est cochée, donc active, par conséquent :\r\ntout changement de taille "
    "de fonte, ne sera pas répercuté.";

} // namespace WordFontCommands
