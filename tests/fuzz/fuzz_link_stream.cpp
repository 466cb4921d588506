// Serial bytes fed to the link engine through its receive path, in chunks of any size with a
// tick after each, while it is idle or in a transfer: no crash, every live-data frame handed on
// is a whole valid one whose decoded labels keep to the live table, and no transfer outlives
// the unit's silence.
//
// Input: a header (transfer and language, then five image fields the live decoding depends
// on), then records. A record's first byte says what follows: with bit 7 clear, that many raw
// bytes (0..127); with bit 7 set, a frame of a command byte and up to 100 data bytes (the rest
// zero) to which the valid check byte is added, so the fuzzer reaches past the check.

#include "LiveTable.h"
#include "ScriptedSerialPort.h"
#include "link/LinkEngine.h"
#include "link/LiveMonitor.h"

#include "FuzzSupport.h"

#include <memory>

using namespace varko;

namespace {

// With nothing arriving the request of the current step is sent maxSends times, resendTicks
// apart, and the transfer fails at the count after the last.
constexpr int kSilentTicksToEnd = (LinkLimits::maxSends + 1) * LinkLimits::resendTicks;
// A read with its verify takes some 530 bytes; every record costs a tick, so longer inputs
// would only slow the search down.
constexpr std::size_t kLongestStream = 1024;

class CheckingOwner final : public LinkOwner {
public:
    CheckingOwner(const ParamImage& image, const WindowSettings& settings)
        : image_(image), settings_(settings) {}

    LinkEngine* engine = nullptr;

    void showMessage(const LinkMessage& message) override { pendingBoxes_.push_back(message.kind); }
    void linkStatusChanged(const LinkStatus& status) override {
        FUZZ_REQUIRE(status.gaugePosition >= 0 && status.gaugePosition <= status.gaugeMaximum);
    }
    void onMonitorFrame(const LinkFrame& frame) override {
        FUZZ_REQUIRE(frame.command() == Command::monitorReply && checkByteValid(frame));
        const std::optional<DecodedMonitor> decoded =
            decodeMonitorFrame(frame, image_, settings_.language);
        FUZZ_REQUIRE(decoded);
        requireLiveTable(parseMonitorFrame(frame), decoded->display, settings_.language);
        // The window hands the unit's saving countdown to the link, which shows it as a gauge.
        engine->setUnitSavingCount(decoded->values.unitSavingCount);
    }

    // The window opens a box after the engine's call and tells the engine when it closes.
    void closeBoxes() {
        for (LinkMessageKind kind : std::exchange(pendingBoxes_, {}))
            engine->messageBoxClosed(kind);
    }

private:
    const ParamImage& image_;
    const WindowSettings& settings_;
    std::vector<LinkMessageKind> pendingBoxes_;
};

struct Input {
    const std::uint8_t* at;
    const std::uint8_t* end;
    std::size_t left() const { return static_cast<std::size_t>(end - at); }
    std::uint8_t next() { return at < end ? *at++ : 0; }
};

void appendRecord(Input& in, ScriptedSerialPort& port) {
    const std::uint8_t head = in.next();
    const std::size_t size = std::min<std::size_t>(head & 0x7F, in.left());
    if (!(head & 0x80)) {
        port.incoming.insert(port.incoming.end(), in.at, in.at + size);
        in.at += size;
        return;
    }
    const std::uint8_t command = in.next();
    std::array<std::uint8_t, kFrameDataSize> data{};
    const std::size_t dataSize = std::min<std::size_t>({size, in.left(), kFrameDataSize});
    std::copy_n(in.at, dataSize, data.begin());
    in.at += dataSize;
    port.feed(buildFrame(command, data));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, data + std::min(size, kLongestStream)};
    const std::uint8_t flags = in.next();
    ParamImage image;
    image[Field::bike] = in.next();
    image[Field::limiter] = in.next();
    image[Field::revsWithoutIgnition] = in.next();
    image[Field::lobeCount] = in.next();
    image[Field::throttleMap] = in.next();
    WindowSettings settings;
    settings.language = languageNumber((flags >> 2) % kLanguageCount);

    CheckingOwner owner(image, settings);
    auto scripted = std::make_unique<ScriptedSerialPort>();
    ScriptedSerialPort& port = *scripted;
    LinkEngine engine(settings, owner, std::move(scripted));
    engine.setPortResolver([](int) { return QStringLiteral("fuzz"); });
    owner.engine = &engine;
    engine.openPort();
    switch (static_cast<TransferMode>(flags & 3)) {
    case TransferMode::Read:
        engine.startRead();
        break;
    case TransferMode::Program:
        engine.startProgram(image);
        break;
    case TransferMode::Verify:
        engine.startVerify(image);
        break;
    case TransferMode::Idle:
        break;
    }

    auto tick = [&] {
        engine.tick();
        owner.closeBoxes();
    };
    while (in.left() > 0) {
        appendRecord(in, port);
        tick();
    }
    // The unit falls silent; a frame it began stays incomplete.
    port.incoming.clear();
    for (int i = 0; i < kSilentTicksToEnd; ++i)
        tick();
    FUZZ_REQUIRE(engine.state().step == TransferStep::Idle);
    return 0;
}
