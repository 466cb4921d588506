#pragma once
// Brings the image back into a consistent state after anything may have changed it, and puts the
// three window settings that share the routine back into range. Silent: every rule just repairs.

#include "model/ParamImage.h"
#include "model/WindowSettings.h"

namespace varko {

void normalize(ParamImage& image, WindowSettings& settings);

} // namespace varko
