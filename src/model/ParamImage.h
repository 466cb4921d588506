#pragma once
// The unit's whole parameter set: 200 unsigned bytes, the single source of truth that the
// window shows, the file stores, the undo ring copies and the link sends as two blocks.

#include <array>
#include <bitset>
#include <cstdint>
#include <span>

namespace varko {

constexpr int kImageSize = 200;
constexpr int kBlockSize = 100;
constexpr std::uint8_t kProtocolVersion = 75;

// Byte offsets. Four-entry fields are indexed by output channel, ten-entry fields by breakpoint.
namespace Field {
constexpr int bike = 0;
constexpr int noReading = 1;
constexpr int synchroMethod = 2;
constexpr int lobeCount = 3;
constexpr int channelCount = 4;
constexpr int ignitionsPerRev = 5;
constexpr int pickup1Inverse = 6;
constexpr int pilotLight = 7;
constexpr int pickup2Inverse = 8;
constexpr int baseAdv = 9;
constexpr int revsWithoutIgnition = 10;
constexpr int tachoPulses = 11;
constexpr int tachoCorrection = 12;
constexpr int limiter = 13;
constexpr int excitation = 15;
constexpr int servoEnable = 16;
constexpr int servoHyster = 17;
constexpr int tps0 = 20;
constexpr int tps100 = 21;
constexpr int throttleMap = 22;
constexpr int compensation = 23; // 4 entries
constexpr int clutchTime = 27;
constexpr int clutchPause = 28;
constexpr int maxAdvLobe = 30;      // 4 entries
constexpr int startAdvLobe = 34;    // 4 entries
constexpr int maxAdvEdge2 = 38;     // 4 entries
constexpr int startAdvEdge2 = 42;   // 4 entries
constexpr int maxAdvPickup2 = 46;   // 4 entries
constexpr int startAdvPickup2 = 50; // 4 entries
constexpr int input1 = 54;
constexpr int input2 = 55;
constexpr int neutralStandInputs = 56;
constexpr int pickupsInterchange = 57;
constexpr int noLobeCheck = 58;
constexpr int servoRpm = 70; // 10 entries
constexpr int servoMv = 80;  // 10 entries
constexpr int rpmAdv = 90;   // 10 entries
constexpr int advance = 100; // 10 x 10, row by row
} // namespace Field

constexpr int kChannels = 4;
constexpr int kBreakpoints = 10;
constexpr int kBikeSpecial = 22;

// Throttle percentages of the advance map rows.
constexpr std::array<std::uint8_t, 10> kThrottleAxis = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

#define VARKO_BYTE_FIELD(name)                                                                     \
    std::uint8_t& name() {                                                                         \
        return bytes[Field::name];                                                                 \
    }                                                                                              \
    std::uint8_t name() const {                                                                    \
        return bytes[Field::name];                                                                 \
    }
#define VARKO_ARRAY_FIELD(name)                                                                    \
    std::uint8_t& name(int i) {                                                                    \
        return bytes[Field::name + i];                                                             \
    }                                                                                              \
    std::uint8_t name(int i) const {                                                               \
        return bytes[Field::name + i];                                                             \
    }

struct ParamImage {
    std::array<std::uint8_t, kImageSize> bytes{};

    std::uint8_t& operator[](int offset) { return bytes[offset]; }
    std::uint8_t operator[](int offset) const { return bytes[offset]; }

    // Block 1 is bytes 0..99, block 2 (the advance map) bytes 100..199.
    std::span<std::uint8_t, kBlockSize> block(int b) {
        return std::span<std::uint8_t, kBlockSize>(bytes.data() + (b - 1) * kBlockSize, kBlockSize);
    }
    std::span<const std::uint8_t, kBlockSize> block(int b) const {
        return std::span<const std::uint8_t, kBlockSize>(bytes.data() + (b - 1) * kBlockSize,
                                                         kBlockSize);
    }

    bool operator==(const ParamImage&) const = default;

