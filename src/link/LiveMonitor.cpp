#include "link/LiveMonitor.h"

#include "model/Messages.h"

#include <algorithm>

namespace varko {
namespace {

constexpr int kPickupErrorWidth = 40;
constexpr int kRpmGaugeFallback = 100; // limiter byte 0: count as 10000 rpm

class Decoder {
public:
    Decoder(const MonitorData& d, bool pickupError, const ParamImage& image, Language language,
            LiveReading& reading)
        : d_(d), pickupError_(pickupError), image_(image), language_(language), reading_(reading) {}

    LiveDisplay decode() {
        decodeSpeed();
        decodeSupply();
        out_.blocking = yesNo(Msg::motorOff, d_.motorOff, LiveColour::Red);
        decodeAdvance();
        out_.pilotLight = yesNo(Msg::gearShiftLight, d_.shiftLight, LiveColour::Yellow);
        decodePickups();
        decodeThrottle();
        decodeServo();
        out_.versionVisible = d_.protocolVersion != kProtocolVersion;
        if (out_.versionVisible)
            out_.versionText = versionMismatchText(d_.protocolVersion, language_);
        out_.dataErrorVisible = d_.dataError != 0;
        out_.programCount = localizedText(Msg::programCount) + QString::number(d_.programCount);
        for (int j = 0; j < 8; ++j)
            out_.test[j] = QString::asprintf("Test%d = %d ", j + 1, d_.testValue[j]);
        decodeInputs();
        out_.clutch = yesNo(Msg::clutchMaster, d_.clutchMaster, LiveColour::Lime);
        out_.killSwitch = yesNo(Msg::killSwitch, d_.killSwitch, LiveColour::Red);
        return out_;
    }

private:
    QString localizedText(int message) const { return messageText(message, language_); }

    static LiveColour colourWhen(bool on, LiveColour colour) {
        return on ? colour : LiveColour::Normal;
    }

    // "<caption> - YES" on the given colour, or "<caption> - NO" on the normal one.
    LiveLabel yesNo(int caption, std::uint8_t flag, LiveColour colour) const {
        return {localizedText(caption) + QStringLiteral(" - ") +
                    localizedText(flag ? Msg::yes : Msg::no),
                colourWhen(flag != 0, colour)};
    }

    void decodeSpeed() {
        out_.rpm.text = QString::asprintf("RPM = %d ", d_.rpm);
        out_.rpm.colour = d_.rpmRed      ? LiveColour::Red
                          : d_.rpmYellow ? LiveColour::Yellow
                                         : LiveColour::Normal;
        const int limiter = image_.limiter() != 0 ? image_.limiter() : kRpmGaugeFallback;
        out_.rpmGauge = std::clamp(d_.rpm / limiter, 0, 100);
    }

    void decodeSupply() {
        const int v = d_.supplyMillivolts;
        // asprintf formats in the C locale: the decimal point is '.' whatever the desktop uses.
        out_.supplyVoltage.text = QString::asprintf("U = %4.1f [V]", v * 0.001);
        if (!(v > 7000 && v < 17999))
            out_.supplyVoltage.colour = LiveColour::Red;
        else if (!(v > 11000 && v < 14999))
            out_.supplyVoltage.colour = LiveColour::Yellow;
    }

