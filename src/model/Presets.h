#pragma once
// The model list: list position <-> model code, the common defaults, the default advance map and
// the per-model trigger geometry presets.

#include "model/ParamImage.h"

#include <array>

namespace varko {

constexpr int kBikeListSize = 33;
// The model a window starts with when no last state names one: "Yamaha R6".
constexpr std::uint8_t kStartupBike = 20;

// Model code (image byte 0) of each list position.
extern const std::array<std::uint8_t, kBikeListSize> BikeCodeTable;
// List position of a model code, -1 for a code no entry has.
int bikeListPosition(std::uint8_t code);
// English list texts by position; positions 12..15 and 32 are replaced per language by the window.
extern const std::array<const char*, kBikeListSize> BikeListTexts;

extern const std::array<std::uint8_t, 100> DefaultAdvanceMap;

void setDefaultCompensation(ParamImage& image);
void setCommonDefaults(ParamImage& image);
// Common defaults and the preset of the code in byte 0. bikeListChanged tells a choice made in
// the model list apart from New and start-up; it is cleared on return.
void applyBikePreset(ParamImage& image, bool& bikeListChanged);

} // namespace varko
