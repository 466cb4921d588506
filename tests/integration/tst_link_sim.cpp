// The real link engine on a real serial port layer, talking to varko-sim over a pseudo-terminal.
// Ticks run faster than the window's 55 ms where the test allows it: the protocol counts ticks,
// and the simulator answers within a few milliseconds. One test keeps the real pace.

#include "RecordingOwner.h"
#include "ScopedConfigDir.h"
#include "SimulatedUnit.h"
#include "SimulatorProcess.h"
#include "link/LinkEngine.h"
#include "link/PosixSerialPort.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace varko;

namespace {

constexpr int kFastTickMs = 20;
// How many fast ticks a connection, a transfer and the unit's return may take at most.
constexpr int kConnectTicks = 100;
constexpr int kTransferTicks = 200;
constexpr int kReturnTicks = 50;

ParamImage editedImage() {
    ParamImage image = sim::SimulatedUnit::factoryImage();
    image.limiter() += 5;
    for (int row = 0; row < kBreakpoints; ++row)
        image.advance(row, 3) = static_cast<std::uint8_t>(10 + row);
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

// The window's side of the link, minus the widgets.
struct Station {
    ParamImage image; // what a program or verify sends; a read's set replaces it as it arrives
    WindowSettings settings;
    RecordingOwner owner;
    LinkEngine engine{settings, owner, std::make_unique<PosixSerialPort>()};

    int tickMs = kFastTickMs;

    explicit Station(int com) {
        settings.portSelection = static_cast<std::uint8_t>(com - 1);
        owner.engine = &engine;
        engine.openPort();
    }

    void tick() {
        engine.tick();
        owner.closeBoxes();
        if (owner.arrivedSets.size() > readsTaken_) {
            image = owner.arrivedSets.back();
            readsTaken_ = owner.arrivedSets.size();
        }
    }
    // Ticks at its pace until done() or the limit; true when done.
    template <typename Done> bool tickUntil(Done done, int limit) {
        for (int t = 0; t < limit; ++t) {
            std::this_thread::sleep_for(std::chrono::milliseconds(tickMs));
            tick();
            if (done())
                return true;
        }
        return false;
    }
    // A frame was accepted within the last 18 ticks.
    bool connected() const { return engine.state().silentTicks < LinkLimits::silentLimit; }
    bool connect() {
        return tickUntil([this] { return connected(); }, kConnectTicks);
    }
    bool run(TransferMode transfer) {
        const std::size_t before = owner.results.size();
        if (transfer == TransferMode::Read)
            engine.startRead();
        else if (transfer == TransferMode::Program)
            engine.startProgram(image);
        else
            engine.startVerify(image);
        return tickUntil([&] { return owner.results.size() > before; }, kTransferTicks);
    }
    QString statusText() const { return engine.status().statusText; }

private:
    std::size_t readsTaken_ = 0;
};

} // namespace

Q_DECLARE_METATYPE(varko::TransferMode)

class TestLinkSim : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void readAtTheRealPace() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        Station station(kSimulatorPort);
        QTimer timer; // as the window drives it
        timer.setInterval(kTickMs);
        QEventLoop loop;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            station.tick();
            if (!station.owner.results.empty())
                loop.quit();
            else if (station.connected() &&
                     station.engine.state().transferMode() == TransferMode::Idle)
                station.engine.startRead();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        timer.start();
        loop.exec();
        QCOMPARE(station.owner.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(station.image, sim::SimulatedUnit::factoryImage());
        QCOMPARE(station.statusText(), QString("Verify:: OK"));
        QCOMPARE(station.engine.deviceTexts().deviceName, QString("SIM01"));
        QVERIFY(simulator.stop());
        QVERIFY(!QFileInfo(simulatorPortLink(config_->path())).isSymLink());
    }

    void programThenVerify() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        Station station(kSimulatorPort);
        QVERIFY(station.connect());
        station.image = editedImage();
        QVERIFY(station.run(TransferMode::Program));
        QCOMPARE(station.owner.results.back(), TransferResult::Ok);
        QCOMPARE(station.statusText(), QString("Program device:: OK"));

        QVERIFY(station.run(TransferMode::Verify));
        QCOMPARE(station.owner.results.back(), TransferResult::Ok);

        // What the unit now holds comes back on a read by another station.
        station.engine.closePort();
        Station reader(kSimulatorPort);
        QVERIFY(reader.connect());
        QVERIFY(reader.run(TransferMode::Read));
        QCOMPARE(reader.image, editedImage());

