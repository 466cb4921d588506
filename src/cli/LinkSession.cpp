#include "cli/LinkSession.h"

#include "cli/TickLoop.h"
#include "link/LinkEngine.h"
#include "link/PosixSerialPort.h"
#include "model/FormMapping.h"
#include "model/Messages.h"
#include "model/Normalize.h"

#include <QElapsedTimer>

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

    void collectImage() override { roundTripThroughControls(image_, testEnable_); }
    void normalize() override { varko::normalize(image_, settings_); }
    void showImage() override {}
    void showMessage(const LinkMessage& message) override {
        io_.err << message.text << "\n";
        portFailed = portFailed || message.kind == LinkMessageKind::ComOpeningError;
    }
    void linkStatusChanged(const LinkStatus&) override {}
    void transferEnded(TransferResult ended) override { result = ended; }

private:
    ParamImage& image_;
    WindowSettings& settings_;
    bool testEnable_;
    CliIo& io_;
};

} // namespace

bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io) {
    WindowSettings settings;
    CliLinkOwner owner(image, settings, testEnable, io);
    LinkEngine engine(image, settings, owner, std::make_unique<PosixSerialPort>());
    engine.setPortResolver([devicePath](int) { return devicePath; });
    engine.openPort();
    if (owner.portFailed)
        return false;

    bool started = false;
    bool noConnection = false;
    QElapsedTimer waited;
    waited.start();
    runTicks(engine, [&] {
        if (owner.result)
            return true;
        if (!started && engine.state().silentTicks < LinkLimits::silentLimit) {
            engine.startTransfer(transfer);
            started = true;
        } else if (!started && waited.elapsed() >= kConnectTimeoutMs) {
            noConnection = true;
            return true;
        }
        return false;
    });
    engine.closePort();

    if (noConnection) {
        io.err << "No connection with PC\n";
        return false;
    }
    switch (*owner.result) {
    case TransferResult::Ok:
        // A program's status line already moved on to its own OK; both end in the verify.
        io.out << messageText(Msg::verify, 0) << ": OK\n";
        return true;
    case TransferResult::VersionMismatch:
        return false; // its message is out already
    default:
        io.err << engine.status().statusText << "\n";
        return false;
    }
}

} // namespace varko::cli
