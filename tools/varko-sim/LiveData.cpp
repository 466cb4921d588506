#include "LiveData.h"

namespace varko::sim {
namespace {

// Frame offsets of the live-data answer.
namespace Live {
constexpr int rpm = 1;
constexpr int tpsRaw = 3;
constexpr int supplyMillivolts = 5;
constexpr int programCount = 11;
constexpr int tpsPercent = 41;
constexpr int channelAdvance = 50; // 4 channels
constexpr int servoOk = 65;
constexpr int savingCount = 95;
constexpr int protocolVersion = 100;
} // namespace Live

class DataWriter {
public:
    explicit DataWriter(std::array<std::uint8_t, kFrameDataSize>& data) : data_(data) {}
    void byte(int frameOffset, int value) {
        data_[frameOffset - 1] = static_cast<std::uint8_t>(value);
    }
    void word(int frameOffset, int value) {
        byte(frameOffset, value & 0xFF);
        byte(frameOffset + 1, (value >> 8) & 0xFF);
    }

private:
    std::array<std::uint8_t, kFrameDataSize>& data_;
};

} // namespace

std::array<std::uint8_t, kFrameDataSize> LiveFrameData(const LiveData& live,
                                                       const LiveCounters& counters) {
    std::array<std::uint8_t, kFrameDataSize> data{};
    DataWriter w(data);
    w.word(Live::rpm, live.rpm);
    w.word(Live::tpsRaw, live.tpsRaw);
    w.word(Live::supplyMillivolts, live.supplyMillivolts);
    w.word(Live::programCount, counters.programCount);
    w.byte(Live::tpsPercent, live.tpsPercent);
    for (int channel = 0; channel < 4; ++channel)
        w.byte(Live::channelAdvance + channel, live.channelAdvance);
    w.byte(Live::servoOk, live.servoOk ? 1 : 0);
    w.word(Live::savingCount, counters.savingCount);
    w.byte(Live::protocolVersion, counters.protocolVersion);
    return data;
}

} // namespace varko::sim