    VARKO_BYTE_FIELD(bike)
    VARKO_BYTE_FIELD(noReading)
    VARKO_BYTE_FIELD(synchroMethod)
    VARKO_BYTE_FIELD(lobeCount)
    VARKO_BYTE_FIELD(channelCount)
    VARKO_BYTE_FIELD(ignitionsPerRev)
    VARKO_BYTE_FIELD(pickup1Inverse)
    VARKO_BYTE_FIELD(pilotLight)
    VARKO_BYTE_FIELD(pickup2Inverse)
    VARKO_BYTE_FIELD(baseAdv)
    VARKO_BYTE_FIELD(revsWithoutIgnition)
    VARKO_BYTE_FIELD(tachoPulses)
    VARKO_BYTE_FIELD(tachoCorrection)
    VARKO_BYTE_FIELD(limiter)
    VARKO_BYTE_FIELD(excitation)
    VARKO_BYTE_FIELD(servoEnable)
    VARKO_BYTE_FIELD(servoHyster)
    VARKO_BYTE_FIELD(tps0)
    VARKO_BYTE_FIELD(tps100)
    VARKO_BYTE_FIELD(throttleMap)
    VARKO_ARRAY_FIELD(compensation)
    VARKO_BYTE_FIELD(clutchTime)
    VARKO_BYTE_FIELD(clutchPause)
    VARKO_ARRAY_FIELD(maxAdvLobe)
    VARKO_ARRAY_FIELD(startAdvLobe)
    VARKO_ARRAY_FIELD(maxAdvEdge2)
    VARKO_ARRAY_FIELD(startAdvEdge2)
    VARKO_ARRAY_FIELD(maxAdvPickup2)
    VARKO_ARRAY_FIELD(startAdvPickup2)
    VARKO_BYTE_FIELD(input1)
    VARKO_BYTE_FIELD(input2)
    VARKO_BYTE_FIELD(neutralStandInputs)
    VARKO_BYTE_FIELD(pickupsInterchange)
    VARKO_BYTE_FIELD(noLobeCheck)
    VARKO_ARRAY_FIELD(servoRpm)
    VARKO_ARRAY_FIELD(servoMv)
    VARKO_ARRAY_FIELD(rpmAdv)

    std::uint8_t& advance(int row, int column) { return bytes[Field::advance + 10 * row + column]; }
    std::uint8_t advance(int row, int column) const {
        return bytes[Field::advance + 10 * row + column];
    }
};

#undef VARKO_BYTE_FIELD
#undef VARKO_ARRAY_FIELD

// A choice of image bytes, by offset: those a file gave values to, or lacks.
using ImageBytes = std::bitset<kImageSize>;

// How a scaled field relates its byte to the engineering value the user sees:
// value = (byte + add) * mul; the byte of a value is (value / mul - add), truncated toward
// zero and kept to its low 8 bits. Every place that converts goes through this one rule.
struct FieldScale {
    int mul;
    int add;

    constexpr int decode(std::uint8_t b) const { return (b + add) * mul; }
    constexpr std::uint8_t encode(int value) const {
        return static_cast<std::uint8_t>((value / mul - add) & 0xFF);
    }
};

namespace Scale {
constexpr FieldScale unit{1, 0};               // counts, degrees, codes, flags
constexpr FieldScale rpm{100, 0};              // pilotLight, limiter, rpmAdv, servoRpm
constexpr FieldScale servoMv{20, 0};           // servoMv
constexpr FieldScale servoHyster{5, 0};        // servoHyster
constexpr FieldScale tens{10, 0};              // tps0, clutchTime, clutchPause
constexpr FieldScale tps100{10, 250};          // tps100: 2500..4750 mV
constexpr FieldScale tachoCorrection{1, -100}; // percent, -60..+60
} // namespace Scale

// The ignitions-per-revolution list shows the camshaft mode (byte 0) last.
constexpr std::uint8_t ignitionsPerRevFromPosition(int position) {
    return static_cast<std::uint8_t>((position + 1) & 3);
}
constexpr int positionOfIgnitionsPerRev(std::uint8_t ignitionsPerRev) {
    return (ignitionsPerRev + 3) % 4;
}

} // namespace varko
