#include "model/Presets.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace varko {

// clang-format off
const std::array<std::uint8_t, kBikeListSize> BikeCodeTable = {
    32, 23, 0, 27, 31, 1, 2, 3, 4, 24, 5, 6, 7, 28, 29, 30, 8,
    9, 10, 11, 12, 13, 14, 15, 26, 16, 17, 18, 19, 20, 21, 25, 22};

const std::array<const char*, kBikeListSize> BikeListTexts = {
    "Ducati inj. 48-2",
    "3 Cylinder, 1 pickup",
    "Kawasaki ZX ",
    "Kawasaki ZX9R 00",
    "Harley",
    "Honda CBR 7P",
    "Honda CBR 9P",
    "Honda Shadow",
    "Honda VFR 400",
    "Honda VFR 750",
    "Honda VT 600 Shadow",
    "Honda VT 1100",
    "Classic (1 lobe, 1 or 2 pick-up) ",
    "Classic (2 lobe per revolution, 1 or 2 pick-up)",
    "Classic (3 lobe per revolution, 1 pick-up)",
    "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)",
    "Suzuki 800",
    "Suzuki GSF 400 A",
    "Suzuki GSF 400 B",
    "Suzuki GSX",
    "Suzuki SV 650",
    "Suzuki Tci 125",
    "Suzuki VS 800,",
    "TDM 850",
    "Triumph Tigra",
    "Virago XV",
    "Yamaha 125 SR",
    "Yamaha Fz 750",
    "Yamaha R1",
    "Yamaha R6",
    "Yamaha XT600E",
    "Yamaha XVZ 1300",
    "Special setting",
};

const std::array<std::uint8_t, 100> DefaultAdvanceMap = {
    10, 13, 16, 25, 28, 32, 33, 33, 33, 33,
    10, 16, 22, 31, 33, 35, 35, 35, 35, 35,
    10, 24, 35, 44, 45, 45, 43, 41, 41, 41,
    10, 19, 32, 39, 45, 47, 46, 43, 43, 43,
    10, 12, 15, 25, 31, 33, 32, 32, 32, 31,
    10, 12, 16, 25, 28, 30, 33, 32, 32, 32,
    10, 12, 16, 25, 28, 30, 33, 31, 33, 31,
    10, 12, 15, 25, 28, 30, 32, 32, 32, 32,
    10, 12, 15, 25, 28, 30, 32, 32, 32, 32,
    10, 12, 15, 25, 28, 30, 32, 32, 32, 32,
};
// clang-format on

