#pragma once
// Edits of a rectangle of advance-map cells at once. Every result is rounded to a whole degree
// and held within 0..60, as a typed value is; the other cells never move. Interpolation weighs
// the cells by where they sit on the axes (the map's speed breakpoints, the throttle rows'
// percentages), not by their index, so uneven breakpoints give a straight line in rpm.

#include "model/MapSelection.h"
#include "model/ParamImage.h"

namespace varko {

enum class BulkEdit : int {
    Set,                 // every cell to the number
    Add,                 // the number added (negative: taken off)
    Scale,               // times the number in percent
    InterpolateSpeed,    // each row straight from its left to its right cell
    InterpolateThrottle, // each column straight from its top to its bottom cell
    InterpolateBoth,     // bilinear from the four corners
    Smooth,              // each cell the number in percent of the way to its neighbours' mean
};
constexpr int kBulkEditCount = int(BulkEdit::Smooth) + 1;

// Whether the edit uses the number.
bool takesNumber(BulkEdit edit);

// The throttle percentage of each map row.
constexpr int kThrottleRowPercent[kBreakpoints] = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// Applies the edit to the cells of rect; returns how many cells changed.
int applyBulkEdit(ParamImage& image, const MapRect& rect, BulkEdit edit, double number);

// How many cells the edit would change, the image left as it is.
int cellsChangedBy(const ParamImage& image, const MapRect& rect, BulkEdit edit, double number);

} // namespace varko
