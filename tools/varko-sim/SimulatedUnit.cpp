#include "SimulatedUnit.h"

#include "link/DeviceInfo.h"
#include "model/Normalize.h"
#include "model/Presets.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace varko::sim {
namespace {

// The byte a faulty echo spoils: inside block 1 (not the reading flag) and inside the map.
constexpr int kFlippedEchoByte = 50;

bool knownCommand(std::uint8_t command) {
    const int block = command & Command::blockMask;
    const bool transfer = (command & ~(Command::blockMask | Command::reportBit)) == 0;
    return command == Command::monitorRequest || (transfer && block <= 2);
}

bool storeCommand(std::uint8_t command) {
    const int block = command & Command::blockMask;
    return knownCommand(command) && command != Command::monitorRequest &&
           !(command & Command::reportBit) && block >= 1;
}

} // namespace

SimulatedUnit::SimulatedUnit(UnitFaults faults, LiveOptions live, MillisecondClock clock)
    : faults_(faults), engine_(live), clock_(std::move(clock)) {
    faults_.answerEvery = std::max(1, faults_.answerEvery);
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        };
}

int SimulatedUnit::savingCount() const {
    if (!savingSinceMs_)
        return 0;
    const std::int64_t elapsed = clock_() - *savingSinceMs_;
    return int(std::max<std::int64_t>(0, kSavingStart - elapsed * kSavingStart / kSavingMs));
}

ParamImage SimulatedUnit::factoryImage() {
    constexpr std::uint8_t kYamahaR6 = 20;
    ParamImage image;
    image.bike() = kYamahaR6;
    bool bikeListChanged = false;
    applyBikePreset(image, bikeListChanged);
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

bool SimulatedUnit::readAllowed() const {
    return !faults_.refuseReading && store_.noReading() == 0;
}

std::array<std::uint8_t, kFrameDataSize> SimulatedUnit::deviceInfoRecord() const {
    std::array<std::uint8_t, kFrameDataSize> info{};
    std::memcpy(info.data() + InfoOffset::nameChars, "SIM", 3);
    info[InfoOffset::nameNumber] = 1;
    info[InfoOffset::day] = 9;
    info[InfoOffset::monthCode] = monthCode(12);
    info[InfoOffset::year] = 26;
    info[InfoOffset::hour] = 12;
    info[InfoOffset::minute] = 0;
    info[InfoOffset::readAllowed] = readAllowed() ? 1 : 0;
    info[InfoOffset::protocolVersion] = static_cast<std::uint8_t>(faults_.protocolVersion);
    return info;
}

void SimulatedUnit::store(int block, const LinkFrame& request) {
    std::copy(request.data().begin(), request.data().end(), store_.block(block).begin());
    // A programming is complete when block 2 follows block 1; a repeated store is not another.
    if (block == 2 && lastStoredBlock_ == 1)
        ++programCount_;
    lastStoredBlock_ = block;
    savingSinceMs_ = clock_();
}

std::array<std::uint8_t, kFrameDataSize> SimulatedUnit::replyData(std::uint8_t command) {
    if (command == Command::monitorRequest)
        return liveRecord();
    const int block = command & Command::blockMask;
    if (block == 0)
        return deviceInfoRecord();
    std::array<std::uint8_t, kFrameDataSize> data{};
    std::ranges::copy(store_.block(block), data.begin());
    if (storeCommand(command) && faults_.flipEchoBit)
        data[kFlippedEchoByte] ^= 0x01;
    return data;
}

std::array<std::uint8_t, kFrameDataSize> SimulatedUnit::liveRecord() {
    MonitorData live = engine_.step(store_);
    live.programCount = std::uint16_t(programCount_);
    live.savingCount = std::uint16_t(savingCount());
    live.dataError = faults_.dataError ? 1 : 0;
    const int version =
        faults_.liveProtocolVersion >= 0 ? faults_.liveProtocolVersion : faults_.protocolVersion;
    live.protocolVersion = std::uint8_t(version);
    std::array<std::uint8_t, kFrameDataSize> data{};
    std::ranges::copy(buildMonitorFrame(live).data(), data.begin());
    return data;
}

std::optional<LinkFrame> SimulatedUnit::answer(const LinkFrame& request) {
    const std::uint8_t command = request.command();
    if (!checkByteValid(request) || !knownCommand(command))
        return std::nullopt;
    if (storeCommand(command))
        store(command & Command::blockMask, request);

    if (faults_.silent || ++requests_ % faults_.answerEvery != 0)
        return std::nullopt;
    LinkFrame answer = buildFrame(command ^ Command::replyBit, replyData(command));
    if (faults_.corruptCheckEvery > 0 && ++answers_ % faults_.corruptCheckEvery == 0)
        answer.bytes[kFrameSize - 1] ^= 0x55;
    return answer;
}

} // namespace varko::sim
