#pragma once

#include <optional>

/// How the beneficiary line is filled; the values are those stored under PRINT/Tags.
enum class FillStyle {
    IdenticalChars = 1,  // rbTagsChars, "Ajout de tags en caractères identiques"
    NoTags = 2,          // rbTags, "Refuser les tags"
    BeneficiaryName = 3, // rbTagsLine, "Ajout tags suivant libellé du bénéficiaire"
};

/// The style of a stored PRINT/Tags value; nothing for an unknown value (the default stays).
std::optional<FillStyle> fillStyleFromSetting(int value);
/// The PRINT/Tags value of a style.
int fillStyleSetting(FillStyle style);
