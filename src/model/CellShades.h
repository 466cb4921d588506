#pragma once
// The background of each advance-map cell, in layers: a colour scale (by the cell's value or by
// the time the engine spent there) at the bottom, the selection's tint over plain cells, and the
// green of the operating cell on top. Only one scale is shown at a time: two scales on one cell
// could not both be read, so choosing one replaces the other. Over a scale the selection leaves
// the colours alone (a tint would turn them all into the same grey) and is shown by its frame.

#include <array>
#include <cstdint>
#include <optional>

namespace varko {

enum class CellScale { None, Value, Time };

struct Shade {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Shade&) const = default;
};

// The cool end of a scale is pale blue, the warm end orange red; every step stays light enough
// for black digits. Steps are whole eighths, so a slowly growing count repaints a cell seldom.
constexpr int kScaleSteps = 8;
// fraction 0..1 along the scale.
Shade scaleShade(double fraction);

// Where value lies between lowest and highest, 0..1 (0 when they are equal).
double scaleFraction(double value, double lowest, double highest);

// The selection's frame, and its tint over a plain cell.
constexpr Shade kSelectionShade{70, 110, 230};
Shade selectedShade();

// The operating cell's green.
constexpr Shade kOperatingShade{0, 255, 0};

// A cell's background; none is the edit's own colour.
std::optional<Shade> cellShade(bool operating, bool selected, std::optional<Shade> scale);

} // namespace varko
