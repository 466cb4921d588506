#pragma once
// The command line's link loop: the engine's tick at the window's pace until the caller is done.

#include "link/LinkEngine.h"

#include <functional>

namespace varko::cli {

// Ticks the engine; after each tick calls afterTick, and returns once it answers true.
void runTicks(LinkEngine& engine, const std::function<bool()>& afterTick);

} // namespace varko::cli
