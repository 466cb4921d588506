#include "model/DisplayRules.h"

#include "model/Presets.h"

namespace varko {

namespace {
constexpr int kSpecialPosition = kBikeListSize - 1;
constexpr int kLastMapRow = kBreakpoints - 1;
} // namespace

UiDecisions displayDecisions(const FormState& state, const ParamImage& image,
                             const WindowModes& modes) {
    const bool special = state.bikePosition == kSpecialPosition;
    const auto synchro = [&](int method) { return state.synchroPosition == method; };
    const bool syn0 = synchro(0);
    const bool syn4 = synchro(4);
    const bool syn6 = synchro(6);
    const bool syn7 = synchro(7);
    const bool syn8 = synchro(8);
    const bool tpsMap = state.checks[Check::throttleMap];
    const bool neutral = state.checks[Check::neutralStandInputs];
    const auto input = [&](int function) {
        return image.input1() == function || image.input2() == function;
    };
    const bool printing = modes.printing;

    UiDecisions d;
    d.whiteBackground = printing;
    d.noReadingRed = image.noReading() != 0;
    d.progAfterChangeRed = modes.progAfterChange;
    d.notPrinting = !printing;

    d.mapRowsShown = tpsMap;
    d.mapUpDownsShown = tpsMap && !printing;
    d.tpsMonEnabled = tpsMap;
    d.row9AlignRow = tpsMap ? kLastMapRow : 0;

    d.servoShown = image.servoEnable() != 0;

    d.specialEnabled = special;
    d.lobeEditsEnabled = special && !syn0;
    d.channelChecksEnabled = special && !syn8;
    d.lobeCountUpDownShown = special && !syn0 && !syn7;
    d.channelCountUpDownShown = special && !syn7;
    d.lobeUpDownsShown = special && !syn0;
    d.noLobeCheckShown = special && syn0;

    d.invInput2Shown = syn0 || syn4 || syn6;
    d.pickup2ChecksShown = syn0 || syn4;
    d.monPickup2Shown = syn0 || syn4 || syn6;
    for (int n = 0; n < kChannels; ++n) {
        d.channelGroupShown[n] = (n == 0 || image.channelCount() >= n + 1) && !syn7;
        d.advanceLabelShown[n] =
            n == 0 || (image.bike() == kBikeSpecial && image.channelCount() >= n + 1);
    }

    d.compensationShown = modes.testEnable;

    d.killEnabled = input(1);
    d.blockingEnabled = input(2) || neutral;
    d.clutchEnabled = image.input2() == 3 || image.input2() == 4;
    d.clutchUpDownsShown = d.clutchEnabled && !printing;
    d.inputGroupsEnabled = !neutral;
    return d;
}

} // namespace varko
