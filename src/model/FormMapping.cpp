#include "model/FormMapping.h"

#include "model/Normalize.h"
#include "model/Presets.h"

#include <algorithm>
#include <limits>

namespace varko {

namespace {

// A run of pairs that differ only in their number: the names are "UpDown" and "Edit" followed
// by the stem, whose %1 is the pair's number, counted from firstNumber.
struct PairGroup {
    const char* stem;
    int firstNumber;
    int count;
    int offset;
    FieldScale scale;
    int min;
    int max;
    int step;
};

// In the order of the indices of namespace Pair.
constexpr PairGroup kPairGroups[] = {
    {"PocPalcu", 0, 1, Field::lobeCount, Scale::unit, 1, 58, 1},
    {"PocKanalu", 0, 1, Field::channelCount, Scale::unit, 1, 4, 1},
    {"Palec%1Zac", 1, 4, Field::maxAdvLobe, Scale::unit, 1, 58, 1},
    {"Palec%1End", 1, 4, Field::startAdvLobe, Scale::unit, 1, 58, 1},
    {"PocSynchro", 0, 1, Field::revsWithoutIgnition, Scale::unit, 0, 40, 1},
    {"Kompenz%1", 1, 4, Field::compensation, Scale::unit, 0, 255, 1},
    {"RpmPulsu", 0, 1, Field::tachoPulses, Scale::unit, 0, 6, 1},
    {"RpmKorekce", 0, 1, Field::tachoCorrection, Scale::tachoCorrection, -60, 60, 1},
    {"PilotLight", 0, 1, Field::pilotLight, Scale::rpm, 1000, 25000, 100},
    {"Omez2", 0, 1, Field::limiter, Scale::rpm, 999, 25000, 100},
    {"ClutchTime", 0, 1, Field::clutchTime, Scale::tens, 0, 2500, 10},
    {"ClutchPause", 0, 1, Field::clutchPause, Scale::tens, 0, 2500, 10},
    {"Tps0", 0, 1, Field::tps0, Scale::tens, 250, 2500, 10},
    {"Tps100", 0, 1, Field::tps100, Scale::tps100, 2500, 4750, 10},
    {"BaseAdv", 0, 1, Field::baseAdv, Scale::unit, 0, 40, 1},
    {"RpmAdv%1", 1, 1, Field::rpmAdv, Scale::rpm, 199, 20100, 100},
    {"RpmAdv%1", 2, 9, Field::rpmAdv + 1, Scale::rpm, 300, 20100, 100},
    {"%1", 50, 100, Field::advance, Scale::unit, 0, 60, 1},
    {"RpmPriv%1", 1, 2, Field::servoRpm, Scale::rpm, 200, 20100, 100},
    {"RpmPriv%1", 3, 8, Field::servoRpm + 2, Scale::rpm, 300, 20100, 100},
    {"NapPriv%1", 1, 10, Field::servoMv, Scale::servoMv, 20, 5000, 20},
    {"PrivHyster", 0, 1, Field::servoHyster, Scale::servoHyster, 0, 1275, 5},
};

std::array<PairSpec, kPairCount> buildPairTable() {
    std::array<PairSpec, kPairCount> table;
    int index = 0;
    for (const PairGroup& group : kPairGroups) {
        const bool mapCell = group.offset == Field::advance;
        for (int n = 0; n < group.count; ++n) {
            QString stem = QString::fromLatin1(group.stem);
            stem.replace(QLatin1String("%1"), QString::number(group.firstNumber + n));
            table[index++] = PairSpec{"UpDown" + stem, "Edit" + stem, group.offset + n, group.scale,
                                      group.min,       group.max,     group.step,       !mapCell};
        }
    }
    return table;
}

std::array<CheckSpec, kCheckCount> buildCheckTable() {
    std::array<CheckSpec, kCheckCount> table = {{
        {"CheckBoxZakazCteni", Field::noReading},
        {"CheckBoxInvInput1", Field::pickup1Inverse},
        {"CheckBoxInvInput2", Field::pickup2Inverse},
        {"CheckBoxInNeutralSs", Field::neutralStandInputs},
        {"CheckBoxZamenaPickup", Field::pickupsInterchange},
        {"CheckBoxNehlidaPalec", Field::noLobeCheck},
        {"CheckBoxBuzDlouhe", Field::excitation},
        {"CheckBoxPrivEnable", Field::servoEnable},
        {"CheckBoxTpsMapa", Field::throttleMap},
    }};
    struct ChannelColumn {
        const char* pattern;
        int offset;
    };
    constexpr ChannelColumn columns[] = {{"CheckBoxPalec%1ZacH2", Field::maxAdvEdge2},
                                         {"CheckBoxPalec%1EndH2", Field::startAdvEdge2},
                                         {"CheckBoxPalec%1ZacP2", Field::maxAdvPickup2},
                                         {"CheckBoxPalec%1EndP2", Field::startAdvPickup2}};
    int index = Check::maxAdvEdge2;
    for (const ChannelColumn& column : columns) {
        for (int n = 0; n < kChannels; ++n) {
            table[index++] = {QString::fromLatin1(column.pattern).arg(n + 1), column.offset + n};
        }
    }
    return table;
}

// A radio group selects its last entry for any code beyond its list.
int radioPosition(std::uint8_t code, int entries) {
    return std::min<int>(code, entries - 1);
}

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

bool isCompensation(int pairIndex) {
    return pairIndex >= Pair::compensation && pairIndex < Pair::compensation + kChannels;
}

} // namespace

const std::array<PairSpec, kPairCount>& pairTable() {
    static const std::array<PairSpec, kPairCount> table = buildPairTable();
    return table;
}

const std::array<CheckSpec, kCheckCount>& checkTable() {
    static const std::array<CheckSpec, kCheckCount> table = buildCheckTable();
    return table;
}

void showImageToState(const ParamImage& image, FormState& state) {
    const int bikePosition = bikeListPosition(image.bike());
    if (bikePosition >= 0) {
        state.bikePosition = bikePosition;
    }
    state.synchroPosition = image.synchroMethod() < kSynchroEntries ? image.synchroMethod() : -1;
    state.ignitionsPerRevPosition = positionOfIgnitionsPerRev(image.ignitionsPerRev());
    state.input1Position = radioPosition(image.input1(), kInput1Entries);
    state.input2Position = radioPosition(image.input2(), kInput2Entries);

    const auto& checks = checkTable();
    for (int c = 0; c < kCheckCount; ++c) {
        state.checks[c] = image[checks[c].offset] != 0;
    }
    // Method 8 always takes both points on the second edge; the boxes show it and the next
    // collect stores it.
    if (image.synchroMethod() == 8) {
        for (int n = 0; n < kChannels; ++n) {
            state.checks[Check::maxAdvEdge2 + n] = true;
            state.checks[Check::startAdvEdge2 + n] = true;
        }
    }

    const auto& pairs = pairTable();
    for (int p = 0; p < kPairCount; ++p) {
        const PairSpec& pair = pairs[p];
        state.pairs[p] = std::clamp(pair.scale.decode(image[pair.offset]), pair.min, pair.max);
    }
}

void collectImageFromState(FormState& state, ParamImage& image, bool testEnable) {
    if (state.bikePosition >= 0 && state.bikePosition < kBikeListSize) {
        image.bike() = BikeCodeTable[state.bikePosition];
    }
    image.synchroMethod() = lowByte(state.synchroPosition);
    image.ignitionsPerRev() = ignitionsPerRevFromPosition(state.ignitionsPerRevPosition);
    image.input1() = lowByte(state.input1Position);
    image.input2() = lowByte(state.input2Position);

    // The lobe length check may only be switched off for a hand-made single-lobe geometry.
    if (image.bike() != kBikeSpecial || image.synchroMethod() != 0) {
        state.checks[Check::noLobeCheck] = false;
    }
    const auto& checks = checkTable();
    for (int c = 0; c < kCheckCount; ++c) {
        image[checks[c].offset] = state.checks[c] ? 1 : 0;
    }

    const auto& pairs = pairTable();
    for (int p = 0; p < kPairCount; ++p) {
        if (isCompensation(p) && !testEnable) {
            continue;
        }
        image[pairs[p].offset] = pairs[p].scale.encode(state.pairs[p]);
    }
    if (!testEnable) {
        setDefaultCompensation(image);
    }
}

namespace {
void passThroughState(FormState& state, ParamImage& image, bool testEnable) {
    showImageToState(image, state);
    collectImageFromState(state, image, testEnable);
}
} // namespace

void roundTripThroughControls(ParamImage& image, bool testEnable) {
    FormState state;
    passThroughState(state, image, testEnable);
}

void takeAsWindowOpens(ParamImage& image, bool testEnable, std::uint8_t listedBike) {
    FormState state;
    state.bikePosition = bikeListPosition(listedBike);
    passThroughState(state, image, testEnable);
    WindowSettings settings; // the defaults are always in range
    normalize(image, settings);
}

std::optional<int> parsePairText(const QString& text, const QString& groupSeparator,
                                 const PairSpec& pair) {
    QString digits = text.trimmed();
    if (!groupSeparator.isEmpty()) {
        digits.remove(groupSeparator);
    }
    bool negative = false;
    if (digits.startsWith(u'+') || digits.startsWith(u'-')) {
        negative = digits.front() == u'-';
        digits.remove(0, 1);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    // Accumulate in a wide integer and stop as soon as no pair could hold the number, so a long
    // row of digits can neither overflow nor wrap into range.
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (QChar ch : digits) {
        if (ch < u'0' || ch > u'9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (ch.unicode() - u'0');
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < pair.min || value > pair.max) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace varko
