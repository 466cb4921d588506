#include "cli/MonitorSession.h"

#include "cli/LinkSession.h"
#include "cli/TickLoop.h"
#include "link/LinkEngine.h"
#include "link/PosixSerialPort.h"

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
    MonitorOwner(int frames, CliIo& io) : framesLeft_(frames), io_(io) {}

    int framesSeen = 0;
    bool portFailed = false;
    QElapsedTimer sinceLastFrame; // started when the port opens

    bool done() const { return framesLeft_ > 0 && framesSeen >= framesLeft_; }

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
        io_.out << monitorCsvLine(parseMonitorFrame(frame)) << "\n";
        io_.out.flush(); // a reader on a pipe sees each frame as it comes
    }

private:
    int framesLeft_;
    CliIo& io_;
};

int flagValue(std::uint8_t value) {
    return value != 0 ? 1 : 0;
}

} // namespace

QString monitorCsvHeader() {
    return QStringLiteral("rpm,tps_percent,tps_mv,supply_mv,advance1,advance2,advance3,advance4,"
                          "pickup1,pickup2,kill_switch,clutch_master,shift_light,motor_off,"
                          "servo_desired_mv,servo_measured_mv,program_count,saving_count,"
                          "data_error,protocol_version");
}

QString monitorCsvLine(const MonitorData& d) {
    QStringList fields;
    const auto add = [&fields](auto value) { fields << QString::number(value); };
    add(d.rpm);
    add(d.tpsPercent);
    add(rawToMillivolts(d.tpsRaw));
    add(d.supplyMillivolts);
    for (std::uint8_t advance : d.channelAdvance)
        add(int(advance) - 100);
    add(flagValue(d.pickupRunning[0]));
    add(flagValue(d.pickupRunning[1]));
    add(flagValue(d.killSwitch));
    add(flagValue(d.clutchMaster));
    add(flagValue(d.shiftLight));
    add(flagValue(d.motorOff));
    add(rawToMillivolts(d.servoDesiredRaw));
    add(rawToMillivolts(d.servoMeasuredRaw));
    add(d.programCount);
    add(d.savingCount);
    add(flagValue(d.dataError));
    add(d.protocolVersion);
    return fields.join(',');
}

bool runMonitor(const QString& devicePath, int frames, CliIo& io) {
    ParamImage image; // nothing is transferred; the engine needs an image to own
    WindowSettings settings;
    MonitorOwner owner(frames, io);
    LinkEngine engine(image, settings, owner, std::make_unique<PosixSerialPort>());
    engine.setPortResolver([devicePath](int) { return devicePath; });
    owner.sinceLastFrame.start();
    engine.openPort();
    if (owner.portFailed)
        return false;
    io.out << monitorCsvHeader() << "\n";
    io.out.flush();

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
