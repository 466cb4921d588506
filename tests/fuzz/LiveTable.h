#pragma once
// What any live-data frame may show: each label's caption in the chosen language, its yes/no
// or state word agreeing with its colour, and only the colours its row of the table allows.

#include "link/LiveMonitor.h"
#include "model/Messages.h"

#include "FuzzSupport.h"

#include <initializer_list>

namespace varko {

struct FlagLabelRow {
    LiveLabel LiveDisplay::*label;
    int caption;
    std::uint8_t MonitorData::*flag;
    LiveColour onColour;
};

// "<caption> - YES" on its colour when the flag is set, "<caption> - NO" on none.
inline const FlagLabelRow kFlagLabels[] = {
    {&LiveDisplay::blocking, Msg::motorOff, &MonitorData::motorOff, LiveColour::Red},
    {&LiveDisplay::pilotLight, Msg::gearShiftLight, &MonitorData::shiftLight, LiveColour::Yellow},
    {&LiveDisplay::clutch, Msg::clutchMaster, &MonitorData::clutchMaster, LiveColour::Lime},
    {&LiveDisplay::killSwitch, Msg::killSwitch, &MonitorData::killSwitch, LiveColour::Red},
};

inline bool colourIn(LiveColour colour, std::initializer_list<LiveColour> allowed) {
    for (LiveColour c : allowed)
        if (c == colour)
            return true;
    return false;
}

// A label "<caption> <n><separator><word>" where the word is onWord exactly when the label has
// the on colour, and offWord on the normal colour otherwise.
inline void requireStateLabel(const LiveLabel& label, const QString& prefix, bool on,
                              LiveColour onColour, int onWord, int offWord, Language language) {
    FUZZ_REQUIRE(label.text == prefix + messageText(on ? onWord : offWord, language));
    FUZZ_REQUIRE(label.colour == (on ? onColour : LiveColour::Normal));
}

inline void requireLiveTable(const MonitorData& d, const LiveDisplay& shown, Language language) {
    const auto text = [language](int message) { return messageText(message, language); };
    for (const FlagLabelRow& row : kFlagLabels)
        requireStateLabel(shown.*row.label, text(row.caption) + QStringLiteral(" - "),
                          d.*row.flag != 0, row.onColour, Msg::yes, Msg::no, language);
    for (int p = 0; p < 2; ++p)
        requireStateLabel(shown.pickups[p], text(Msg::pickup) + QStringLiteral(" %1 - ").arg(p + 1),
                          d.pickupRunning[p] != 0, LiveColour::Lime, Msg::isRunning, Msg::noSignal,
                          language);
    const std::uint8_t grounded[] = {d.input1Grounded, d.input2Grounded};
    const LiveColour groundedColour[] = {LiveColour::Fuchsia, LiveColour::Aqua};
    for (int i = 0; i < 2; ++i)
        requireStateLabel(shown.input[i], text(Msg::input) + QStringLiteral(" %1: ").arg(i + 1),
                          grounded[i] != 0, groundedColour[i], Msg::grounded, Msg::open, language);

    FUZZ_REQUIRE(shown.rpm.text == QStringLiteral("RPM = %1 ").arg(d.rpm));
    FUZZ_REQUIRE(
        colourIn(shown.rpm.colour, {LiveColour::Normal, LiveColour::Red, LiveColour::Yellow}));
    FUZZ_REQUIRE(colourIn(shown.supplyVoltage.colour,
                          {LiveColour::Normal, LiveColour::Red, LiveColour::Yellow}));
    FUZZ_REQUIRE(shown.supplyVoltage.text.startsWith(QStringLiteral("U = ")) &&
                 shown.supplyVoltage.text.endsWith(QStringLiteral(" [V]")));
    FUZZ_REQUIRE(colourIn(shown.tps.colour, {LiveColour::Normal, LiveColour::Red}));
    FUZZ_REQUIRE(shown.tps.text.startsWith(QStringLiteral("TP=")));
    FUZZ_REQUIRE(shown.rpmGauge >= 0 && shown.rpmGauge <= 100);
    FUZZ_REQUIRE(shown.tpsGauge >= 0 && shown.tpsGauge <= 100);

    const LiveColour servo = d.servoOk ? LiveColour::Normal : LiveColour::Red;
    FUZZ_REQUIRE(shown.servoDesired.colour == servo && shown.servoMeasured.colour == servo);
    FUZZ_REQUIRE(shown.servoDesired.text.startsWith(text(Msg::servoDesired)));
    FUZZ_REQUIRE(shown.servoMeasured.text.startsWith(text(Msg::servoMeasured)));

    FUZZ_REQUIRE(shown.advanceLabels == 1 || shown.advanceLabels == kChannels);
    for (int n = 0; n < shown.advanceLabels; ++n) {
        const LiveLabel& label = shown.advance[n];
        const bool pickupError = label.text.startsWith(text(Msg::pickupSystemError));
        FUZZ_REQUIRE(pickupError || label.text.startsWith(text(Msg::advance)));
        FUZZ_REQUIRE(pickupError
                         ? label.colour == LiveColour::Red
                         : colourIn(label.colour, {LiveColour::Normal, LiveColour::Yellow}));
    }
    FUZZ_REQUIRE(shown.versionVisible == (d.protocolVersion != kProtocolVersion));
    FUZZ_REQUIRE(shown.dataErrorVisible == (d.dataError != 0));
}

} // namespace varko
