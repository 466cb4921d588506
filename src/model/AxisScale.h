#pragma once
// Round axis limits and tick steps for charts: 1, 2 or 5 times a power of ten between ticks, so
// that labels read as plain numbers.

namespace varko {

struct AxisRange {
    double low = 0;
    double high = 1;
    double step = 1; // between ticks; the ticks lie on whole multiples of it

    bool operator==(const AxisRange&) const = default;
};

// The smallest range of round limits that holds low..high in at most maxTicks steps (2 at least).
// An empty span is widened by a round step either side; limits that are not finite give 0..1.
AxisRange roundAxis(double low, double high, int maxTicks);

} // namespace varko