namespace {

constexpr std::uint8_t kServoCurveModel = 19; // "Yamaha R1" comes with its own servo curve
constexpr int kLastModelCode = 32;
constexpr int kEdgeAndPickupFlags = 16; // bytes 38..53
constexpr std::uint8_t kDefaultCompensation = 11;

using Curve = std::array<std::uint8_t, kBreakpoints>;
constexpr Curve kServoRpm = {12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
constexpr Curve kServoMv = {100, 105, 110, 115, 120, 125, 130, 135, 140, 145};
constexpr Curve kR1ServoRpm = {3, 4, 41, 46, 65, 70, 75, 83, 90, 105};
constexpr Curve kR1ServoMv = {30, 45, 45, 61, 61, 64, 68, 80, 93, 93};
constexpr Curve kRpmAdv = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100};

struct ByteWrite {
    int offset;
    std::uint8_t value;
};

// The single bytes the common defaults write; the curves, the map and the flags come apart.
constexpr ByteWrite kCommonBytes[] = {
    {Field::ignitionsPerRev, 1},
    {Field::pickup1Inverse, 0},
    {Field::pilotLight, 90},
    {Field::pickup2Inverse, 0},
    {Field::baseAdv, 10},
    {Field::revsWithoutIgnition, 1},
    {Field::tachoCorrection, 100},
    {Field::limiter, 110},
    {Field::excitation, 1},
    {Field::servoEnable, 0},
    {Field::servoHyster, 20},
    {Field::tps0, 70},
    {Field::tps100, 129},
    {Field::throttleMap, 0},
    {Field::clutchTime, 10},
    {Field::clutchPause, 50},
    {Field::input1, 0},
    {Field::input2, 0},
    {Field::neutralStandInputs, 0},
    {Field::pickupsInterchange, 0},
    {Field::noLobeCheck, 0},
};

struct LobePair {
    std::uint8_t maxAdv;
    std::uint8_t startAdv;
};

// One model's trigger geometry. Every member left empty is a byte the model does not write.
// A base model is written first, so the row's own writes win over it.
struct BikePreset {
    std::optional<std::uint8_t> baseCode = std::nullopt;
    std::optional<std::uint8_t> sync = std::nullopt;
    std::optional<std::uint8_t> lobes = std::nullopt;
    std::optional<std::uint8_t> outputs = std::nullopt;
    std::optional<std::uint8_t> pulses = std::nullopt;
    std::optional<std::uint8_t> input1 = std::nullopt;
    std::array<std::optional<LobePair>, kChannels> channels{};
    std::uint16_t flags = 0; // bit k set: byte 38 + k is written 1
    std::array<std::optional<ByteWrite>, 2> other{};
};

// The image bytes among 38..53 that a model sets to 1.
constexpr std::uint16_t flagBits(std::initializer_list<int> bytes) {
    std::uint16_t mask = 0;
    for (int b : bytes)
        mask = static_cast<std::uint16_t>(mask | (1u << (b - Field::maxAdvEdge2)));
    return mask;
}

constexpr std::optional<LobePair> none = std::nullopt;

using P = LobePair;
using W = ByteWrite;

// Indexed by model code; code 22 (the hand-made setting) has no row. Columns: base model,
// sync, lobes, outputs, tacho pulses, input 1, max/start lobe pair per channel, flags, other.
// clang-format off
const std::array<std::optional<BikePreset>, kLastModelCode + 1> kPresets = {{
    /* 0 Kawasaki ZX */     BikePreset{{}, 1, 3, 2, 2, 2, {P{1, 1}, P{2, 2}, none, none}, flagBits({42, 43})},
    /* 1 Honda CBR 7P */    BikePreset{{}, 4, 7, 2, 2, 1, {P{2, 3}, P{6, 7}, none, none}, flagBits({42, 43})},
    /* 2 Honda CBR 9P */    BikePreset{{}, 3, 9, 2, 2, 2, {P{1, 3}, P{7, 9}, none, none}, flagBits({42, 43}),
                                       {W{Field::neutralStandInputs, 1}}},
    /* 3 Honda Shadow */    BikePreset{{}, 3, 9, 2, 2, 2, {P{6, 7}, P{8, 9}, none, none}},
    /* 4 Honda VFR 400 */   BikePreset{{}, 4, 7, 2, 4, 1, {P{4, 5}, P{6, 7}, none, none}},
    /* 5 Honda VT 600 */    BikePreset{{}, 4, 7, 2, 2, 1, {P{1, 2}, P{5, 6}, none, none},
                                       flagBits({38, 39, 42, 43, 47, 51})},
    /* 6 Honda VT 1100 */   BikePreset{{}, 4, 7, 2, 2, 1, {P{3, 4}, P{4, 5}, none, none}, flagBits({42, 43})},
    /* 7 Classic 1 lobe */  BikePreset{{}, 0, 1, 2, 1, 1, {P{1, 1}, P{1, 1}, P{1, 1}, P{1, 1}},
                                       flagBits({42, 43, 44, 45, 47, 48, 51, 52})},
    /* 8 Suzuki 800 */      BikePreset{{}, 3, 4, 2, 1, 1, {P{1, 2}, P{3, 4}, none, none}},
    /* 9 GSF 400 A */       BikePreset{{}, 2, 6, 2, 1, 1, {P{1, 2}, P{4, 5}, none, none}},
    /* 10 GSF 400 B */      BikePreset{{}, 2, 6, 2, 1, 1, {P{2, 3}, P{5, 6}, none, none}},
    /* 11 Suzuki GSX */     BikePreset{{}, 2, 4, 2, 1, 1, {P{4, 1}, P{2, 3}, none, none}},
    /* 12 Suzuki SV 650 */  BikePreset{{}, 2, 4, 2, 1, 1, {P{4, 1}, P{1, 2}, none, none}},
    /* 13 Suzuki Tci 125 */ BikePreset{{}, 3, 4, 2, 1, 1, {P{2, 3}, P{3, 4}, none, none}},
    /* 14 Suzuki VS 800 */  BikePreset{{}, 2, 4, 2, 1, 1, {P{3, 4}, P{2, 3}, none, none}},
    /* 15 TDM 850 */        BikePreset{{}, 2, 4, 2, 2, 2, {P{3, 4}, P{4, 1}, none, none}},
    /* 16 Virago XV */      BikePreset{{}, 3, 2, 2, 2, 2, {P{1, 1}, P{2, 2}, none, none}, flagBits({42, 43})},
    /* 17 Yamaha 125 SR */  BikePreset{{}, 4, 2, 2, 2, 1, {P{2, 1}, P{1, 2}, none, none},
                                       flagBits({39, 42, 43, 47, 50, 51})},
    /* 18 Yamaha Fz 750 */  BikePreset{{}, 2, 8, 2, 2, 2, {P{3, 4}, P{7, 8}, none, none}},
    /* 19 Yamaha R1 */      BikePreset{{}, 2, 4, 2, 2, 2, {P{3, 4}, P{1, 2}, none, none}, 0,
                                       {W{Field::servoEnable, 1}}},
    /* 20 Yamaha R6 */      BikePreset{{}, 1, 5, 2, 2, 2, {P{1, 2}, P{3, 4}, none, none},
                                       flagBits({38, 39, 42, 43}), {W{Field::excitation, 0}}},
    /* 21 Yamaha XT600E */  BikePreset{11},
    /* 22 Special */        std::nullopt,
    /* 23 3 Cylinder */     BikePreset{{}, 1, 4, 3, 1, 1, {P{1, 1}, P{2, 2}, P{3, 3}, none},
                                       flagBits({42, 43, 44}), {W{Field::excitation, 0}}},
    /* 24 Honda VFR 750 */  BikePreset{{}, 4, 11, 4, 2, 2, {P{4, 5}, P{7, 8}, P{10, 11}, P{1, 2}}},
    /* 25 XVZ 1300 */     BikePreset{{}, 1, 7, 4, 2, 2, {P{1, 2}, P{2, 3}, P{4, 5}, P{5, 6}},
                                       flagBits({38, 39, 40, 41, 42, 43, 44, 45})},
    /* 26 Triumph Tigra */  BikePreset{{}, 5, 7, 3, 1, 1, {P{2, 3}, P{4, 5}, P{6, 1}, none}, 0,
                                       {W{Field::excitation, 0}}},
    /* 27 Kawasaki ZX9R */  BikePreset{{}, 2, 4, 4, 2, 2, {P{4, 1}, P{2, 3}, P{2, 3}, P{4, 1}}, 0,
                                       {W{Field::excitation, 0}}},
    /* 28 Classic 2/rev */  BikePreset{7, {}, {}, {}, {}, {}, {}, 0, {W{Field::ignitionsPerRev, 2}}},
    /* 29 Classic 3/rev */  BikePreset{7, {}, {}, 1, {}, {}, {}, 0, {W{Field::ignitionsPerRev, 3}}},
    /* 30 Classic CMPS */   BikePreset{7, {}, {}, {}, {}, {}, {}, 0, {W{Field::ignitionsPerRev, 0}}},
    /* 31 Harley */         BikePreset{{}, 7, 2, 2, 2, 1, {P{1, 1}, P{2, 2}, none, none}, flagBits({42, 43}),
                                       {W{Field::ignitionsPerRev, 0}, W{Field::pickup1Inverse, 1}}},
    /* 32 Ducati 48-2 */    BikePreset{{}, 8, 46, 2, 2, {}, {P{18, 23}, P{36, 41}, none, none},
                                       flagBits({38, 39, 42, 43}), {W{Field::ignitionsPerRev, 0}}},
}};
// clang-format on

void writeIfSet(ParamImage& image, int offset, const std::optional<std::uint8_t>& value) {
    if (value)
        image[offset] = *value;
}

void writePreset(ParamImage& image, const BikePreset& preset) {
    if (preset.baseCode)
        writePreset(image, *kPresets[*preset.baseCode]);
    writeIfSet(image, Field::synchroMethod, preset.sync);
    writeIfSet(image, Field::lobeCount, preset.lobes);
    writeIfSet(image, Field::channelCount, preset.outputs);
    writeIfSet(image, Field::tachoPulses, preset.pulses);
    writeIfSet(image, Field::input1, preset.input1);
    for (int n = 0; n < kChannels; ++n) {
        if (const auto& pair = preset.channels[n]) {
            image.maxAdvLobe(n) = pair->maxAdv;
            image.startAdvLobe(n) = pair->startAdv;
        }
    }
    for (int k = 0; k < kEdgeAndPickupFlags; ++k) {
        if (preset.flags & (1u << k))
            image[Field::maxAdvEdge2 + k] = 1;
    }
    for (const auto& write : preset.other) {
        if (write)
            image[write->offset] = write->value;
    }
}

void writeCurve(ParamImage& image, int firstByte, const Curve& curve) {
    std::copy(curve.begin(), curve.end(), image.bytes.begin() + firstByte);
}

} // namespace

