#include "cli/MonitorSession.h"

#include "cli/LinkSession.h"
#include "cli/TickLoop.h"
#include "link/LinkEngine.h"
#include "link/LiveDataCsv.h"
#include "link/SerialPort.h"

#include <QElapsedTimer>

#include <csignal>

namespace varko::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;
void onInterrupt(int) {
    interrupted = 1;
}

// The window's part of the link without a window: only the live-data frames matter here.
class MonitorOwner final : public LinkOwner {
public:
    MonitorOwner(const MonitorOptions& options, CliIo& io)
        : options_(options), io_(io),
          columns_(options.timestamps ? LiveCsvColumns::TimedMonitor : LiveCsvColumns::Monitor) {}

    int framesSeen = 0;
    bool portFailed = false;
    QElapsedTimer sinceLastFrame; // started when the port opens
    QElapsedTimer sinceHeader;

    LiveCsvColumns columns() const { return columns_; }

    bool done() const { return options_.frames > 0 && framesSeen >= options_.frames; }

    void collectImage() override {}
    void normalize() override {}
    void showImage() override {}
    void showMessage(const LinkMessage& message) override {
        io_.err << message.text << "\n";
        io_.err.flush();
        portFailed = portFailed || message.kind == LinkMessageKind::ComOpeningError;
    }
    void linkStatusChanged(const LinkStatus&) override {}
    void onMonitorFrame(const LinkFrame& frame) override {
        sinceLastFrame.restart();
        if (done())
            return;
        ++framesSeen;
        LiveRecord record = *liveRecordOf(frame, options_.set); // the engine checked the frame
        record.timeMs = sinceHeader.elapsed();
        io_.out << liveCsvLine(record, columns_) << "\n";
        io_.out.flush(); // a reader on a pipe sees each frame as it comes
    }

private:
    const MonitorOptions& options_;
    CliIo& io_;
    LiveCsvColumns columns_;
};

} // namespace

bool runMonitor(const QString& devicePath, const MonitorOptions& options, CliIo& io) {
    ParamImage image; // nothing is transferred; the engine needs an image to own
    WindowSettings settings;
    MonitorOwner owner(options, io);
    LinkEngine engine(image, settings, owner, makeSystemSerialPort());
    engine.setPortResolver([devicePath](int) { return devicePath; });
    owner.sinceLastFrame.start();
    engine.openPort();
    if (owner.portFailed)
        return false;
    io.out << liveCsvHeader(owner.columns()) << "\n";
    io.out.flush();
    owner.sinceHeader.start();

    interrupted = 0;
    const auto previousInt = std::signal(SIGINT, onInterrupt);
    const auto previousTerm = std::signal(SIGTERM, onInterrupt);
    bool noConnection = false;
    // A unit that vanishes, or falls silent, after frames came is given up on the same way as
    // one that never answered: the rows printed so far stay.
    runTicks(engine, [&] {
        noConnection = owner.sinceLastFrame.elapsed() >= kConnectTimeoutMs;
        return noConnection || owner.done() || interrupted;
    });
    engine.closePort();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);

    if (noConnection)
        io.err << "No connection with PC\n";
    return !noConnection;
}

} // namespace varko::cli
