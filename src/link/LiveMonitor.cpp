#include "link/LiveMonitor.h"

#include "model/Messages.h"

#include <algorithm>

namespace varko {
namespace {

constexpr int kPickupErrorWidth = 40;
constexpr int kRpmGaugeFallback = 100; // limiter byte 0: count as 10000 rpm

class Decoder {
public:
    Decoder(const MonitorData& d, const ParamImage& image, std::uint8_t language)
        : d_(d), image_(image), language_(language) {}

    LiveDisplay Run() {
        Speed();
        Supply();
        out_.blocking = YesNo(Msg::motorOff, d_.motorOff, LiveColour::Red);
        Advance();
        out_.pilotLight = YesNo(Msg::gearShiftLight, d_.shiftLight, LiveColour::Yellow);
        Pickups();
        Throttle();
        Servo();
        out_.versionVisible = d_.protocolVersion != kProtocolVersion;
        if (out_.versionVisible)
            out_.versionText = VersionMismatchText(d_.protocolVersion, language_);
        out_.dataErrorVisible = d_.dataError != 0;
        out_.programCount = Text(Msg::programCount) + QString::number(d_.programCount);
        for (int j = 0; j < 8; ++j)
            out_.test[j] = QString::asprintf("Test%d = %d ", j + 1, d_.testValue[j]);
        Inputs();
        out_.clutch = YesNo(Msg::clutchMaster, d_.clutchMaster, LiveColour::Lime);
        out_.killSwitch = YesNo(Msg::killSwitch, d_.killSwitch, LiveColour::Red);
        return out_;
    }

private:
    QString Text(int message) const { return MessageText(message, language_); }

    static LiveColour When(bool on, LiveColour colour) { return on ? colour : LiveColour::Normal; }

    // "<caption> - YES" on the given colour, or "<caption> - NO" on the normal one.
    LiveLabel YesNo(int caption, std::uint8_t flag, LiveColour colour) const {
        return {Text(caption) + QStringLiteral(" - ") + Text(flag ? Msg::yes : Msg::no),
                When(flag != 0, colour)};
    }

    void Speed() {
        out_.rpm.text = QString::asprintf("RPM = %d ", d_.rpm);
        out_.rpm.colour = d_.rpmRed      ? LiveColour::Red
                          : d_.rpmYellow ? LiveColour::Yellow
                                         : LiveColour::Normal;
        const int limiter = image_.limiter() != 0 ? image_.limiter() : kRpmGaugeFallback;
        out_.rpmGauge = std::clamp(d_.rpm / limiter, 0, 100);
    }

    void Supply() {
        const int v = d_.supplyMillivolts;
        // asprintf formats in the C locale: the decimal point is '.' whatever the desktop uses.
        out_.napeti.text = QString::asprintf("U = %4.1f [V]", v * 0.001);
        if (!(v > 7000 && v < 17999))
            out_.napeti.colour = LiveColour::Red;
        else if (!(v > 11000 && v < 14999))
            out_.napeti.colour = LiveColour::Yellow;
    }

    bool PickupError() const {
        const long revs = image_.revsWithoutIgnition();
        const long lobes = revs * image_.lobeCount();
        for (int p = 0; p < 2; ++p) {
            if (d_.pickupRevs[p] < revs && lobes < d_.pickupLobes[p])
                return true;
        }
        return false;
    }

    void Advance() {
        const bool special = image_.bike() == kBikeSpecial;
        out_.advanceLabels = special ? kChannels : 1;
        if (PickupError()) {
            const LiveLabel error{Text(Msg::pickupSystemError).leftJustified(kPickupErrorWidth),
                                  LiveColour::Red};
            std::fill_n(out_.advance.begin(), out_.advanceLabels, error);
            return;
        }
        if (special) {
            for (int n = 0; n < kChannels; ++n)
                out_.advance[n] =
                    AdvanceLabel(n + 1, d_.channelAdvance[n] - 100, d_.channelMaxAdvance[n]);
            return;
        }
        int smallestLimit = 0;
        int largest = 0;
        for (int n = 0; n < kChannels; ++n) {
            const int limit = d_.channelMaxAdvance[n];
            if (limit != 0 && (smallestLimit == 0 || limit < smallestLimit))
                smallestLimit = limit;
            largest = std::max(largest, d_.channelAdvance[n] - 100);
        }
        out_.advance[0] = AdvanceLabel(0, largest, smallestLimit);
    }

