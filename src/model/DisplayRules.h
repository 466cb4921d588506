#pragma once
// What the window looks like for a parameter set: which controls are shown, enabled and
// coloured. A pure function of the controls' state, the image and the window modes, so the
// window only applies the result and every rule can be checked without widgets.

#include "model/FormMapping.h"
#include "model/ParamImage.h"

#include <array>

namespace varko {

struct WindowModes {
    bool printing = false;        // while the window is being printed
    bool testEnable = false;      // hidden test mode
    bool progAfterChange = false; // "Programming after change" is ticked
};

struct UiDecisions {
    // Colours and the printing look.
    bool whiteBackground = false;
    bool noReadingRed = false;
    bool progAfterChangeRed = false;
    bool notPrinting = true; // the controls hidden while the window is printed

    // Advance map.
    bool mapRowsShown = false;    // row labels and the edits of rows 0..8
    bool mapUpDownsShown = false; // up-downs of rows 0..8, column spin buttons, throttle gauge
    bool tpsMonEnabled = false;
    int row9AlignRow = 0; // the row label whose top row 9 takes (minus 4 pixels)

    bool servoShown = false;

    // Trigger geometry, editable only for the special model.
    bool specialEnabled = false;
    bool lobeEditsEnabled = false;
    bool channelChecksEnabled = false;
    bool lobeCountUpDownShown = false;
    bool channelCountUpDownShown = false;
    bool lobeUpDownsShown = false;
    bool noLobeCheckShown = false;

    // Synchronisation method and channels.
    bool invInput2Shown = false;
    bool pickup2ChecksShown = false;
    bool monPickup2Shown = false;
    std::array<bool, kChannels> channelGroupShown{};
    std::array<bool, kChannels> advanceLabelShown{}; // entry 0 is never hidden by the rules

    bool compensationShown = false;

    // Inputs.
    bool killEnabled = false;
    bool blockingEnabled = false;
    bool clutchEnabled = false;
    bool clutchUpDownsShown = false;
    bool inputGroupsEnabled = false;

    bool operator==(const UiDecisions&) const = default;
};

UiDecisions displayDecisions(const FormState& state, const ParamImage& image,
                             const WindowModes& modes);

} // namespace varko
