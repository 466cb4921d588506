#pragma once
// The device link without a window: opens and polls the serial port, paces, re-sends and fails
// requests, runs the read, program and verify transfers, watches for a silent unit and re-opens
// or scans the port. Everything is counted in ticks of tick() (55 ms in the window and the
// command line); nothing here waits for time to pass except a frame write (bounded).

#include "link/DeviceInfo.h"
#include "link/LinkFrame.h"
#include "link/LinkOwner.h"
#include "link/LinkStatus.h"
#include "link/SerialPort.h"
#include "link/TransferStep.h"
#include "model/Normalize.h"
#include "model/ParamImage.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace varko {

constexpr int kTickMs = 55;

namespace LinkLimits {
constexpr int resendTicks = 4;        // an unanswered request goes out again after 4 ticks
constexpr int maxSends = 5;           // and fails the transfer on the 6th count
constexpr int idleRequestTicks = 6;   // live-data request while no transfer runs
constexpr int statusTicks = 200;      // how long a status text stays
constexpr int silentLimit = 18;       // ticks without an accepted frame until "no connection"
constexpr int reopenTicks = 30;       // re-open (or scan on) every 30 ticks while silent
constexpr int failedScanReopen = 200; // a failed open while scanning moves on at the next tick
constexpr int savingScale = 414;      // the unit's store-to-memory countdown starts here
constexpr int receiveBufferSize = 10000;
} // namespace LinkLimits

// The counters and flags of the link. Tests read them; the engine alone writes them.
struct LinkState {
    TransferStep step = TransferStep::Idle;
    std::uint8_t ticksSinceSend = 0;
    std::uint8_t sendAttempts = 0;
    std::uint8_t statusTicks = 0;
    bool programmedOk = false;
    std::uint16_t unitSavingCount = 0;
    // The unit's saving countdown shows on the status line while idle, unless a transfer other
    // than a program has begun since (its result stays).
    bool savingShown = true;
    bool printing = false;
    std::uint8_t silentTicks = LinkLimits::silentLimit; // starts in the no-connection state
    std::uint8_t reconnectTicks = 0;
    bool quietOpen = false;
    // The running read is a copy read: the unit's set as it sends it, neither brought into range
    // nor verified. Still set while the owner hears that it ended.
    bool copyRead = false;
    // Counts the connections: the first frame accepted after no connection or a port change
    // begins the next one.
    std::uint32_t connection = 0;
    // Counts every frame accepted from the unit, live data and replies alike.
    std::uint32_t framesAccepted = 0;

    TransferMode transferMode() const { return transferModeOf(step); }
};

class LinkEngine {
public:
    // Maps a port number (1..21) to the device it opens.
    using PortResolver = std::function<QString(int portNumber)>;

    // The window settings (port selection, scan index, language) belong to the owner and outlive
    // the engine; the engine reads and changes them in place. The image a transfer sends or
    // brings is the engine's own copy.
    LinkEngine(WindowSettings& settings, LinkOwner& owner, std::unique_ptr<SerialPort> port);
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // Every port number opens this resolver's device instead of the system's COM names.
    void setPortResolver(PortResolver resolver);

    void openPort();
    void closePort();
    bool portOpen() const { return port_->isOpen(); }
    // The port menu item i (0..19: COM1..COM20, 20: automatic scan) was chosen.
    void selectPort(int index);

    // One tick of the link timer.
    void tick();

    // Reads the unit's set, brings it into range (the model's normalization) and verifies that
    // the unit holds the set so brought.
    void startRead();
    // Reads the unit's set as a read does (same requests, pacing, re-sends and failures) and
    // keeps it exactly as the unit sent it: nothing is brought into range or verified. The status
    // line shows startText (a message number) in colour while it runs.
    void startCopyRead(int startText, StatusColour colour = StatusColour::Normal);
    // Compares the unit's set with image, which the engine copies.
    void startVerify(const ParamImage& image);
    // Programs image, which the engine copies, and verifies it. When the unit answers the first
    // request, the copy is brought into range before its blocks go out.
    void startProgram(const ParamImage& image);

    // New and Open hide the status line and gauge; a status display still running shows them
    // again at the next tick, as it would after any other hide.
    void hideStatus();

    // Shows a message (its number) on the status line, for as long as the engine's texts stay.
    void showStatusMessage(int message, StatusColour colour);

    // The owner closed the box of a message the engine asked it to show.
    void messageBoxClosed(LinkMessageKind kind);

    // Set by the live-monitor decoder from each valid live-data frame.
    void setUnitSavingCount(std::uint16_t count) { state_.unitSavingCount = count; }
    void setPrinting(bool printing) { state_.printing = printing; }

    // What the status line showed before a print stamp, to put back when the print fails.
    struct StatusLine {
        LinkStatus status;
        std::uint8_t statusTicks = 0;
    };
    // The printout's stamp in the status line for the status display time, with the connection
    // warning and the transfer gauge hidden. Returns the status line as it was.
    StatusLine showPrintStamp(const QString& stamp);
    // The status line as showPrintStamp found it.
    void restoreStatusLine(const StatusLine& before);

    // The reply step for a received frame that is not live data.
    void handleReply(const LinkFrame& frame);
    bool acceptReply(const LinkFrame& frame);

    const LinkState& state() const { return state_; }
    const LinkStatus& status() const { return status_; }
    const DeviceTexts& deviceTexts() const { return deviceTexts_; }

private:
    void pollPort();
    void sendBlockFrame();
    void sendIdleFrame();
    void writeFrame(const LinkFrame& frame);

    void beginTransfer(TransferStep first, int startText,
                       StatusColour colour = StatusColour::Normal);
    void paceTransfer();
    void paceIdle();
    void showStatusDisplay();
    void watchConnection();
    void reconnect();
    void heardFromUnit();

    void replyToRead(const LinkFrame& frame);
    void replyToProgram(const LinkFrame& frame);
    void replyToVerify(const LinkFrame& frame);
    void keepDeviceInfo(const LinkFrame& frame);
    void bringReadSetIntoRange();
    // Ends the transfer with the version message when the unit speaks another protocol.
    bool stopOnOtherVersion();
    void nextBlock();
    void verifyWhatWasSent();
    void endTransfer(TransferResult result);
    void showStatus(const QString& text, StatusColour colour);
    void setGauge(int position, int maximum);
    QString localizedText(int message) const;
    void publish();
    void publishAlways();

    WindowSettings& settings_;
    LinkOwner& owner_;
    std::unique_ptr<SerialPort> port_;
    PortResolver resolver_;

    LinkState state_;
    LinkStatus status_;
    LinkStatus published_;
    // The transfer as started; its last steps may belong to a verify.
    TransferMode startedMode_ = TransferMode::Idle;
    DeviceInfo deviceInfo_;
    DeviceTexts deviceTexts_;
    // Block 1 of a read waits here until block 2 has arrived, so a read that fails half-way
    // never leaves the image mixed.
    std::array<std::uint8_t, kBlockSize> stagedBlock1_{};
    // What a program sends, a verify compares, a read or copy read brought.
    ParamImage image_;
    // Both blocks of the running read (or copy read) have arrived in image_.
    bool unitSetArrived_ = false;
    bool portChanged_ = false;
    std::array<std::uint8_t, LinkLimits::receiveBufferSize> receiveBuffer_{};
};

} // namespace varko
