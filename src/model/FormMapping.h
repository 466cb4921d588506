#pragma once
// What the window's controls hold, and how that state and the parameter image are copied into
// each other. The window keeps one FormState in step with its widgets; everything that decides
// a value (scaling, clamping, list rules, the conditional flags) lives here, without widgets.

#include "model/ParamImage.h"

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
const std::array<PairSpec, kPairCount>& PairTable();

// Index of the pair of a repeated group, for the control tables of the window.
namespace Pair {
constexpr int lobeCount = 0;
constexpr int channelCount = 1;
constexpr int palecZac = 2; // 4 entries, by channel
constexpr int palecEnd = 6; // 4 entries, by channel
constexpr int pocSynchro = 10;
constexpr int kompenz = 11; // 4 entries
constexpr int rpmPulsu = 15;
constexpr int rpmKorekce = 16;
constexpr int pilotLight = 17;
constexpr int limiter = 18;
constexpr int clutchTime = 19;
constexpr int clutchPause = 20;
constexpr int tps0 = 21;
constexpr int tps100 = 22;
constexpr int baseAdv = 23;
constexpr int rpmAdv = 24;   // 10 entries, by breakpoint
constexpr int map = 34;      // 100 entries, 10 * row + column
constexpr int rpmPriv = 134; // 10 entries
constexpr int napPriv = 144; // 10 entries
constexpr int privHyster = 154;
} // namespace Pair

// A check box that shows one image flag.
struct CheckSpec {
    QString name;
    int offset;
};

constexpr int kCheckCount = 25;
const std::array<CheckSpec, kCheckCount>& CheckTable();

namespace Check {
constexpr int zakazCteni = 0;
constexpr int invInput1 = 1;
constexpr int invInput2 = 2;
constexpr int inNeutralSs = 3;
constexpr int zamenaPickup = 4;
constexpr int nehlidaPalec = 5;
constexpr int buzDlouhe = 6;
constexpr int privEnable = 7;
constexpr int tpsMapa = 8;
constexpr int palecZacH2 = 9;  // 4 entries, by channel
constexpr int palecEndH2 = 13; // 4 entries
constexpr int palecZacP2 = 17; // 4 entries
constexpr int palecEndP2 = 21; // 4 entries
} // namespace Check

constexpr int kSynchroEntries = 9;
constexpr int kGeberEntries = 4;
constexpr int kInput1Entries = 3;
constexpr int kInput2Entries = 5;

// The contents of the controls. A list position of -1 means no entry is selected.
struct FormState {
    std::array<int, kPairCount> pairs{};
    std::array<bool, kCheckCount> checks{};
    int bikePosition = -1;
    int synchroPosition = -1;
    int geberPosition = -1;
    int input1Position = -1;
    int input2Position = -1;

    bool operator==(const FormState&) const = default;
};

// The image into the controls: pair values clamped to their ranges, lists by their rules (an
// unknown model code keeps the model list where it was), and the eight "2nd Edge" boxes ticked
// for synchronisation method 8. The image itself is never changed.
void ShowImageToState(const ParamImage& image, FormState& state);

// The controls into the image. Clears the "no lobe check" box in the state when the special
// model with method 0 is not chosen, and holds compensation at its default outside test mode.
// Reserved bytes are not touched.
void CollectImageFromState(FormState& state, ParamImage& image, bool testEnable);

// What the window stores after showing the image and collecting it again, starting from
// controls that have shown nothing yet.
void RoundTripThroughControls(ParamImage& image, bool testEnable);

// The number a pair accepts from typed text: thousands separators removed, an optional sign,
// decimal digits only, within the pair's range. Anything else, including numbers too large for
// any pair, gives no value.
std::optional<int> ParsePairText(const QString& text, const QString& groupSeparator,
                                 const PairSpec& pair);

} // namespace varko
