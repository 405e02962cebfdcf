#pragma once

#include <span>

/// The adjustable offsets of the print modes, in millimetres.
enum class ModeOffset {
    EditStdX,      // Y offset of the vertical standard mode
    EditVertical2, // Y offset of vertical 2
    EditVertical3, // Y offset of vertical 3
    EditLaserH,    // X offset of the laser mode
    EditLaserL,    // Y offset of the laser mode
    EditA4BasL,    // X offset of the A4-bottom mode
    EditA4BasH     // Y offset of the A4-bottom mode
};

/// Where an offset is stored and what it is worth from the factory.
struct ModeOffsetInfo {
    ModeOffset offset;
    const char* key; // key of section PRINT; the names do not follow the axes
    int factory;
};

/// The values of the seven offsets, factory values by default.
struct ModeOffsets {
    int stdY = 129;
    int vertical2Y = 64;
    int vertical3Y = 0;
    int laserX = 121;
    int laserY = 64;
    int a4BasX = 35;
    int a4BasY = 215;

    int value(ModeOffset offset) const;
    void setValue(ModeOffset offset, int value);

    static std::span<const ModeOffsetInfo> all();
    static const ModeOffsetInfo& info(ModeOffset offset);

    bool operator==(const ModeOffsets&) const = default;
};
