#include "cli/LinkSession.h"

#include "cli/TickLoop.h"
#include "link/LinkEngine.h"
#include "link/LiveMonitor.h"
#include "link/MonitorFrame.h"
#include "link/PosixSerialPort.h"
#include "model/FormMapping.h"
#include "model/ImageDiff.h"
#include "model/Messages.h"
#include "model/Normalize.h"

#include <QElapsedTimer>
#include <QStringList>

#include <optional>

namespace varko::cli {
namespace {

// The window's part of a transfer without widgets: the controls are the image itself, so
// collecting means the round trip through the controls' ranges, and showing changes nothing.
class CliLinkOwner final : public LinkOwner {
public:
    CliLinkOwner(ParamImage& image, WindowSettings& settings, bool testEnable, CliIo& io)
        : image_(image), settings_(settings), testEnable_(testEnable), io_(io) {}

    std::optional<TransferResult> result;
    bool portFailed = false;
    std::optional<int> liveVersion; // the protocol version of the first live-data frame
    // The bytes the last normalization changed: offset, value before, value after.
    QStringList rangeChanges;
    // A read's image as the unit sent it, before the normalization.
    std::optional<ParamImage> unitAsRead;
    std::optional<ParamImage> unitSetCopy; // what a copy read brought
    int programCount = -1;                 // from the live data, when any came

