#pragma once
// The live-data frame the unit sends in answer to the live-data request (0x30 -> 0xB0): its
// fields in one plain record, read from and written to the 102 frame bytes by one offset table,
// so the decoder, the command line and the simulator agree on every byte.

#include "link/LinkFrame.h"

#include <array>
#include <cstdint>

namespace varko {

struct MonitorData {
    std::uint16_t rpm = 0;
    std::uint16_t tpsRaw = 0; // 0..1023 for 0..5000 mV
    std::uint16_t supplyMillivolts = 0;
    std::uint16_t servoMeasuredRaw = 0; // 0..1023 for 0..5000 mV
    std::uint16_t servoDesiredRaw = 0;  // 0..1023 for 0..5000 mV
    std::uint16_t programCount = 0;
    std::array<std::uint16_t, 8> testValue{};
    std::uint8_t killSwitch = 0;
    std::uint8_t clutchMaster = 0;
    std::uint8_t tpsPercent = 0; // above 100: throttle sensor error
    std::uint8_t shiftLight = 0;
    std::array<std::uint8_t, 2> pickupRevs{};
    std::array<std::uint8_t, 2> pickupLobes{};
    std::array<std::uint8_t, 2> pickupRunning{};
    std::array<std::uint8_t, 4> channelAdvance{};     // degrees + 100
    std::array<std::uint16_t, 4> channelMaxAdvance{}; // degrees, 0: no limit
    std::uint8_t rpmRed = 0;
    std::uint8_t motorOff = 0;
    std::uint8_t rpmYellow = 0;
    std::uint8_t servoOk = 0;
    std::uint8_t input1Grounded = 0;
    std::uint8_t input2Grounded = 0;
    std::uint16_t savingCount = 0;
    std::uint8_t dataError = 0;
    std::uint8_t protocolVersion = 0;
};

// The fields of a live-data frame (its check byte is not looked at).
MonitorData parseMonitorFrame(const LinkFrame& frame);
// A complete live-data frame (0xB0, the fields, zero in unused bytes, a valid check byte).
LinkFrame buildMonitorFrame(const MonitorData& data);

// A 0..1023 sensor reading in millivolts (0..5000), as the window shows it. Kept in 32 bits:
// a garbage reading gives a value far out of range, never one wrapped into a plausible voltage.
constexpr std::uint32_t rawToMillivolts(std::uint16_t raw) {
    return std::uint32_t(raw) * 5000u / 1023u;
}

} // namespace varko
