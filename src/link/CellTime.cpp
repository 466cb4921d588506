#include "link/CellTime.h"

#include <algorithm>

namespace varko {

bool CellTime::count(const OperatingPoint& point) {
    if (point.opBelowMap)
        return false;
    std::uint32_t& frames = frames_[10 * point.opRow + point.opColumn];
    // A count that would wrap stays where it is; it is already the map's most by far.
    if (frames < UINT32_MAX)
        ++frames;
    most_ = std::max(most_, frames);
    return true;
}

void CellTime::reset() {
    frames_.fill(0);
    most_ = 0;
}

} // namespace varko