    // channel 0: the one label of all channels, which carries no number.
    LiveLabel AdvanceLabel(int channel, int advance, int limit) const {
        const QString degree = QString::fromUtf8("[\u00B0]");
        QString text = Text(Msg::advance);
        if (channel > 0)
            text += QStringLiteral(" %1").arg(channel);
        text += QStringLiteral(" = %1 %2").arg(advance).arg(degree);
        if (limit != 0)
            text += QStringLiteral(" /max %1 %2").arg(limit).arg(degree);
        return {text, When(limit > 0 && advance >= limit, LiveColour::Yellow)};
    }

    void Pickups() {
        for (int p = 0; p < 2; ++p) {
            const bool running = d_.pickupRunning[p] != 0;
            out_.snimac[p] = {Text(Msg::pickup) + QStringLiteral(" %1 - ").arg(p + 1) +
                                  Text(running ? Msg::isRunning : Msg::noSignal),
                              When(running, LiveColour::Lime)};
        }
    }

    void Throttle() {
        const std::uint32_t millivolts = RawToMillivolts(d_.tpsRaw);
        if (d_.tpsPercent <= 100) {
            out_.tps.text = QString::asprintf("TP= %d [%%]= %u [mV]", d_.tpsPercent, millivolts);
            out_.tpsGauge = d_.tpsPercent;
        } else {
            out_.tps.text = QString::asprintf("TP=error = %u [mV]", millivolts);
            out_.tps.colour = When(image_.tpsMapa() != 0, LiveColour::Red);
            out_.tpsGauge = 0;
        }
    }

    void Servo() {
        const LiveColour colour = When(d_.servoOk == 0, LiveColour::Red);
        out_.priveraPoz = {Text(Msg::servoDesired) +
                               QString::asprintf(" %u [mV]", RawToMillivolts(d_.servoDesiredRaw)),
                           colour};
        out_.priveraMer = {Text(Msg::servoMeasured) +
                               QString::asprintf(" %u [mV]", RawToMillivolts(d_.servoMeasuredRaw)),
                           colour};
    }

    void Inputs() {
        constexpr LiveColour grounded[] = {LiveColour::Fuchsia, LiveColour::Aqua};
        const std::uint8_t flags[] = {d_.input1Grounded, d_.input2Grounded};
        for (int i = 0; i < 2; ++i) {
            out_.input[i] = {Text(Msg::input) + QStringLiteral(" %1: ").arg(i + 1) +
                                 Text(flags[i] ? Msg::grounded : Msg::open),
                             When(flags[i] != 0, grounded[i])};
        }
    }

    const MonitorData& d_;
    const ParamImage& image_;
    std::uint8_t language_;
    LiveDisplay out_;
};

} // namespace

QString VersionMismatchText(int unitVersion, std::uint8_t language) {
    return MessageText(Msg::unmatchedProtocol, language) +
           QStringLiteral("  PC-%1, IGN-%2").arg(int(kProtocolVersion)).arg(unitVersion);
}

std::optional<DecodedMonitor> DecodeMonitorFrame(const LinkFrame& frame, const ParamImage& image,
                                                 std::uint8_t language) {
    if (!CheckByteValid(frame))
        return std::nullopt;
    const MonitorData d = ParseMonitorFrame(frame);
    DecodedMonitor decoded;
    decoded.values.liveTpsPercent = d.tpsPercent;
    decoded.values.liveRpm = d.rpm;
    decoded.values.liveTpsMillivolts = RawToMillivolts(d.tpsRaw);
    decoded.values.unitSavingCount = d.savingCount;
    decoded.display = Decoder(d, image, language).Run();
    return decoded;
}

} // namespace varko
