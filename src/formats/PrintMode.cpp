#include "formats/PrintMode.h"

#include <array>

namespace {

constexpr auto kPortrait = QPageLayout::Portrait;
constexpr auto kLandscape = QPageLayout::Landscape;

// In Orientation order, 1 to 7.
const std::array<PrintModeInfo, 7> kModes{{
    {PrintMode::PrintHorizontal, "PrintHorizontal", "Impression horizontale (par défaut)",
     "Impression horizontale (par défaut)", "ImgHoriz", "PictoDefaut",
     "Impression horizontale par défaut.", "d'impression horizontale [par défaut])", kPortrait},
    {PrintMode::PrintVertical, "PrintVertical", "Impression verticale standard",
     "Impression verticale standard", "ImgVert", "PictoVertiStd", "Impression verticale standard.",
     "d'impression verticale standard)", kLandscape},
    {PrintMode::PrintCentral, "PrintCentral", "Impression centrale A4 via scotchage",
     "Impression centrale A4 via scotchage", "ImgCentr", "PictoA4Sco",
     "Impression centrale A4 via scotchage.", "d'impression centrale A4 via scotchage)", kPortrait},
    {PrintMode::PrintCenterLaser, "PrintCenterLaser",
     "Impression centrale verticale spéciale laser", "Impression centrale verticale spéciale laser",
     "ImgVertLaser", "PictoLaser", "Impression centrale verticale spéciale laser.",
     "d'impression centrale verticale spéciale laser)", kLandscape},
    {PrintMode::PrintVertical2, "PrintVertical2", "Impression verticale 2",
     "Impression verticale 2", "ImgVert2", "PictoVerti2", "Impression verticale 2.",
     "d'impression verticale 2)", kLandscape},
    {PrintMode::PrintA4Bas, "PrintA4Bas", "Impression basse A4 sur préimprimé ",
     "Impression A4 sur préimprimé", "ImgA4Bas", "PictoA4Pre",
     "Impression basse A4 sur préimprimé.", "d'impression basse A4 sur préimprimé)", kPortrait},
    {PrintMode::PrintVertical3, "PrintVertical3", "Impression verticale 3",
     "Impression verticale 3", "imgVert3", "PictoVerti3", "Impression verticale 3.",
     "d'impression verticale 3)", kLandscape},
}};

constexpr std::array<PrintMode, 7> kMenuOrder{
    PrintMode::PrintHorizontal, PrintMode::PrintVertical,    PrintMode::PrintVertical2,
    PrintMode::PrintVertical3,  PrintMode::PrintCenterLaser, PrintMode::PrintCentral,
    PrintMode::PrintA4Bas};

} // namespace

const PrintModeInfo& printModeInfo(PrintMode mode) {
    return kModes[std::size_t(mode) - 1];
}

std::span<const PrintMode> printModesInMenuOrder() {
    return kMenuOrder;
}

std::optional<PrintMode> printModeFromStored(int stored) {
    if (stored < 1 || stored > 7)
        return std::nullopt;
    return PrintMode(stored);
}
