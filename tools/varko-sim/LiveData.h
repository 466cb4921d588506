#pragma once
// The live values the unit reports in answer to the live-data request. For now a stationary
// engine with plausible readings; a running engine model fills these values later.

#include "link/LinkFrame.h"

#include <cstdint>

namespace varko::sim {

struct LiveData {
    std::uint16_t rpm = 0;
    std::uint16_t tpsRaw = 102; // about 0.5 V: closed throttle
    std::uint16_t supplyMillivolts = 12600;
    std::uint8_t tpsPercent = 0;
    std::uint8_t channelAdvance = 100; // 0 degrees
    bool servoOk = true;
};

struct LiveCounters {
    int programCount = 0;
    int savingCount = 0;
    int protocolVersion = 0;
};

// The data bytes of a live-data answer (frame byte k is data byte k - 1).
std::array<std::uint8_t, kFrameDataSize> LiveFrameData(const LiveData& live,
                                                       const LiveCounters& counters);

} // namespace varko::sim
