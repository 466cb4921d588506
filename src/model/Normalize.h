#pragma once
// Brings the image back into a consistent state after anything may have changed it, and puts the
// three window settings that share the routine back into range. Silent: every rule just repairs.

#include "model/ParamImage.h"

namespace varko {

struct WindowSettings {
    std::uint8_t language = 0;      // 0 English, 1 German, 2 French, 3 Czech
    std::uint8_t portSelection = 0; // 0..19 = COM1..COM20, 20 = automatic
    std::uint8_t scanIndex = 0;     // automatic scan position
};

void normalize(ParamImage& image, WindowSettings& settings);

} // namespace varko
