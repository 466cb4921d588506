#pragma once
// The ignition unit as the PC sees it over the serial line: it answers each request frame with
// one frame, stores blocks 1 and 2, reports its information record for block 0, counts
// programmings, counts down while "saving" and streams live data of a running engine. Faults can be
// switched on to test how the PC copes with a unit that misbehaves.

#include "EngineModel.h"
#include "link/LinkFrame.h"
#include "model/ParamImage.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace varko::sim {

struct UnitFaults {
    int answerEvery = 1;       // answer only every n-th request
    int corruptCheckEvery = 0; // spoil the check byte of every n-th answer; 0: never
    bool flipEchoBit = false;  // store echoes come back with one data bit flipped
    int protocolVersion = kProtocolVersion;
    bool refuseReading = false;   // refuse read-out whatever was programmed
    bool silent = false;          // never answer
    int liveProtocolVersion = -1; // the version in live data; -1: the same as protocolVersion
    bool dataError = false;       // live data report the stored data as faulty
};

class SimulatedUnit {
public:
    // After each store the unit saves for about 3 s, counting down from 414 to 0 as time runs,
    // whether or not the PC asks for live data meanwhile.
    static constexpr int kSavingStart = 414;
    static constexpr int kSavingMs = 2970;

    // The unit's clock in milliseconds; a steady clock unless a test gives its own.
    using MillisecondClock = std::function<std::int64_t()>;

    explicit SimulatedUnit(UnitFaults faults = {}, LiveOptions live = {},
                           MillisecondClock clock = {});

    // What a unit fresh from the workshop holds: the start-up model's preset, normalized.
    static ParamImage factoryImage();

    // The answer to one received frame; nothing when the unit stays quiet (bad check byte,
    // unknown command, or a fault that drops it).
    std::optional<LinkFrame> answer(const LinkFrame& request);

    ParamImage& store() { return store_; }
    const ParamImage& store() const { return store_; }
    int programCount() const { return programCount_; }
    int savingCount() const;
    bool readAllowed() const;

private:
    std::array<std::uint8_t, kFrameDataSize> replyData(std::uint8_t command);
    std::array<std::uint8_t, kFrameDataSize> liveRecord();
    std::array<std::uint8_t, kFrameDataSize> deviceInfoRecord() const;
    void store(int block, const LinkFrame& request);

    UnitFaults faults_;
    ParamImage store_;
    EngineModel engine_;
    int programCount_ = 0;
    MillisecondClock clock_;
    std::optional<std::int64_t> savingSinceMs_; // the last store
    int requests_ = 0;
    int answers_ = 0;
    int lastStoredBlock_ = 0;
};

} // namespace varko::sim
