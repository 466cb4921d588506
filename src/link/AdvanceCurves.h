#pragma once
// The advance map as curves: advance against engine speed, one curve per throttle row, and where
// the live operating point lies on its row's curve.

#include "link/OperatingPoint.h"
#include "model/ParamImage.h"

#include <QPointF>
#include <array>
#include <optional>
#include <vector>

namespace varko {

struct AdvanceCurve {
    int row = 0;                                // the map's row, 0..9
    int throttlePercent = 0;                    // the row's throttle
    std::array<QPointF, kBreakpoints> points{}; // x: rpm, y: degrees, by map column
    bool operator==(const AdvanceCurve&) const = default;
};

// The rows in use: all ten while the map uses its throttle rows, otherwise row 9 alone.
std::vector<AdvanceCurve> advanceCurves(const ParamImage& image, bool tpsRowsInUse);

// Where the engine runs on its row's curve: at the live speed, the advance between the two map
// columns around it. None below the map's first speed, as the map then marks no cell; above the
// last speed it stays on the last column.
std::optional<QPointF> operatingMark(const ParamImage& image, const OperatingPoint& point,
                                     int liveRpm);

} // namespace varko
