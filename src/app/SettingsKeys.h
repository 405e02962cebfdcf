#pragma once

#include <span>

/// How a key's value is read and written.
enum class SettingKind {
    Text,         // as stored (trimmed, unquoted)
    Integer,      // decimal, $-hex or 0x-hex; written in decimal
    Bool,         // non-zero integer; written 1/0
    InvertedBool, // written 0 for true and 1 for false
    Block,        // a whole section handled by its owner (positions, lists)
};

/// When the main window writes a key at close.
enum class SaveRule { Never, Always, WhenNotEmpty };

/// One key of the settings file as the main window loads and saves it.
struct SettingKey {
    const char* section;
    const char* key; // the block's name for SettingKind::Block
    SettingKind kind;
    const char* fallback; // default (UTF-8 text; "1"/"0" for booleans)
    int loadStep;         // position in the load sequence; 0: not loaded at start
    bool guarded;         // applied only when the key exists
    SaveRule save;
    const char* owner;               // subsystem that gives the key its meaning
    const char* guardKey = nullptr;  // applied only when this key of the section exists
    bool emptyMeansFallback = false; // an empty stored value takes the default
};

/// Every key the main window loads at start and writes at close, in the order of the file
/// written at close; the load order is the order of `loadStep` (stable).
std::span<const SettingKey> settingKeys();
