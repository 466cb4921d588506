#include "model/CellShades.h"

#include <algorithm>
#include <cmath>

namespace varko {
namespace {

constexpr Shade kCool{200, 225, 255};
constexpr Shade kMiddle{255, 245, 170};
constexpr Shade kWarm{255, 150, 110};
constexpr Shade kPlain{255, 255, 255};

int mix(int from, int to, double fraction) {
    return int(std::lround(from + (to - from) * fraction));
}

Shade mix(const Shade& from, const Shade& to, double fraction) {
    return {mix(from.red, to.red, fraction), mix(from.green, to.green, fraction),
            mix(from.blue, to.blue, fraction)};
}

} // namespace

Shade scaleShade(double fraction) {
    if (!std::isfinite(fraction))
        fraction = 0;
    const double step = std::round(std::clamp(fraction, 0.0, 1.0) * kScaleSteps) / kScaleSteps;
    return step <= 0.5 ? mix(kCool, kMiddle, step * 2) : mix(kMiddle, kWarm, step * 2 - 1);
}

double scaleFraction(double value, double lowest, double highest) {
    if (highest <= lowest)
        return 0;
    return std::clamp((value - lowest) / (highest - lowest), 0.0, 1.0);
}

Shade selectedShade() {
    return mix(kPlain, kSelectionShade, 0.4);
}

std::optional<Shade> cellShade(bool operating, bool selected, std::optional<Shade> scale) {
    if (operating)
        return kOperatingShade;
    if (selected && !scale)
        return selectedShade();
    return scale;
}

} // namespace varko
