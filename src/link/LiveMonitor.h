#pragma once
// Decoding a live-data frame into what the live-data column shows: label texts with their
// background colours, gauge positions and warnings, as plain data, together with the live values
// that the rest of the program reads (the editing tools, the link's saving display).

#include "link/LinkFrame.h"
#include "link/MonitorFrame.h"
#include "model/Language.h"
#include "model/ParamImage.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace varko {

// Background colours of the live controls; Normal is the system colour of the control's kind.
enum class LiveColour : std::uint8_t { Normal, Red, Yellow, Lime, Fuchsia, Aqua };

struct LiveLabel {
    QString text;
    LiveColour colour = LiveColour::Normal;
    bool operator==(const LiveLabel&) const = default;
};

struct LiveDisplay {
    LiveLabel rpm;
    int rpmGauge = 0; // 0..100 of the limiter speed
    LiveLabel tps;
    int tpsGauge = 0; // 0..100
    LiveLabel supplyVoltage;
    LiveLabel blocking;
    // One per channel; the special setting fills all four, any other model only the first (the
    // other three keep what they show).
    std::array<LiveLabel, kChannels> advance;
    int advanceLabels = 1;
    LiveLabel pilotLight;
    std::array<LiveLabel, 2> pickups;
    LiveLabel servoDesired;
    LiveLabel servoMeasured;
    bool versionVisible = false; // the protocol-version warning
    QString versionText;
    bool dataErrorVisible = false; // the unit reports its programmed data as damaged
    QString programCount;          // how often the unit has been programmed
    std::array<QString, 8> test;   // the test mode's raw values
    std::array<LiveLabel, 2> input;
    LiveLabel clutch;
    LiveLabel killSwitch;
    bool operator==(const LiveDisplay&) const = default;
};

// The live values the window keeps between frames; all 0 (the count -1) before the first frame.
struct LiveValues {
    std::uint16_t liveRpm = 0;
    std::uint8_t liveTpsPercent = 0;
    std::uint32_t liveTpsMillivolts = 0; // full width: a garbage reading stays out of range
    std::uint16_t unitSavingCount = 0;
    int programCount = -1; // how often the unit has been programmed
};

// The live values as numbers, for a plot over time.
struct LiveReading {
    int rpm = 0;
    std::optional<int> tpsPercent; // none: the throttle sensor reports an error
    int supplyMillivolts = 0;
    // Degrees of the channels the window shows (see LiveDisplay::advanceLabels): the special
    // setting's four, or one that stands for them all. None while the pick-up system reports an
    // error.
    std::array<std::optional<int>, kChannels> advance{};
    int channels = 1;
};

struct DecodedMonitor {
    LiveValues values;
    LiveDisplay display;
    LiveReading reading;
};

// The version warning of the window and of the link: the message with "  PC-75, IGN-<v>".
QString versionMismatchText(int unitVersion, Language language);

// One live-data frame as it is shown, kept and played back. The pick-up system error is judged
// against the image at the time the frame came, so a log keeps the verdict, not the counts.
struct LiveRecord {
    MonitorData data;
    bool pickupError = false;
    qint64 timeMs = 0; // since the recording began; 0 for a frame straight from the unit
};

// The unit's pick-up counts against the image's revolutions without ignition and lobes.
bool pickupSystemError(const MonitorData& data, const ParamImage& image);

// Nothing when the check byte is wrong (the frame is then ignored entirely).
std::optional<LiveRecord> liveRecordOf(const LinkFrame& frame, const ParamImage& image);

// The image supplies the model, the limiter and the throttle-map flag.
DecodedMonitor decodeLiveRecord(const LiveRecord& record, const ParamImage& image,
                                Language language);

// liveRecordOf, then decodeLiveRecord.
std::optional<DecodedMonitor> decodeMonitorFrame(const LinkFrame& frame, const ParamImage& image,
                                                 Language language);

} // namespace varko
