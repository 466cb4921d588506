#include "model/MapTools.h"

namespace varko {
namespace {

// Steps value by one unless that would take it past floor or ceiling; a value already beyond
// either stays as it is.
void stepWithin(std::uint8_t& value, ToolStep step, std::uint8_t floor, std::uint8_t ceiling) {
    if (step == ToolStep::Up && value < ceiling)
        ++value;
    else if (step == ToolStep::Down && value > floor)
        --value;
}

void stepCell(ParamImage& image, int row, int column, ToolStep step) {
    stepWithin(image.advance(row, column), step, 0, kAdvanceMax);
}

} // namespace

void stepAdvance(ParamImage& image, ToolStep step, bool wholeMap,
                 std::optional<MapCell> operatingCell) {
    if (wholeMap) {
        for (int row = 0; row < kBreakpoints; ++row)
            for (int column = 0; column < kBreakpoints; ++column)
                stepCell(image, row, column, step);
    } else if (operatingCell) {
        stepCell(image, operatingCell->row, operatingCell->column, step);
    }
}

void stepAdvanceColumn(ParamImage& image, int column, ToolStep step) {
    for (int row = 0; row < kBreakpoints; ++row)
        stepCell(image, row, column, step);
}

void stepServo(ParamImage& image, ToolStep step, bool allPoints, int operatingPoint) {
    const int first = allPoints ? 0 : operatingPoint;
    const int last = allPoints ? kBreakpoints - 1 : operatingPoint;
    for (int point = first; point <= last; ++point)
        stepWithin(image.servoMv(point), step, kServoStepFloor, kServoStepCeiling);
}

bool takeTps0(ParamImage& image, std::uint32_t liveMillivolts) {
    if (liveMillivolts < kTps0LowestMv || liveMillivolts > kTps0HighestMv)
        return false;
    image.tps0() = Scale::tens.encode(int(liveMillivolts));
    return true;
}

bool takeTps100(ParamImage& image, std::uint32_t liveMillivolts) {
    if (liveMillivolts < kTps100LowestMv || liveMillivolts > kTps100HighestMv)
        return false;
    image.tps100() = Scale::tps100.encode(int(liveMillivolts));
    return true;
}

} // namespace varko
