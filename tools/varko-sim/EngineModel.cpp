#include "EngineModel.h"

#include "link/OperatingPoint.h"

#include <algorithm>
#include <cmath>

namespace varko::sim {
namespace {

constexpr int kRequestMs = 6 * 55;
constexpr int kSynchroTwoPickups = 4; // "2 pick-ups, missing lobe"
constexpr int kInputKillSwitch = 1;
constexpr int kInputBlocking = 2;
constexpr int kInputClutchMaster = 3;
constexpr int kInputClutchMasterInverse = 4;

std::uint16_t millivoltsToRaw(int millivolts) {
    return std::uint16_t(std::clamp(millivolts, 0, 5000) * 1023 / 5000);
}

// Linear between the two breakpoints around value (hundreds of rpm); the ends hold.
int interpolate(double hundreds, const ParamImage& image, int breakpointField,
                const auto& valueAt) {
    const auto at = [&](int i) { return double(image[breakpointField + i]); };
    if (hundreds <= at(0))
        return valueAt(0);
    for (int i = 1; i < kBreakpoints; ++i) {
        if (hundreds < at(i)) {
            const double share = (hundreds - at(i - 1)) / std::max(1.0, at(i) - at(i - 1));
            return int(std::lround(valueAt(i - 1) + share * (valueAt(i) - valueAt(i - 1))));
        }
    }
    return valueAt(kBreakpoints - 1);
}

// A limiter byte of 0 counts as 10000 rpm, as the PC's speed gauge counts it.
int limiterRpm(const ParamImage& p) {
    return p.limiter() != 0 ? Scale::rpm.decode(p.limiter()) : 10000;
}

} // namespace

EngineModel::EngineModel(LiveOptions options) : options_(options), random_(options.seed) {}

int EngineModel::jitter(int range) {
    return std::uniform_int_distribution<int>(-range, range)(random_);
}

// Percent of throttle at the current step of the cycle.
int EngineModel::cycleThrottle() const {
    const int s = step_ % kCycleSteps;
    if (s < 10)
        return 0; // idle
    if (s < 22)
        return std::min(100, (s - 9) * 12); // opening
    if (s < 30)
        return 100;
    if (s < 40)
        return 35; // part throttle
    return 0;      // closed: falls back to idle
}

int EngineModel::topRpm(const ParamImage& programmed) const {
    return limiterRpm(programmed) * 97 / 100;
}

MonitorData EngineModel::step(const ParamImage& p) {
    ++step_;
    throttle_ = options_.steadyThrottle.value_or(cycleThrottle());
    if (options_.steadyRpm) {
        rpm_ = *options_.steadyRpm;
    } else {
        const int target = kIdleRpm + throttle_ * (topRpm(p) - kIdleRpm) / 100;
        // The engine follows the throttle within a second or so; starting from standstill.
        rpm_ += (target - rpm_) * 0.35;
        rpm_ = std::max(0.0, rpm_ + jitter(15));
    }
    const int rpm = int(rpm_);
    const double hundreds = rpm / 100.0;

    MonitorData d;
    d.rpm = std::uint16_t(std::clamp(rpm, 0, 65535));
    d.rpmRed = rpm >= limiterRpm(p) ? 1 : 0;
    d.rpmYellow = p.pilotLight() != 0 && rpm >= Scale::rpm.decode(p.pilotLight()) ? 1 : 0;
    d.shiftLight = d.rpmYellow;

    // Throttle sensor on the programmed calibration.
    const int tps0 = Scale::tens.decode(p.tps0());
    const int tps100 = Scale::tps100.decode(p.tps100());
    d.tpsPercent = std::uint8_t(std::clamp(throttle_, 0, 100));
    d.tpsRaw = millivoltsToRaw(tps0 + d.tpsPercent * (tps100 - tps0) / 100);
    if (options_.throttleSensorError) {
        d.tpsPercent = 255;
        d.tpsRaw = 1023;
    }

    const int supply = rpm > 900 ? 13800 : 12500;
    d.supplyMillivolts = std::uint16_t(supply + jitter(120));

    // Advance from the programmed map: the throttle row as the window marks it, linear in speed
    // between the map columns; below the map the base advance.
    LiveValues live;
    live.liveTpsPercent = d.tpsPercent;
    const int row = p.throttleMap() ? findOperatingPoint(live, p, true).opRow : kBreakpoints - 1;
    const int advance =
        hundreds < p.rpmAdv(0)
            ? p.baseAdv()
            : interpolate(hundreds, p, Field::rpmAdv, [&](int c) { return p.advance(row, c); });
    for (int n = 0; n < kChannels; ++n) {
        const bool used = n < std::max<int>(1, p.channelCount());
        d.channelAdvance[n] = std::uint8_t(100 + (used && rpm > 0 ? advance : 0));
    }

    // Pick-ups: counts that pass the PC's check unless an error is asked for.
    const bool running = rpm > 0;
    d.pickupRunning = {std::uint8_t(running),
                       std::uint8_t(running && p.synchroMethod() == kSynchroTwoPickups)};
    d.pickupRevs = {255, 255};
    d.pickupLobes = {std::uint8_t(std::min(255, p.lobeCount() * p.revsWithoutIgnition())),
                     std::uint8_t(std::min(255, p.lobeCount() * p.revsWithoutIgnition()))};
    if (options_.pickupError) {
        d.pickupRevs[0] = 0;
        d.pickupLobes[0] = 255;
    }

    // Inputs: input 1 grounded for a while at idle, input 2 for a moment at full throttle.
    const int s = step_ % kCycleSteps;
    const bool grounded[2] = {s >= 4 && s < 9, s >= 24 && s < 26};
    d.input1Grounded = grounded[0];
    d.input2Grounded = grounded[1];
    const int functions[2] = {p.input1(), p.input2()};
    for (int i = 0; i < 2; ++i) {
        if (functions[i] == kInputKillSwitch && grounded[i])
            d.killSwitch = 1;
        if (functions[i] == kInputBlocking && grounded[i])
            d.motorOff = 1;
    }
    d.clutchMaster = (functions[1] == kInputClutchMaster && grounded[1]) ||
                     (functions[1] == kInputClutchMasterInverse && !grounded[1] && throttle_ > 90);

    // Exhaust servo: the curve's voltage at this speed, the servo following within a second.
    const int desiredMv =
        p.servoEnable() ? interpolate(hundreds, p, Field::servoRpm,
                                      [&](int i) { return Scale::servoMv.decode(p.servoMv(i)); })
                        : 0;
    servoMeasuredMv_ += (desiredMv - servoMeasuredMv_) * 0.5;
    d.servoDesiredRaw = millivoltsToRaw(desiredMv);
    d.servoMeasuredRaw = millivoltsToRaw(int(servoMeasuredMv_));
    d.servoOk = 1;

    d.testValue = {std::uint16_t(step_),    std::uint16_t(s),
                   std::uint16_t(rpm / 10), d.tpsRaw,
                   std::uint16_t(advance),  std::uint16_t(row),
                   d.servoDesiredRaw,       std::uint16_t(step_ * kRequestMs / 1000)};
    return d;
}

} // namespace varko::sim
