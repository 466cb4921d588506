#pragma once
// How many live frames found the engine at each advance-map cell: where it spends its time.
// Frames below the map count nowhere. At one frame per 55 ms tick a count is also a time.

#include "link/OperatingPoint.h"

#include <array>
#include <cstdint>

namespace varko {

constexpr int kTickMilliseconds = 55;

class CellTime {
public:
    // One frame at the point's cell; false when the point is below the map.
    bool count(const OperatingPoint& point);
    void reset();

    std::uint32_t frames(int row, int column) const { return frames_[10 * row + column]; }
    std::uint32_t mostFrames() const { return most_; }
    // The seconds a count of frames stands for.
    static double secondsOf(std::uint32_t frames) { return frames * kTickMilliseconds / 1000.0; }

private:
    std::array<std::uint32_t, 100> frames_{};
    std::uint32_t most_ = 0;
};

} // namespace varko
