#pragma once
// The live operating point: the advance-map cell, throttle row and servo point nearest the
// present engine speed and throttle, and which of the 140 editor controls it marks.

#include "link/LiveMonitor.h"
#include "model/ParamImage.h"

#include <array>
#include <cstdint>
#include <span>

namespace varko {

struct OperatingPoint {
    int opColumn = 0;
    bool opBelowMap = true;
    int opRow = 9;
    int opServoPoint = 0;

    bool operator==(const OperatingPoint&) const = default;
};

// The breakpoint of the increasing table nearest to value; the midpoint goes to the lower one.
// A value above the last breakpoint gives the last. -1: below the first breakpoint (looked at
// from the breakpoint `first` on; the ones before it count as passed).
int nearestBreakpoint(int value, std::span<const std::uint8_t, kBreakpoints> table, int first = 0);

// The speed is compared in whole hundreds of rpm in full width, so speeds of 25600 rpm and more
// stay above the last breakpoint (column 9) instead of wrapping to a low column.
// tpsRowsInUse: the map uses its throttle rows (the throttle-map box is ticked); otherwise row 9 is
// the map.
OperatingPoint findOperatingPoint(const LiveValues& live, const ParamImage& image,
                                  bool tpsRowsInUse);

// Which controls are marked (lime green); the rest show their normal colour.
struct OperatingMarks {
    std::array<bool, kBreakpoints> rpmAdv{};      // editRpmAdv
    std::array<bool, kBreakpoints> tpsRow{};      // the throttle labels
    std::array<bool, kBreakpoints> servoPoints{}; // editRpmPriv and editNapPriv alike
    std::array<bool, 100> map{};                  // editMap[10 r + c]

    bool operator==(const OperatingMarks&) const = default;
};

OperatingMarks marksOf(const OperatingPoint& point);

} // namespace varko
