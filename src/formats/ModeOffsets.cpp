#include "formats/ModeOffsets.h"

#include <array>

namespace {

constexpr std::array<ModeOffsetInfo, 7> kOffsets{{
    {ModeOffset::EditStdX, "VerticalXmm", 129},
    {ModeOffset::EditVertical2, "VerticalX2mm", 64},
    {ModeOffset::EditVertical3, "VerticalX3mm", 0},
    {ModeOffset::EditLaserH, "LaserYmm", 121},
    {ModeOffset::EditLaserL, "LaserXmm", 64},
    {ModeOffset::EditA4BasL, "A4BasXmm", 35},
    {ModeOffset::EditA4BasH, "A4BasYmm", 215},
}};

} // namespace

int ModeOffsets::value(ModeOffset offset) const {
    switch (offset) {
    case ModeOffset::EditStdX:
        return stdY;
    case ModeOffset::EditVertical2:
        return vertical2Y;
    case ModeOffset::EditVertical3:
        return vertical3Y;
    case ModeOffset::EditLaserH:
        return laserX;
    case ModeOffset::EditLaserL:
        return laserY;
    case ModeOffset::EditA4BasL:
        return a4BasX;
    case ModeOffset::EditA4BasH:
        return a4BasY;
    }
    return 0;
}

void ModeOffsets::setValue(ModeOffset offset, int value) {
    switch (offset) {
    case ModeOffset::EditStdX:
        stdY = value;
        break;
    case ModeOffset::EditVertical2:
        vertical2Y = value;
        break;
    case ModeOffset::EditVertical3:
        vertical3Y = value;
        break;
    case ModeOffset::EditLaserH:
        laserX = value;
        break;
    case ModeOffset::EditLaserL:
        laserY = value;
        break;
    case ModeOffset::EditA4BasL:
        a4BasX = value;
        break;
    case ModeOffset::EditA4BasH:
        a4BasY = value;
        break;
    }
}

std::span<const ModeOffsetInfo> ModeOffsets::all() {
    return kOffsets;
}

const ModeOffsetInfo& ModeOffsets::info(ModeOffset offset) {
    return kOffsets[std::size_t(offset)];
}
