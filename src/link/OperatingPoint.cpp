#include "link/OperatingPoint.h"

namespace varko {

int NearestBreakpoint(int value, std::span<const std::uint8_t, kBreakpoints> table, int first) {
    int i = first;
    while (i < kBreakpoints && table[i] <= value)
        ++i;
    if (i == 0)
        return -1;
    if (i == kBreakpoints)
        return kBreakpoints - 1;
    return table[i - 1] + table[i] >= 2 * value ? i - 1 : i;
}

OperatingPoint FindOperatingPoint(const LiveValues& live, const ParamImage& image,
                                  bool tpsRowsInUse) {
    const auto breakpoints = [&image](int field) {
        return std::span<const std::uint8_t, kBreakpoints>(image.bytes.data() + field,
                                                           kBreakpoints);
    };
    const int hundreds = live.liveRpm / 100;
    OperatingPoint point;
    const int column = NearestBreakpoint(hundreds, breakpoints(Field::rpmAdv));
    point.opBelowMap = column < 0;
    point.opColumn = point.opBelowMap ? 0 : column;
    const int servo = NearestBreakpoint(hundreds, breakpoints(Field::servoRpm));
    point.opServoPoint = servo < 0 ? 0 : servo;
    // Starting the scan at the second row gives row 0 for 0 and 1 %, row 1 from 2 %.
    point.opRow =
        tpsRowsInUse ? NearestBreakpoint(live.liveTpsPercent, ThrottleAxis, 1) : kBreakpoints - 1;
    return point;
}

OperatingMarks MarksOf(const OperatingPoint& point) {
    OperatingMarks marks;
    if (!point.opBelowMap) {
        marks.rpmAdv[point.opColumn] = true;
        marks.map[kBreakpoints * point.opRow + point.opColumn] = true;
    }
    marks.tpsRow[point.opRow] = true;
    marks.rpmPriv[point.opServoPoint] = true;
    return marks;
}

} // namespace varko
