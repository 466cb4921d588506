// The unit session against the simulated unit in-process, tick by tick: an action as an operation
// from its start to its end, starts that replace a running operation, and the backup before
// programming with its failures.

#include "ScopedConfigDir.h"
#include "ScriptedSerialPort.h"
#include "SimulatedUnit.h"
#include "link/UnitSession.h"
#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/History.h"
#include "storage/ParamFile.h"

#include <QPointer>
#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::TransferResult)

namespace {

// The session on a port whose other end is the simulated unit, fresh from the workshop, answers
// arriving before the next tick; the link's boxes close once the tick has returned, as the window's
// do.
struct SessionRig {
    WindowSettings settings;
    sim::SimulatedUnit unit;
    ScriptedSerialPort* port = nullptr;
    std::unique_ptr<UnitSession> session;

    explicit SessionRig(sim::UnitFaults faults = {}) : unit(faults) {
        unit.store() = sim::SimulatedUnit::factoryImage();
        auto scripted = std::make_unique<ScriptedSerialPort>();
        port = scripted.get();
        port->respond = [this](const LinkFrame& request) {
            if (auto answer = unit.answer(request))
                port->feed(*answer);
        };
        session = std::make_unique<UnitSession>(settings, std::move(scripted));
        session->engine().setPortResolver([](int n) { return QStringLiteral("COM%1").arg(n); });
        QObject::connect(session.get(), &UnitSession::messageToShow, session.get(),
                         [this](const LinkMessage& message) {
                             QTimer::singleShot(0, session.get(), [this, kind = message.kind] {
                                 session->engine().messageBoxClosed(kind);
                             });
                         });
        session->engine().openPort();
    }

    // One tick as the timer gives it, then what it queued, as the event loop runs it.
    void tick() {
        session->tick();
        QCoreApplication::sendPostedEvents();
    }
    // Ticks until done() (at most limit ticks); true when done.
    bool tickUntil(const std::function<bool()>& done, int limit = 200) {
        for (int t = 0; t < limit && !done(); ++t)
            tick();
        return done();
    }
    // The first live data has come: the unit's programming count is known.
    bool connect() {
        return tickUntil([this] { return session->engine().state().connection > 0; });
    }
    bool idle() const { return session->engine().state().transferMode() == TransferMode::Idle; }
    // The transfer requests the unit received, each once however often it was sent.
    std::vector<std::uint8_t> transferCommands() const {
        std::vector<std::uint8_t> commands;
        for (auto c : port->commandsWritten())
            if (c != Command::monitorRequest && (commands.empty() || commands.back() != c))
                commands.push_back(c);
        return commands;
    }
    int storeRequests() const {
        int stores = 0;
        for (auto c : transferCommands())
            stores += c <= 2 ? 1 : 0;
        return stores;
    }
};

// What an operation said, in order; gone with the test when the operation outlives it.
struct Heard {
    QObject context;
    QPointer<UnitOperation> operation;
    std::vector<std::pair<int, int>> progress;
    int unitAnswers = 0;
    std::vector<ParamImage> arrived; // a read's set in range, as it arrived
    std::vector<TransferResult> results;
    std::vector<std::optional<ParamImage>> unitSets;
    QStringList events; // "kept", "not read", "not kept", "finished"
    QString keptFile;

    explicit Heard(UnitOperation* op) : operation(op) {
        QObject::connect(op, &UnitOperation::progress, &context, [this](int position, int maximum) {
            progress.emplace_back(position, maximum);
        });
        QObject::connect(op, &UnitOperation::unitAnswered, &context, [this] { ++unitAnswers; });
        QObject::connect(
            op, &UnitOperation::unitSetArrived, &context,
            [this](const ParamImage&, const ParamImage& inRange) { arrived.push_back(inRange); });
        QObject::connect(op, &UnitOperation::finished, &context,
                         [this](TransferResult result, const std::optional<ParamImage>& unitSet) {
                             results.push_back(result);
                             unitSets.push_back(unitSet);
                             events << "finished";
                         });
    }
    explicit Heard(BackupThenProgram* op) : Heard(static_cast<UnitOperation*>(op)) {
        QObject::connect(op, &BackupThenProgram::backupKept, &context, [this](const QString& file) {
            keptFile = file;
            events << "kept";
        });
        QObject::connect(op, &BackupThenProgram::backupNotRead, &context,
                         [this](TransferResult result) {
                             results.push_back(result);
                             events << "not read";
                         });
        QObject::connect(op, &BackupThenProgram::backupNotKept, &context,
                         [this](const QString& folder) {
                             keptFile = folder;
                             events << "not kept";
                         });
    }
    bool ended() const { return !events.filter(QRegularExpression("finished|not")).isEmpty(); }
};

// Whatever was deleted for later is gone now.
void runDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ParamImage tunedImage() {
    ParamImage image = sim::SimulatedUnit::factoryImage();
    image.limiter() += 5;
    image.advance(2, 3) += 1;
    return image;
}

} // namespace

