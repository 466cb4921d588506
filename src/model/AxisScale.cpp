#include "model/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace varko {
namespace {

// The round step (1, 2 or 5 times a power of ten) at or above rough.
double roundStepAbove(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough * (1 - 1e-9))
            return factor * power;
    }
    return 10 * power;
}

} // namespace

AxisRange roundAxis(double low, double high, int maxTicks) {
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (high < low)
        std::swap(low, high);
    if (high == low) {
        const double unit = low == 0 ? 1.0 : roundStepAbove(std::abs(low) / 10);
        low -= unit;
        high += unit;
    }
    // Two steps always hold a span that crosses zero.
    maxTicks = std::max(2, maxTicks);
    double step = roundStepAbove((high - low) / maxTicks);
    for (;;) {
        const AxisRange range{std::floor(low / step + 1e-9) * step,
                              std::ceil(high / step - 1e-9) * step, step};
        // Rounding both ends out may add a step beyond maxTicks: the next round step then.
        if ((range.high - range.low) / step <= maxTicks + 1e-9 || !std::isfinite(step))
            return range;
        step = roundStepAbove(step * 1.5);
    }
}

} // namespace varko
