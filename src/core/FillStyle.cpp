#include "core/FillStyle.h"

std::optional<FillStyle> fillStyleFromSetting(int value) {
    switch (value) {
    case 1:
        return FillStyle::IdenticalChars;
    case 2:
        return FillStyle::NoTags;
    case 3:
        return FillStyle::BeneficiaryName;
    default:
        return std::nullopt;
    }
}

int fillStyleSetting(FillStyle style) {
    return static_cast<int>(style);
}