    void collectImage() override { roundTripThroughControls(image_, testEnable_); }
    void normalize() override {
        const ParamImage before = image_;
        if (reading_ && !unitAsRead)
            unitAsRead = before;
        varko::normalize(image_, settings_);
        rangeChanges.clear();
        for (int i = 0; i < kImageSize; ++i)
            if (before[i] != image_[i])
                rangeChanges << QStringLiteral("%1: %2 -> %3").arg(i).arg(before[i]).arg(image_[i]);
    }
    void showImage() override {}
    void showMessage(const LinkMessage& message) override {
        io_.err << message.text << "\n";
        portFailed = portFailed || message.kind == LinkMessageKind::ComOpeningError;
    }
    void linkStatusChanged(const LinkStatus&) override {}
    void onMonitorFrame(const LinkFrame& frame) override {
        const MonitorData data = parseMonitorFrame(frame);
        if (!liveVersion)
            liveVersion = data.protocolVersion;
        programCount = data.programCount;
    }
    void readStarted() override { reading_ = true; }
    void transferEnded(TransferMode, TransferResult ended) override { result = ended; }
    void copyReadEnded(TransferResult, const std::optional<ParamImage>& unitSet) override {
        unitSetCopy = unitSet;
    }

private:
    ParamImage& image_;
    WindowSettings& settings_;
    bool testEnable_;
    CliIo& io_;
    bool reading_ = false;
};

bool heardFrom(const LinkEngine& engine) {
    return engine.state().silentTicks < LinkLimits::silentLimit;
}

// What one session with the unit came to, before anything is said about it.
struct Session {
    bool portFailed = false;
    bool noConnection = false;            // the unit never answered, or sent no live data in time
    std::optional<int> otherVersion;      // a verify found live data of this protocol version
    std::optional<TransferResult> result; // the transfer's end, when it started
    QString statusText;                   // the transfer's own message
    QStringList rangeChanges;             // see CliLinkOwner
    std::optional<ParamImage> unitAsRead; // a read's image as the unit holds it
    std::optional<UnitSetCopy> copy;      // what a copy read brought
};

// A copy read runs as a read does, into a copy of its own.
Session runSession(TransferMode transfer, const QString& devicePath, ParamImage& image,
                   bool testEnable, CliIo& io, bool copyRead = false) {
    WindowSettings settings;
    CliLinkOwner owner(image, settings, testEnable, io);
    LinkEngine engine(image, settings, owner, std::make_unique<PosixSerialPort>());
    engine.setPortResolver([devicePath](int) { return devicePath; });
    Session session;
    engine.openPort();
    if (owner.portFailed) {
        session.portFailed = true;
        return session;
    }

    // A read or a program learns the unit's protocol version from its first answer, so it starts
    // at once. A verify reads only the parameter blocks: it first waits for one live-data frame
    // to learn the version, since comparing against another protocol's layout means nothing.
    const bool waitForLiveData = transfer == TransferMode::Verify;
    bool started = !waitForLiveData;
    if (copyRead)
        engine.startCopyRead(Msg::backupRead);
    else if (started)
        engine.startTransfer(transfer);
    bool heard = false;
    bool noConnection = false;
    QElapsedTimer waited;
    waited.start();
    runTicks(engine, [&] {
        heard = heard || heardFrom(engine);
        if (owner.result)
            return true;
        if (!started && owner.liveVersion) {
            if (*owner.liveVersion != kProtocolVersion)
                return true;
            engine.startTransfer(transfer);
            started = true;
        }
        noConnection = !started && waited.elapsed() >= kConnectTimeoutMs;
        return noConnection;
    });
    engine.closePort();

    if (!started && owner.liveVersion) {
        session.otherVersion = owner.liveVersion;
        return session;
    }
    // A unit that never answered anything gets the same words whether the transfer gave up on
    // it or it sent no live data in time.
    session.noConnection = noConnection || (!heard && *owner.result != TransferResult::Ok);
    session.result = owner.result;
    session.statusText = engine.status().statusText;
    session.rangeChanges = owner.rangeChanges;
    session.unitAsRead = owner.unitAsRead;
    if (owner.unitSetCopy) {
        session.copy = UnitSetCopy{*owner.unitSetCopy,
                                   unitIdentityOf(engine.deviceTexts(), owner.programCount)};
    }
    return session;
}

// Says why a session failed, unless it ended well; true when it did.
bool endedWell(const Session& session, CliIo& io) {
    if (session.portFailed)
        return false;
    if (session.otherVersion) {
        io.err << versionMismatchText(*session.otherVersion, 0) << "\n";
        return false;
    }
    if (session.noConnection) {
        io.err << "No connection with PC\n";
        return false;
    }
    switch (*session.result) {
    case TransferResult::Ok:
        return true;
    case TransferResult::VersionMismatch:
        return false; // its message is out already
    default:
        io.err << session.statusText << "\n";
        return false;
    }
}

// After a verify found the unit holding another set: the unit's set, read as it is, against
// what was sent, one line per differing byte. Nothing when the unit cannot be read.
void reportDifferences(const ParamImage& sent, const QString& devicePath, bool testEnable,
                       CliIo& io) {
    ParamImage unit;
    const Session read = runSession(TransferMode::Read, devicePath, unit, testEnable, io);
    if (!read.unitAsRead)
        return;
    ParamImage asRead = *read.unitAsRead;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (!verifyCompares(offset))
            asRead[offset] = sent[offset];
    }
    io.err << diffLines(sent, asRead);
}

} // namespace

bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io) {
    const Session session = runSession(transfer, devicePath, image, testEnable, io);
    if (endedWell(session, io)) {
        // A program's status line already moved on to its own OK; both end in the verify.
        io.out << messageText(Msg::verify, 0) << ": OK\n";
        return true;
    }
    if (session.result) {
        // A read verifies the set as normalized; a unit holding values out of range fails that.
        if (transfer == TransferMode::Read && *session.result == TransferResult::VerifyError &&
            !session.rangeChanges.isEmpty())
            io.err << "The unit's parameter set changed when brought into range (offset: unit -> "
                      "now): "
                   << session.rangeChanges.join(QStringLiteral(", ")) << "\n";
        if (transfer == TransferMode::Verify && *session.result == TransferResult::VerifyError)
            reportDifferences(image, devicePath, testEnable, io);
    }
    return false;
}

std::optional<UnitSetCopy> copyUnitSet(const QString& devicePath, CliIo& io) {
    ParamImage untouched;
    const Session session =
        runSession(TransferMode::Read, devicePath, untouched, false, io, /*copyRead=*/true);
    return endedWell(session, io) ? session.copy : std::nullopt;
}

} // namespace varko::cli
