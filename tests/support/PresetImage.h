#pragma once
// Images as choosing a model makes them: the common defaults and the model's preset over an
// image of zeros, not yet normalized.

#include "CodeNames.h"
#include "model/Presets.h"

inline varko::ParamImage presetImage(int code) {
    varko::ParamImage image;
    image.bike() = static_cast<std::uint8_t>(code);
    bool listChanged = false;
    varko::applyBikePreset(image, listChanged);
    return image;
}

// The model the window starts with.
inline varko::ParamImage startUpImage() {
    return presetImage(BikeCode::yamahaR6);
}
