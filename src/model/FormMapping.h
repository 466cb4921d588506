#pragma once
// What the window's controls hold, and how that state and the parameter image are copied into
// each other. The window keeps one FormState in step with its widgets; everything that decides
// a value (scaling, clamping, list rules, the conditional flags) lives here, without widgets.

#include "model/ParamImage.h"
#include "model/Presets.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace varko {

// One number pair: an edit with its attached up-down, editing one image byte.
struct PairSpec {
    QString upDownName;
    QString editName;
    int offset;
    FieldScale scale;
    int min;
    int max;
    int step;
    bool grouping; // thousands separator for values of 1000 and more
};

constexpr int kPairCount = 155;

// Every pair in a fixed order; the index into this table identifies a pair everywhere.
const std::array<PairSpec, kPairCount>& pairTable();

// Index of the pair of a repeated group, for the control tables of the window.
namespace Pair {
constexpr int lobeCount = 0;
constexpr int channelCount = 1;
constexpr int maxAdvLobe = 2;   // 4 entries, by channel
constexpr int startAdvLobe = 6; // 4 entries, by channel
constexpr int revsWithoutIgnition = 10;
constexpr int compensation = 11; // 4 entries
constexpr int tachoPulses = 15;
constexpr int tachoCorrection = 16;
constexpr int pilotLight = 17;
constexpr int limiter = 18;
constexpr int clutchTime = 19;
constexpr int clutchPause = 20;
constexpr int tps0 = 21;
constexpr int tps100 = 22;
constexpr int baseAdv = 23;
constexpr int rpmAdv = 24;    // 10 entries, by breakpoint
constexpr int advance = 34;   // 100 entries, 10 * row + column
constexpr int servoRpm = 134; // 10 entries
constexpr int servoMv = 144;  // 10 entries
constexpr int servoHyster = 154;
} // namespace Pair

// A check box that shows one image flag.
struct CheckSpec {
    QString name;
    int offset;
};

constexpr int kCheckCount = 25;
const std::array<CheckSpec, kCheckCount>& checkTable();

namespace Check {
constexpr int noReading = 0;
constexpr int pickup1Inverse = 1;
constexpr int pickup2Inverse = 2;
constexpr int neutralStandInputs = 3;
constexpr int pickupsInterchange = 4;
constexpr int noLobeCheck = 5;
constexpr int excitation = 6;
constexpr int servoEnable = 7;
constexpr int throttleMap = 8;
constexpr int maxAdvEdge2 = 9;      // 4 entries, by channel
constexpr int startAdvEdge2 = 13;   // 4 entries
constexpr int maxAdvPickup2 = 17;   // 4 entries
constexpr int startAdvPickup2 = 21; // 4 entries
} // namespace Check

constexpr int kSynchroEntries = 9;
constexpr int kIgnitionsPerRevEntries = 4;
constexpr int kInput1Entries = 3;
constexpr int kInput2Entries = 5;

// The contents of the controls. A list position of -1 means no entry is selected.
struct FormState {
    std::array<int, kPairCount> pairs{};
    std::array<bool, kCheckCount> checks{};
    int bikePosition = -1;
    int synchroPosition = -1;
    int ignitionsPerRevPosition = -1;
    int input1Position = -1;
    int input2Position = -1;

    bool operator==(const FormState&) const = default;
};

// The image into the controls: pair values clamped to their ranges, lists by their rules (an
// unknown model code keeps the model list where it was), and the eight "2nd Edge" boxes ticked
// for synchronisation method 8. The image itself is never changed.
void showImageToState(const ParamImage& image, FormState& state);

// The controls into the image. Clears the "no lobe check" box in the state when the special
// model with method 0 is not chosen, and holds compensation at its default outside test mode.
// Reserved bytes are not touched.
void collectImageFromState(FormState& state, ParamImage& image, bool testEnable);

// What the window stores after showing the image and collecting it again, starting from
// controls that have shown nothing yet.
void roundTripThroughControls(ParamImage& image, bool testEnable);

// What the window's Open makes of a loaded image: the pass through the controls (their ranges
// and lists), then the normalization. listedBike is the model the window's list shows before;
// a model code that the list does not hold leaves the list there, so the image takes that model.
// Every path that asks what a file becomes in the window (Open, compare, the start-up check,
// the command line) runs this one function.
void takeAsWindowOpens(ParamImage& image, bool testEnable, std::uint8_t listedBike = kStartupBike);

// The number a pair accepts from typed text: thousands separators removed, an optional sign,
// decimal digits only, within the pair's range. Anything else, including numbers too large for
// any pair, gives no value.
std::optional<int> parsePairText(const QString& text, const QString& groupSeparator,
                                 const PairSpec& pair);

} // namespace varko
