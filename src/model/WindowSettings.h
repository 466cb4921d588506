#pragma once
// The window's own settings that the link and the normalization read and change: the language
// and the serial-port choice with its scan position, and whether the unit's set is backed up
// before programming. Kept in the settings file between runs.

#include "model/Language.h"

#include <cstdint>

namespace varko {

struct WindowSettings {
    Language language = Language::English;
    std::uint8_t portSelection = 0; // 0..19 = COM1..COM20, 20 = automatic
    std::uint8_t scanIndex = 0;     // automatic scan position
    // The first program on a connection first keeps the unit's set in the history.
    bool backupBeforeProgramming = true;
    bool operator==(const WindowSettings&) const = default;
};

} // namespace varko