class TestUnitSession : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    // The operation hears its own transfer: the gauge up to its end, the unit's first answer,
    // the set as it arrives and as it ended; then it is gone.
    void readRunsToItsEnd() {
        SessionRig rig;
        Heard read(rig.session->read());
        QVERIFY(rig.tickUntil([&] { return read.ended(); }));
        QCOMPARE(read.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(read.arrived, std::vector<ParamImage>{rig.unit.store()});
        QCOMPARE(read.unitSets, std::vector<std::optional<ParamImage>>{rig.unit.store()});
        QCOMPARE(read.unitAnswers, 1);
        QCOMPARE(read.progress,
                 (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {0, 2}, {1, 2}, {2, 2}}));
        runDeferredDeletes();
        QVERIFY(!read.operation);
    }

    // A start replaces the running operation, which ends as abandoned once the new transfer has
    // begun; what it started is no longer sent.
    void startReplacesTheRunningOperation() {
        SessionRig rig;
        Heard read(rig.session->read());
        TransferStep stepWhenAbandoned = TransferStep::Idle;
        QObject::connect(read.operation, &UnitOperation::finished, &read.context,
                         [&] { stepWhenAbandoned = rig.session->engine().state().step; });
        rig.tick();
        rig.tick();
        rig.tick();
        rig.tick(); // the first request is out and answered
        Heard program(rig.session->program(tunedImage()));
        QVERIFY(!read.operation->running());
        QCOMPARE(read.events, QStringList{"finished"});
        QCOMPARE(read.results, std::vector<TransferResult>{TransferResult::Abandoned});
        QCOMPARE(read.unitSets, std::vector<std::optional<ParamImage>>{std::nullopt});
        QCOMPARE(stepWhenAbandoned, TransferStep::ProgramBlock0);
        QVERIFY(rig.tickUntil([&] { return program.ended(); }));
        QCOMPARE(program.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(program.unitSets, std::vector<std::optional<ParamImage>>{std::nullopt});
        QCOMPARE(rig.unit.store(), tunedImage());
        QCOMPARE(read.events, QStringList{"finished"});
        QVERIFY(read.progress.empty()); // nothing of the program's
        runDeferredDeletes();
        QVERIFY(!read.operation);
        QCOMPARE(rig.transferCommands(),
                 (std::vector<std::uint8_t>{0x40, 0x00, 0x01, 0x02, 0x41, 0x42}));
    }

    // A read replaced while it verifies the set it brought names that set as it ends.
    void readAbandonedInItsVerifyNamesItsSet() {
        SessionRig rig;
        Heard read(rig.session->read());
        QVERIFY(rig.tickUntil([&] { return !read.arrived.empty(); }));
        Heard verify(rig.session->verify(rig.unit.store()));
        QCOMPARE(read.results, std::vector<TransferResult>{TransferResult::Abandoned});
        QCOMPARE(read.unitSets, std::vector<std::optional<ParamImage>>{rig.unit.store()});
        QVERIFY(rig.tickUntil([&] { return verify.ended(); }));
        QCOMPARE(verify.results, std::vector<TransferResult>{TransferResult::Ok});
    }

    // The unit counts a program's store: from the program's end until the live data after it,
    // the count the session names is not known, never the one from before.
    void programCountAfterAProgram() {
        SessionRig rig;
        QVERIFY(rig.connect());
        QCOMPARE(rig.session->unitIdentity().programmingCount, 0);
        Heard program(rig.session->program(tunedImage()));
        QVERIFY(rig.tickUntil([&] { return program.ended(); }));
        QCOMPARE(rig.session->unitIdentity().programmingCount, -1);
        const auto framesBefore = rig.session->engine().state().framesAccepted;
        QVERIFY(rig.tickUntil(
            [&] { return rig.session->engine().state().framesAccepted != framesBefore; }));
        QCOMPARE(rig.session->unitIdentity().programmingCount, 1);
        QCOMPARE(rig.session->unitIdentity().name, "SIM01");
    }

    // The unit's set as it was goes into the history, named by the unit and the open file, and
    // only then is the image programmed.
    void backupThenProgram() {
        SessionRig rig;
        QVERIFY(rig.connect());
        const ParamImage before = rig.unit.store();
        Heard program(rig.session->backupThenProgram(tunedImage(), "/tmp/tuned.ign"));
        QCOMPARE(rig.session->engine().status().statusText, QString("Backup of the unit's set:"));
        QVERIFY(rig.tickUntil([&] { return program.ended(); }));
        QCOMPARE(program.events, (QStringList{"kept", "finished"}));
        QCOMPARE(program.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(rig.transferCommands(),
                 (std::vector<std::uint8_t>{0x40, 0x41, 0x42, 0x00, 0x01, 0x02, 0x41, 0x42}));
        QCOMPARE(rig.unit.store(), tunedImage());
        QCOMPARE(rig.session->engine().status().statusText, QString("Program device:: OK"));

        const History history(historyDir());
        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].event, HistoryEvent::BeforeProgramming);
        QCOMPARE(entries[0].unit.name, "SIM01");
        QCOMPARE(entries[0].unit.date, "9.12.2026");
        QCOMPARE(entries[0].unit.programmingCount, 0);
        QCOMPARE(entries[0].openFile, "/tmp/tuned.ign");
        QCOMPARE(program.keptFile, history.filePath(entries[0]));
        ParamImage kept;
        std::uint8_t version = 0;
        QVERIFY(loadParamFile(program.keptFile, kept, version));
        QCOMPARE(kept, before);
    }

    // When the set cannot be read or kept, nothing reaches the unit's memory and the operation
    // ends without finished.
    void failedBackupProgramsNothing_data() {
        QTest::addColumn<bool>("refuseReading");
        QTest::addColumn<bool>("historyBlocked");
        QTest::addColumn<QString>("event");
        QTest::addColumn<TransferResult>("readResult");
        QTest::addColumn<QString>("statusText");
        QTest::newRow("reading refused")
            << true << false << "not read" << TransferResult::NoReading << "No reading!";
        QTest::newRow("history folder unwritable")
            << false << true << "not kept" << TransferResult::Ok << "Backup not saved!";
    }
    void failedBackupProgramsNothing() {
        QFETCH(bool, refuseReading);
        QFETCH(bool, historyBlocked);
        QFETCH(QString, event);
        QFETCH(TransferResult, readResult);
        if (historyBlocked) // a file where the folder would be
            QVERIFY(replaceFile(historyDir(), "in the way", MissingFolder::Create));
        sim::UnitFaults faults;
        faults.refuseReading = refuseReading;
        SessionRig rig(faults);
        QVERIFY(rig.connect());
        Heard program(rig.session->backupThenProgram(tunedImage(), QString()));
        QVERIFY(rig.tickUntil([&] { return program.ended(); }));
        for (int t = 0; t < 40; ++t) // time for anything that would still follow
            rig.tick();
        QCOMPARE(program.events, QStringList{event});
        QCOMPARE(program.results, event == "not read" ? std::vector<TransferResult>{readResult}
                                                      : std::vector<TransferResult>{});
        QCOMPARE(program.keptFile, historyBlocked ? historyDir() : QString());
        QTEST(rig.session->engine().status().statusText, "statusText");
        QCOMPARE(rig.session->engine().status().statusColour, StatusColour::Red);
        QCOMPARE(rig.storeRequests(), 0);
        QCOMPARE(rig.unit.programCount(), 0);
        QVERIFY(rig.idle());
        runDeferredDeletes();
        QVERIFY(!program.operation);
        if (!historyBlocked)
            QVERIFY(History(historyDir()).entries().isEmpty());
    }

    // A program started while a backup reads starts its own backup: the first is abandoned, one
    // set kept, the second image programmed.
    void programStartedWhileABackupReads() {
        SessionRig rig;
        QVERIFY(rig.connect());
        Heard first(rig.session->backupThenProgram(sim::SimulatedUnit::factoryImage(), "first"));
        rig.tick();
        rig.tick();
        rig.tick();
        rig.tick(); // the backup's first request is out and answered
        Heard second(rig.session->backupThenProgram(tunedImage(), "second"));
        QVERIFY(rig.tickUntil([&] { return second.ended(); }));
        QCOMPARE(second.events, (QStringList{"kept", "finished"}));
        QCOMPARE(first.events, QStringList{"finished"});
        QCOMPARE(first.results, std::vector<TransferResult>{TransferResult::Abandoned});
        const QList<HistoryEntry> entries = History(historyDir()).entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].openFile, "second");
        QCOMPARE(rig.unit.store(), tunedImage());
        QCOMPARE(rig.unit.programCount(), 1);
    }

    // A start between the backup's read and the keeping of its set takes its place as well: the
    // backup is abandoned, nothing is kept, nothing programmed.
    void startAfterTheBackupReadKeepsNothing() {
        SessionRig rig;
        QVERIFY(rig.connect());
        Heard backup(rig.session->backupThenProgram(tunedImage(), QString()));
        for (int t = 0; t < 200 && !rig.idle(); ++t)
            rig.session->tick(); // the event loop does not run: the set waits to be kept
        QVERIFY(rig.idle());
        Heard read(rig.session->read());
        QVERIFY(rig.tickUntil([&] { return read.ended(); }));
        QCOMPARE(read.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(backup.events, QStringList{"finished"});
        QCOMPARE(backup.results, std::vector<TransferResult>{TransferResult::Abandoned});
        QVERIFY(History(historyDir()).entries().isEmpty());
        QCOMPARE(rig.storeRequests(), 0);
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestUnitSession)
#include "tst_unit_session.moc"
