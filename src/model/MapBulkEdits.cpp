#include "model/MapBulkEdits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace varko {
namespace {

using Cells = std::array<std::array<double, kBreakpoints>, kBreakpoints>;

std::uint8_t degreesOf(double value) {
    if (!std::isfinite(value))
        return 0;
    return static_cast<std::uint8_t>(std::clamp(std::round(value), 0.0, double(kAdvanceMax)));
}

// Where column c lies between the rect's left and right speed breakpoints, 0..1.
double speedFraction(const ParamImage& image, const MapRect& rect, int column) {
    const double left = image[Field::rpmAdv + rect.left];
    const double right = image[Field::rpmAdv + rect.right];
    if (right == left)
        return 0;
    return std::clamp((image[Field::rpmAdv + column] - left) / (right - left), 0.0, 1.0);
}

double throttleFraction(const MapRect& rect, int row) {
    const double top = kThrottleRowPercent[rect.top];
    const double bottom = kThrottleRowPercent[rect.bottom];
    if (bottom == top)
        return 0;
    return (kThrottleRowPercent[row] - top) / (bottom - top);
}

double between(double from, double to, double fraction) {
    return from + (to - from) * fraction;
}

// The mean of the cell's up to four neighbours inside rect; the cell itself when it has none.
double neighbourMean(const ParamImage& image, const MapRect& rect, int row, int column) {
    double sum = 0;
    int count = 0;
    for (const auto& [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        if (rect.contains(row + dr, column + dc)) {
            sum += image.advance(row + dr, column + dc);
            ++count;
        }
    }
    return count == 0 ? image.advance(row, column) : sum / count;
}

double editedValue(const ParamImage& image, const MapRect& rect, BulkEdit edit, double number,
                   int row, int column) {
    const double value = image.advance(row, column);
    const auto corner = [&image](int r, int c) { return double(image.advance(r, c)); };
    switch (edit) {
    case BulkEdit::Set:
        return number;
    case BulkEdit::Add:
        return value + number;
    case BulkEdit::Scale:
        return value * number / 100.0;
    case BulkEdit::InterpolateSpeed:
        return between(corner(row, rect.left), corner(row, rect.right),
                       speedFraction(image, rect, column));
    case BulkEdit::InterpolateThrottle:
        return between(corner(rect.top, column), corner(rect.bottom, column),
                       throttleFraction(rect, row));
    case BulkEdit::InterpolateBoth: {
        const double across = speedFraction(image, rect, column);
        return between(
            between(corner(rect.top, rect.left), corner(rect.top, rect.right), across),
            between(corner(rect.bottom, rect.left), corner(rect.bottom, rect.right), across),
            throttleFraction(rect, row));
    }
    case BulkEdit::Smooth:
        return between(value, neighbourMean(image, rect, row, column),
                       std::clamp(number, 0.0, 100.0) / 100.0);
    }
    return value;
}

} // namespace

bool takesNumber(BulkEdit edit) {
    return edit == BulkEdit::Set || edit == BulkEdit::Add || edit == BulkEdit::Scale ||
           edit == BulkEdit::Smooth;
}

int applyBulkEdit(ParamImage& image, const MapRect& rect, BulkEdit edit, double number) {
    // Every cell is computed from the values before the edit, so smoothing does not feed on
    // cells it has already moved.
    const ParamImage before = image;
    int changed = 0;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int column = rect.left; column <= rect.right; ++column) {
            const std::uint8_t result =
                degreesOf(editedValue(before, rect, edit, number, row, column));
            if (result != image.advance(row, column)) {
                image.advance(row, column) = result;
                ++changed;
            }
        }
    }
    return changed;
}

int cellsChangedBy(const ParamImage& image, const MapRect& rect, BulkEdit edit, double number) {
    ParamImage trial = image;
    return applyBulkEdit(trial, rect, edit, number);
}

} // namespace varko