    void decodeAdvance() {
        const bool special = image_.bike() == kBikeSpecial;
        out_.advanceLabels = special ? kChannels : 1;
        reading_.channels = out_.advanceLabels;
        if (pickupError_) {
            const LiveLabel error{
                localizedText(Msg::pickupSystemError).leftJustified(kPickupErrorWidth),
                LiveColour::Red};
            std::fill_n(out_.advance.begin(), out_.advanceLabels, error);
            return;
        }
        if (special) {
            for (int n = 0; n < kChannels; ++n) {
                reading_.advance[n] = d_.channelAdvance[n] - 100;
                out_.advance[n] =
                    advanceLabel(n + 1, d_.channelAdvance[n] - 100, d_.channelMaxAdvance[n]);
            }
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
        reading_.advance[0] = largest;
        out_.advance[0] = advanceLabel(0, largest, smallestLimit);
    }

    // channel 0: the one label of all channels, which carries no number.
    LiveLabel advanceLabel(int channel, int advance, int limit) const {
        const QString degree = QString::fromUtf8("[\u00B0]");
        QString text = localizedText(Msg::advance);
        if (channel > 0)
            text += QStringLiteral(" %1").arg(channel);
        text += QStringLiteral(" = %1 %2").arg(advance).arg(degree);
        if (limit != 0)
            text += QStringLiteral(" /max %1 %2").arg(limit).arg(degree);
        return {text, colourWhen(limit > 0 && advance >= limit, LiveColour::Yellow)};
    }

    void decodePickups() {
        for (int p = 0; p < 2; ++p) {
            const bool running = d_.pickupRunning[p] != 0;
            out_.pickups[p] = {localizedText(Msg::pickup) + QStringLiteral(" %1 - ").arg(p + 1) +
                                   localizedText(running ? Msg::isRunning : Msg::noSignal),
                               colourWhen(running, LiveColour::Lime)};
        }
    }

    void decodeThrottle() {
        const std::uint32_t millivolts = rawToMillivolts(d_.tpsRaw);
        if (d_.tpsPercent <= 100) {
            out_.tps.text = QString::asprintf("TP= %d [%%]= %u [mV]", d_.tpsPercent, millivolts);
            out_.tpsGauge = d_.tpsPercent;
        } else {
            out_.tps.text = QString::asprintf("TP=error = %u [mV]", millivolts);
            out_.tps.colour = colourWhen(image_.throttleMap() != 0, LiveColour::Red);
            out_.tpsGauge = 0;
        }
    }

    void decodeServo() {
        const LiveColour colour = colourWhen(d_.servoOk == 0, LiveColour::Red);
        out_.servoDesired = {localizedText(Msg::servoDesired) +
                                 QString::asprintf(" %u [mV]", rawToMillivolts(d_.servoDesiredRaw)),
                             colour};
        out_.servoMeasured = {
            localizedText(Msg::servoMeasured) +
                QString::asprintf(" %u [mV]", rawToMillivolts(d_.servoMeasuredRaw)),
            colour};
    }

    void decodeInputs() {
        constexpr LiveColour grounded[] = {LiveColour::Fuchsia, LiveColour::Aqua};
        const std::uint8_t flags[] = {d_.input1Grounded, d_.input2Grounded};
        for (int i = 0; i < 2; ++i) {
            out_.input[i] = {localizedText(Msg::input) + QStringLiteral(" %1: ").arg(i + 1) +
                                 localizedText(flags[i] ? Msg::grounded : Msg::open),
                             colourWhen(flags[i] != 0, grounded[i])};
        }
    }

    const MonitorData& d_;
    bool pickupError_;
    const ParamImage& image_;
    Language language_;
    LiveReading& reading_;
    LiveDisplay out_;
};

} // namespace

QString versionMismatchText(int unitVersion, Language language) {
    return messageText(Msg::unmatchedProtocol, language) +
           QStringLiteral("  PC-%1, IGN-%2").arg(int(kProtocolVersion)).arg(unitVersion);
}

bool pickupSystemError(const MonitorData& d, const ParamImage& image) {
    const long revs = image.revsWithoutIgnition();
    const long lobes = revs * image.lobeCount();
    for (int p = 0; p < 2; ++p) {
        if (d.pickupRevs[p] < revs && lobes < d.pickupLobes[p])
            return true;
    }
    return false;
}

std::optional<LiveRecord> liveRecordOf(const LinkFrame& frame, const ParamImage& image) {
    if (!checkByteValid(frame))
        return std::nullopt;
    LiveRecord record;
    record.data = parseMonitorFrame(frame);
    record.pickupError = pickupSystemError(record.data, image);
    return record;
}

std::optional<DecodedMonitor> decodeMonitorFrame(const LinkFrame& frame, const ParamImage& image,
                                                 Language language) {
    const auto record = liveRecordOf(frame, image);
    if (!record)
        return std::nullopt;
    return decodeLiveRecord(*record, image, language);
}

DecodedMonitor decodeLiveRecord(const LiveRecord& record, const ParamImage& image,
                                Language language) {
    const MonitorData& d = record.data;
    DecodedMonitor decoded;
    decoded.values.liveTpsPercent = d.tpsPercent;
    decoded.values.liveRpm = d.rpm;
    decoded.values.liveTpsMillivolts = rawToMillivolts(d.tpsRaw);
    decoded.values.unitSavingCount = d.savingCount;
    decoded.values.programCount = d.programCount;
    decoded.reading.rpm = d.rpm;
    if (d.tpsPercent <= 100)
        decoded.reading.tpsPercent = d.tpsPercent;
    decoded.reading.supplyMillivolts = d.supplyMillivolts;
    decoded.display = Decoder(d, record.pickupError, image, language, decoded.reading).decode();
    return decoded;
}

} // namespace varko