int bikeListPosition(std::uint8_t code) {
    const auto found = std::find(BikeCodeTable.begin(), BikeCodeTable.end(), code);
    return found == BikeCodeTable.end() ? -1 : static_cast<int>(found - BikeCodeTable.begin());
}

void setDefaultCompensation(ParamImage& image) {
    for (int n = 0; n < kChannels; ++n)
        image.compensation(n) = kDefaultCompensation;
}

void setCommonDefaults(ParamImage& image) {
    image.noReading() = 0;
    // The hand-made setting keeps its edge and pick-up choices.
    if (image.bike() != kBikeSpecial)
        std::fill_n(image.bytes.begin() + Field::maxAdvEdge2, kEdgeAndPickupFlags, 0);
    for (const ByteWrite& write : kCommonBytes)
        image[write.offset] = write.value;
    setDefaultCompensation(image);
    const bool r1 = image.bike() == kServoCurveModel;
    writeCurve(image, Field::servoRpm, r1 ? kR1ServoRpm : kServoRpm);
    writeCurve(image, Field::servoMv, r1 ? kR1ServoMv : kServoMv);
    writeCurve(image, Field::rpmAdv, kRpmAdv);
    std::copy(DefaultAdvanceMap.begin(), DefaultAdvanceMap.end(),
              image.bytes.begin() + Field::advance);
}

void applyBikePreset(ParamImage& image, bool& bikeListChanged) {
    // Picking the hand-made setting in the list keeps everything the previous model left.
    if (image.bike() != kBikeSpecial || !bikeListChanged)
        setCommonDefaults(image);
    if (image.bike() <= kLastModelCode) {
        if (const auto& preset = kPresets[image.bike()])
            writePreset(image, *preset);
    }
    bikeListChanged = false;
}

} // namespace varko
