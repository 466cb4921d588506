#include "link/AdvanceCurves.h"

namespace varko {
namespace {

QPointF mapPoint(const ParamImage& image, int row, int column) {
    return {double(Scale::rpm.decode(image.rpmAdv(column))), double(image.advance(row, column))};
}

} // namespace

std::vector<AdvanceCurve> advanceCurves(const ParamImage& image, bool tpsRowsInUse) {
    std::vector<AdvanceCurve> curves;
    for (int row = tpsRowsInUse ? 0 : kBreakpoints - 1; row < kBreakpoints; ++row) {
        AdvanceCurve curve{row, kThrottleAxis[row], {}};
        for (int column = 0; column < kBreakpoints; ++column)
            curve.points[column] = mapPoint(image, row, column);
        curves.push_back(curve);
    }
    return curves;
}

std::optional<QPointF> operatingMark(const ParamImage& image, const OperatingPoint& point,
                                     int liveRpm) {
    if (point.opBelowMap)
        return std::nullopt;
    const int row = point.opRow;
    const double rpm = liveRpm;
    for (int column = 1; column < kBreakpoints; ++column) {
        const QPointF left = mapPoint(image, row, column - 1);
        const QPointF right = mapPoint(image, row, column);
        if (rpm <= right.x()) {
            if (right.x() <= left.x() || rpm <= left.x())
                return QPointF(rpm, left.y());
            const double share = (rpm - left.x()) / (right.x() - left.x());
            return QPointF(rpm, left.y() + share * (right.y() - left.y()));
        }
    }
    return mapPoint(image, row, kBreakpoints - 1);
}

} // namespace varko
