#pragma once
// A running engine behind the simulated unit's live data: it idles, opens the throttle and revs
// up through the advance map towards the limiter, holds part throttle, closes and falls back to
// idle, over and over. The unit reports what its programmed parameter set makes of that: advance
// per channel from the map, shift light and limiter colours, servo voltages from the servo curve.
// Each live-data request moves the engine on by one request interval of the PC (6 ticks of
// 55 ms), so the same seed and the same requests always give the same frames.

#include "link/MonitorFrame.h"
#include "model/ParamImage.h"

#include <cstdint>
#include <optional>
#include <random>

namespace varko::sim {

struct LiveOptions {
    std::optional<int> steadyRpm;      // hold this speed instead of the cycle
    std::optional<int> steadyThrottle; // hold this throttle (percent) instead of the cycle
    bool pickupError = false;          // pick-up 1 counts lobes without revolutions
    bool throttleSensorError = false;  // the throttle sensor reads out of range
    std::uint32_t seed = 1;            // of the small jitter on speed and supply voltage
};

class EngineModel {
public:
    // Steps of one cycle: idle, rev up, part throttle, close, back to idle.
    static constexpr int kCycleSteps = 60;
    static constexpr int kIdleRpm = 1200;

    explicit EngineModel(LiveOptions options = {});

    // Moves the engine on by one request interval and reports it as the unit's programmed
    // parameter set sees it. Counters, version and data-error flag are the unit's to fill.
    MonitorData step(const ParamImage& programmed);

private:
    int cycleThrottle() const;
    int topRpm(const ParamImage& programmed) const;
    int jitter(int range);

    LiveOptions options_;
    std::mt19937 random_;
    int step_ = 0;
    double rpm_ = 0;
    int throttle_ = 0;
    double servoMeasuredMv_ = 0;
};

} // namespace varko::sim
