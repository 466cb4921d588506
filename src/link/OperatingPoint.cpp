#include "link/OperatingPoint.h"

namespace varko {

int nearestBreakpoint(int value, std::span<const std::uint8_t, kBreakpoints> table, int first) {
    int i = first;
    while (i < kBreakpoints && table[i] <= value)
        ++i;
    if (i == 0)
        return -1;
    if (i == kBreakpoints)
        return kBreakpoints - 1;
    return table[i - 1] + table[i] >= 2 * value ? i - 1 : i;
}

OperatingPoint findOperatingPoint(const LiveValues& live, const ParamImage& image,
                                  bool tpsRowsInUse) {
    const auto breakpoints = [&image](int field) {
        return std::span<const std::uint8_t, kBreakpoints>(image.bytes.data() + field,
                                                           kBreakpoints);
    };
    const int hundreds = live.liveRpm / 100;
    OperatingPoint point;
    const int column = nearestBreakpoint(hundreds, breakpoints(Field::rpmAdv));
    point.opBelowMap = column < 0;
    point.opColumn = point.opBelowMap ? 0 : column;
    const int servo = nearestBreakpoint(hundreds, breakpoints(Field::servoRpm));
    point.opServoPoint = servo < 0 ? 0 : servo;
    // Starting the scan at the second row gives row 0 for 0 and 1 %, row 1 from 2 %.
    point.opRow =
        tpsRowsInUse ? nearestBreakpoint(live.liveTpsPercent, kThrottleAxis, 1) : kBreakpoints - 1;
    return point;
}

OperatingMarks marksOf(const OperatingPoint& point) {
    OperatingMarks marks;
    if (!point.opBelowMap) {
        marks.rpmAdv[point.opColumn] = true;
        marks.map[kBreakpoints * point.opRow + point.opColumn] = true;
    }
    marks.tpsRow[point.opRow] = true;
    marks.servoPoints[point.opServoPoint] = true;
    return marks;
}

} // namespace varko
