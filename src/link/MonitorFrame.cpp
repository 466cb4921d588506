#include "link/MonitorFrame.h"

namespace varko {
namespace {

// Frame offsets (byte 0 is the reply code); 16-bit values are little-endian.
namespace At {
constexpr int rpm = 1;
constexpr int tpsRaw = 3;
constexpr int supplyMillivolts = 5;
constexpr int servoMeasuredRaw = 7;
constexpr int servoDesiredRaw = 9;
constexpr int programCount = 11;
constexpr int testValue = 13; // 8 words
constexpr int killSwitch = 37;
constexpr int clutchMaster = 40;
constexpr int tpsPercent = 41;
constexpr int shiftLight = 42;
constexpr int pickupRevs = 44;        // 2 bytes
constexpr int pickupLobes = 46;       // 2 bytes
constexpr int pickupRunning = 48;     // 2 bytes
constexpr int channelAdvance = 50;    // 4 bytes
constexpr int channelMaxAdvance = 54; // 4 words
constexpr int rpmRed = 62;
constexpr int motorOff = 63;
constexpr int rpmYellow = 64;
constexpr int servoOk = 65;
constexpr int input1Grounded = 66;
constexpr int input2Grounded = 67;
constexpr int savingCount = 95;
constexpr int dataError = 99;
constexpr int protocolVersion = 100;
} // namespace At

// Reading and writing share one walk over the fields, so the two directions cannot disagree.
template <typename Frame, typename Data, typename Visit>
void eachField(Frame& frame, Data& d, Visit visit) {
    visit(frame, At::rpm, d.rpm);
    visit(frame, At::tpsRaw, d.tpsRaw);
    visit(frame, At::supplyMillivolts, d.supplyMillivolts);
    visit(frame, At::servoMeasuredRaw, d.servoMeasuredRaw);
    visit(frame, At::servoDesiredRaw, d.servoDesiredRaw);
    visit(frame, At::programCount, d.programCount);
    for (int j = 0; j < 8; ++j)
        visit(frame, At::testValue + 2 * j, d.testValue[j]);
    visit(frame, At::killSwitch, d.killSwitch);
    visit(frame, At::clutchMaster, d.clutchMaster);
    visit(frame, At::tpsPercent, d.tpsPercent);
    visit(frame, At::shiftLight, d.shiftLight);
    for (int p = 0; p < 2; ++p) {
        visit(frame, At::pickupRevs + p, d.pickupRevs[p]);
        visit(frame, At::pickupLobes + p, d.pickupLobes[p]);
        visit(frame, At::pickupRunning + p, d.pickupRunning[p]);
    }
    for (int n = 0; n < 4; ++n) {
        visit(frame, At::channelAdvance + n, d.channelAdvance[n]);
        visit(frame, At::channelMaxAdvance + 2 * n, d.channelMaxAdvance[n]);
    }
    visit(frame, At::rpmRed, d.rpmRed);
    visit(frame, At::motorOff, d.motorOff);
    visit(frame, At::rpmYellow, d.rpmYellow);
    visit(frame, At::servoOk, d.servoOk);
    visit(frame, At::input1Grounded, d.input1Grounded);
    visit(frame, At::input2Grounded, d.input2Grounded);
    visit(frame, At::savingCount, d.savingCount);
    visit(frame, At::dataError, d.dataError);
    visit(frame, At::protocolVersion, d.protocolVersion);
}

struct Reader {
    void operator()(const LinkFrame& f, int at, std::uint8_t& v) const { v = f.bytes[at]; }
    void operator()(const LinkFrame& f, int at, std::uint16_t& v) const {
        v = std::uint16_t(f.bytes[at] | f.bytes[at + 1] << 8);
    }
};

struct Writer {
    void operator()(LinkFrame& f, int at, std::uint8_t v) const { f.bytes[at] = v; }
    void operator()(LinkFrame& f, int at, std::uint16_t v) const {
        f.bytes[at] = std::uint8_t(v & 0xFF);
        f.bytes[at + 1] = std::uint8_t(v >> 8);
    }
};

} // namespace

MonitorData parseMonitorFrame(const LinkFrame& frame) {
    MonitorData data;
    eachField(frame, data, Reader{});
    return data;
}

LinkFrame buildMonitorFrame(const MonitorData& data) {
    LinkFrame frame;
    eachField(frame, data, Writer{});
    return buildFrame(Command::monitorReply, frame.data());
}

} // namespace varko
