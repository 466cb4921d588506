#pragma once
// The fixed steps of the map and curve tools: a degree of advance at one map cell, over one speed
// column or over the whole map, 20 mV of servo target at one point or over the curve, and the
// live throttle voltage taken as a calibration end. Each cell or point is stepped on its own, so
// the ones already at a limit stay while the others move.

#include "model/ParamImage.h"

#include <cstdint>
#include <optional>

namespace varko {

enum class ToolStep { Down, Up };

struct MapCell {
    int row;
    int column;

    bool operator==(const MapCell&) const = default;
};

// The map's cells hold 0..60 degrees.
constexpr std::uint8_t kAdvanceMax = 60;
// The buttons keep a servo point between 20 and 4980 mV, one step inside what its field takes.
constexpr std::uint8_t kServoStepFloor = 1;
constexpr std::uint8_t kServoStepCeiling = 249;
// The live throttle voltages each calibration end can be taken from.
constexpr std::uint32_t kTps0LowestMv = 100;
constexpr std::uint32_t kTps0HighestMv = 2500;
constexpr std::uint32_t kTps100LowestMv = 2500;
constexpr std::uint32_t kTps100HighestMv = 4900;

// One degree over the whole map, or at the cell the engine runs at; no cell while it runs below
// the map.
void stepAdvance(ParamImage& image, ToolStep step, bool wholeMap,
                 std::optional<MapCell> operatingCell);
void stepAdvanceColumn(ParamImage& image, int column, ToolStep step);
// 20 mV over all ten points, or at the point the engine runs at.
void stepServo(ParamImage& image, ToolStep step, bool allPoints, int operatingPoint);

// The live throttle voltage as the 0 % or the 100 % calibration. Outside its range the image stays
// as it is and the result is false.
bool takeTps0(ParamImage& image, std::uint32_t liveMillivolts);
bool takeTps100(ParamImage& image, std::uint32_t liveMillivolts);

} // namespace varko