        reader.image.advance(0, 0) += 1;
        QVERIFY(reader.run(TransferMode::Verify));
        QCOMPARE(reader.owner.results.back(), TransferResult::VerifyError);
        QCOMPARE(reader.statusText(), QString("Verify error!"));
    }

    void unitBehaviour_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<TransferMode>("transfer");
        QTest::addColumn<TransferResult>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tickMs");
        QTest::newRow("read") << QStringList{} << TransferMode::Read << TransferResult::Ok
                              << "Verify:: OK" << kFastTickMs;
        QTest::newRow("version 74")
            << QStringList{"--protocol-version", "74"} << TransferMode::Read
            << TransferResult::VersionMismatch
            << "Unmatched version of PC and Ignition programs!  PC-75, IGN-74" << kFastTickMs;
        QTest::newRow("reading refused")
            << QStringList{"--refuse-reading"} << TransferMode::Read << TransferResult::NoReading
            << "No reading!" << kFastTickMs;
        QTest::newRow("every second answer dropped")
            << QStringList{"--answer-every", "2"} << TransferMode::Program << TransferResult::Ok
            << "Program device:: OK" << kFastTickMs;
        QTest::newRow("every second check byte corrupted")
            << QStringList{"--corrupt-check", "2"} << TransferMode::Program << TransferResult::Ok
            << "Program device:: OK" << kFastTickMs;
        QTest::newRow("echo with a flipped bit")
            << QStringList{"--flip-echo"} << TransferMode::Program << TransferResult::ProgramError
            << "Program error!" << kFastTickMs;
        QTest::newRow("silent unit")
            << QStringList{"--silent"} << TransferMode::Verify << TransferResult::VerifyError
            << "Verify error!" << kFastTickMs;
        // What a real line does to the answers; the timed faults at the window's pace.
        QTest::newRow("answers in 4 pieces, 15 ms apart")
            << QStringList{"--split-reply", "4", "--piece-gap", "15"} << TransferMode::Program
            << TransferResult::Ok << "Program device:: OK" << kTickMs;
        QTest::newRow("answers later than one tick")
            << QStringList{"--delay-reply", "80"} << TransferMode::Read << TransferResult::Ok
            << "Verify:: OK" << kTickMs;
        QTest::newRow("answers far too late")
            << QStringList{"--delay-reply", "1500"} << TransferMode::Verify
            << TransferResult::VerifyError << "Verify error!" << kTickMs;
        QTest::newRow("every 5th answer cut off half-way")
            << QStringList{"--truncate-every", "5"} << TransferMode::Read << TransferResult::Ok
            << "Verify:: OK" << kFastTickMs;
        QTest::newRow("stray bytes before every 2nd answer")
            << QStringList{"--garbage-every", "2"} << TransferMode::Program << TransferResult::Ok
            << "Program device:: OK" << kFastTickMs;
        QTest::newRow("every answer twice")
            << QStringList{"--double-every", "1"} << TransferMode::Read << TransferResult::Ok
            << "Verify:: OK" << kFastTickMs;
    }
    void unitBehaviour() {
        QFETCH(QStringList, faults);
        QFETCH(TransferMode, transfer);
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort, faults));
        Station station(kSimulatorPort);
        QFETCH(int, tickMs);
        station.tickMs = tickMs;
        if (!faults.contains("--silent"))
            QVERIFY(station.connect());
        station.image = editedImage();
        QVERIFY(station.run(transfer));
        QTEST(station.owner.results.back(), "result");
        QFETCH(QString, text);
        if (station.owner.results.back() == TransferResult::VersionMismatch) {
            QCOMPARE(station.owner.messages.back().text, text);
            QCOMPARE(station.image, editedImage()); // not replaced
        } else {
            QCOMPARE(station.statusText(), text);
        }
        QVERIFY(simulator.stop());
    }

    void portIsExclusiveAndOnlySerial() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(kSimulatorPort));
        const QString link = simulatorPortLink(config_->path());
        PosixSerialPort first;
        PosixSerialPort second;
        QCOMPARE(first.open(link), PortError::None);
        QCOMPARE(second.open(link), PortError::Busy);
        first.close();
        QCOMPARE(second.open(link), PortError::None);

        const QString plainFile = config_->path() + "/notes.txt";
        QFile notes(plainFile);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("keep me");
        notes.close();
        QCOMPARE(second.open(plainFile), PortError::NotSerial);
        QCOMPARE(QFileInfo(plainFile).size(), 7);
        QVERIFY(simulator.stop());
    }

    // A killed simulator leaves its link behind; the terminal number it names is soon someone
    // else's. The link is then a missing port, and goes, instead of leading there.
    void linkOfAKilledSimulatorIsAMissingPort() {
        SimulatorProcess killed;
        QVERIFY(killed.start(6));
        const QString link = config_->path() + "/varko/ports/COM6";
        const QString terminal = QFileInfo(link).symLinkTarget();
        killed.kill();
        QCOMPARE(QFileInfo(link).symLinkTarget(), terminal); // left behind
        // Another line comes up now, most likely on the same terminal number.
        SimulatorProcess other;
        QVERIFY(other.start(6, {"--link", config_->path() + "/elsewhere", "--log-requests"}));

        Station station(6);
        QVERIFY(!station.tickUntil([&] { return station.connected(); }, 40)); // re-opens at 30
        QVERIFY(!station.engine.portOpen());
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(!QFile::exists(link + ".lock"));
        // Chosen by hand, the port is reported missing like any other.
        QCOMPARE(station.owner.messages.size(), std::size_t(1));
        QVERIFY(station.owner.messages[0].text.endsWith(link + " does not exist."));
        QVERIFY(other.requests().isEmpty()); // nothing reached the other line
        QVERIFY(other.stop());
    }

    // The line starts with a fresh terminal's settings, so a client that forgets to set the line
    // up is told, and the link's own port is seen to set 57600 8N1 raw.
    void lineSettingsAreChecked() {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(8));
        const QString link = config_->path() + "/varko/ports/COM8";
        const int careless = ::open(link.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(careless >= 0);
        const LinkFrame request = buildIdleFrame();
        QCOMPARE(::write(careless, request.bytes.data(), request.bytes.size()), kFrameSize);
        QVERIFY(simulator.waitForLine("line settings wrong: speed not 57600"));
        ::close(careless);

        // The answer to the careless request may reach the station first: it ticks on until the
        // simulator has seen one of its own requests.
        Station station(8);
        QVERIFY(station.tickUntil(
            [&] { return simulator.waitForLine("line settings OK (57600 8N1 raw)", 0); }, 100));
        QVERIFY(simulator.stop());
    }

    void simulatorVanishesAndComesBack() {
        SimulatorProcess simulator;
        // Gone after the first live answer and two read requests; back 1.5 s later.
        QVERIFY(simulator.start(kSimulatorPort, {"--vanish-after", "3", "--return-after", "1500"}));
        Station station(kSimulatorPort);
        QVERIFY(station.connect());
        QVERIFY(station.run(TransferMode::Read));
        QCOMPARE(station.owner.results.back(), TransferResult::ReadError);
        QCOMPARE(station.statusText(), QString("Read error!"));
        QVERIFY(!station.engine.portOpen());

        QVERIFY(station.tickUntil([&] { return station.engine.status().connectionVisible; },
                                  kReturnTicks));
        QVERIFY(simulator.waitForLine(" -> /dev/pts"));
        QVERIFY(station.connect());
        QVERIFY(station.engine.portOpen());
        QVERIFY(station.run(TransferMode::Read));
        QCOMPARE(station.owner.results.back(), TransferResult::Ok);
        QVERIFY(station.owner.messages.empty());
        QVERIFY(simulator.stop());
    }

    // A stop request ends the simulator at once also while its line is away, not a minute later.
    void simulatorStopsWhileAway() {
        SimulatorProcess simulator;
        QVERIFY(
            simulator.start(kSimulatorPort, {"--vanish-after", "1", "--return-after", "60000"}));
        const QString link = simulatorPortLink(config_->path());
        const int client = ::open(link.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(client >= 0);
        const LinkFrame request = buildIdleFrame();
        QCOMPARE(::write(client, request.bytes.data(), request.bytes.size()), kFrameSize);
        ::close(client);
        QVERIFY(simulator.waitForLine("varko-sim: line closed"));
        QVERIFY(simulator.stop());
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

Q_DECLARE_METATYPE(varko::TransferResult)
Q_DECLARE_METATYPE(varko::PortError)

QTEST_GUILESS_MAIN(TestLinkSim)
#include "tst_link_sim.moc"
