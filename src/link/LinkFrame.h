#pragma once
// The one frame of the serial protocol: a command byte, 100 data bytes and a check byte, the
// same in both directions. A reply carries the request's command with bit 7 inverted.

#include "model/ParamImage.h"

#include <array>
#include <cstdint>
#include <span>

namespace varko {

constexpr int kFrameSize = 102;
constexpr int kFrameDataSize = 100;

namespace Command {
constexpr std::uint8_t monitorRequest = 0x30;
constexpr std::uint8_t writeBlock0 = 0x00;
constexpr std::uint8_t readBlock0 = 0x40;
constexpr std::uint8_t readBlock1 = 0x41;
constexpr std::uint8_t replyBit = 0x80;
constexpr std::uint8_t monitorReply = monitorRequest ^ replyBit; // 0xB0
constexpr std::uint8_t blockMask = 0x3F;
constexpr std::uint8_t reportBit = 0x40; // set: report (read) request, clear: store request
} // namespace Command

enum class TransferMode : std::uint8_t { Idle = 0, Program = 1, Verify = 2, Read = 3 };

struct LinkFrame {
    std::array<std::uint8_t, kFrameSize> bytes{};

    std::uint8_t command() const { return bytes[0]; }
    std::uint8_t check() const { return bytes[kFrameSize - 1]; }
    std::span<std::uint8_t, kFrameDataSize> data() {
        return std::span<std::uint8_t, kFrameDataSize>(bytes.data() + 1, kFrameDataSize);
    }
    std::span<const std::uint8_t, kFrameDataSize> data() const {
        return std::span<const std::uint8_t, kFrameDataSize>(bytes.data() + 1, kFrameDataSize);
    }
    bool operator==(const LinkFrame&) const = default;
};

// NOT(command) XOR every data byte.
std::uint8_t checkByte(std::uint8_t command, std::span<const std::uint8_t, kFrameDataSize> data);
// The XOR of all 102 bytes of a valid frame is 0xFF.
bool checkByteValid(const LinkFrame& frame);

LinkFrame buildFrame(std::uint8_t command, std::span<const std::uint8_t, kFrameDataSize> data);
// The live-data request: 0x30, 100 zero bytes, 0xCF.
LinkFrame buildIdleFrame();
// A transfer request: block 1 or 2 of the image unless the transfer reads or asks for block 0,
// which carry zero data.
LinkFrame buildBlockFrame(std::uint8_t command, TransferMode mode, const ParamImage& image);

} // namespace varko
