// Read, program and verify against the simulated unit in-process, reply by reply: the request
// sequences, the gauge, the texts, the refusals and the faults a transfer must survive or report.

#include "LinkRig.h"
#include "ScopedConfigDir.h"
#include "SimulatedUnit.h"
#include "model/Messages.h"
#include "model/Normalize.h"

#include <QTest>

using namespace varko;

Q_DECLARE_METATYPE(varko::TransferResult)
Q_DECLARE_METATYPE(varko::TransferMode)

namespace {

ParamImage inRange(ParamImage image) {
    WindowSettings settings;
    normalize(image, settings);
    return image;
}

// A set whose every byte differs from its neighbours, brought into range as a read brings it.
ParamImage patternImage(std::uint8_t seed) {
    ParamImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 3 + seed);
    image.noReading() = 0;
    return inRange(image);
}

// The same set with two values far out of range.
ParamImage outOfRangeImage() {
    ParamImage image = patternImage(5);
    image.lobeCount() = 250;
    image.tps0() = 255;
    return image;
}

// A rig whose port answers through the simulated unit, answers arriving before the next tick.
struct UnitRig : LinkRig {
    sim::SimulatedUnit unit;
    std::vector<int> gaugeSteps{0}; // every new gauge position, tick by tick

    explicit UnitRig(sim::UnitFaults faults = {}) : unit(faults) {
        port->respond = [this](const LinkFrame& request) {
            if (auto answer = unit.answer(request))
                port->feed(*answer);
        };
        engine->openPort();
    }

    // Ticks until the transfer ends; the number of ticks it took.
    int runTransfer(int limit = 200) {
        for (int t = 1; t <= limit; ++t) {
            tick();
            if (status().gaugePosition != gaugeSteps.back())
                gaugeSteps.push_back(status().gaugePosition);
            if (state().transferMode() == TransferMode::Idle)
                return t;
        }
        return -1;
    }
    std::vector<std::uint8_t> transferCommands() const {
        std::vector<std::uint8_t> commands;
        for (auto c : port->commandsWritten())
            if (c != Command::monitorRequest && (commands.empty() || commands.back() != c))
                commands.push_back(c);
        return commands;
    }
};

} // namespace

class TestLinkTransfers : public QObject {
    Q_OBJECT
private slots:
    void init() { config_ = std::make_unique<ScopedConfigDir>(); }
    void cleanup() { config_.reset(); }

    void readThenVerify() {
        UnitRig rig;
        rig.unit.store() = patternImage(5);
        rig.engine->startRead();
        QCOMPARE(rig.status().statusText, QString("Read:"));
        QVERIFY(rig.runTransfer() > 0);
        QCOMPARE(rig.owner.arrivedSets, std::vector<ParamImage>{rig.unit.store()});
        QCOMPARE(rig.owner.unitSets, std::vector<std::optional<ParamImage>>{rig.unit.store()});
        QCOMPARE(rig.transferCommands(), (std::vector<std::uint8_t>{0x40, 0x41, 0x42, 0x41, 0x42}));
        QCOMPARE(rig.gaugeSteps, (std::vector<int>{0, 1, 2, 0, 1, 2}));
        QCOMPARE(rig.status().statusText, QString("Verify:: OK"));
        QCOMPARE(rig.status().gaugePosition, 2);
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(rig.owner.unitAnswers, 1);
        QCOMPARE(rig.engine->deviceTexts().deviceName, QString("SIM01"));
        QCOMPARE(rig.engine->deviceTexts().deviceDate, QString(" 9.12.2026"));
    }

    // A read brings the unit's set into range and verifies the set so brought: a unit holding
    // values out of range fails that verify, and its set as sent comes along.
    void readBringsTheSetIntoRange() {
        UnitRig rig;
        rig.unit.store() = outOfRangeImage();
        rig.engine->startRead();
        rig.runTransfer();
        QCOMPARE(rig.owner.sentSets, std::vector<ParamImage>{outOfRangeImage()});
        QCOMPARE(rig.owner.arrivedSets, std::vector<ParamImage>{inRange(outOfRangeImage())});
        QVERIFY(rig.owner.arrivedSets[0] != outOfRangeImage());
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{TransferResult::VerifyError});
        QCOMPARE(rig.owner.unitSets,
                 std::vector<std::optional<ParamImage>>{inRange(outOfRangeImage())});
    }

    void readFailingAtBlockTwoBringsNothing() {
        UnitRig rig;
        rig.unit.store() = patternImage(5);
        rig.engine->startRead();
        // The unit goes quiet once block 1 is in.
        auto answer = rig.port->respond;
        rig.port->respond = [&](const LinkFrame& request) {
            if (request.command() != 0x42)
                answer(request);
        };
        rig.runTransfer();
        QCOMPARE(rig.status().statusText, QString("Read error!"));
        QVERIFY(rig.owner.arrivedSets.empty());
        QCOMPARE(rig.owner.unitSets, std::vector<std::optional<ParamImage>>{std::nullopt});
    }

    // The engine sends and verifies its own copy of the image it was handed.
    void programThenVerify() {
        UnitRig rig;
        ParamImage image = patternImage(17);
        rig.engine->startProgram(image);
        image.limiter() ^= 1;
        QCOMPARE(rig.status().statusText, QString("Program device:"));
        QVERIFY(rig.runTransfer() > 0);
        QCOMPARE(rig.unit.store(), patternImage(17));
        QCOMPARE(rig.unit.programCount(), 1);
        QCOMPARE(rig.transferCommands(), (std::vector<std::uint8_t>{0x00, 0x01, 0x02, 0x41, 0x42}));
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(rig.owner.unitSets, std::vector<std::optional<ParamImage>>{std::nullopt});
        QCOMPARE(rig.owner.unitAnswers, 1);
        // The verify's OK gives way to the program's at once, since the link is idle again.
        QVERIFY(rig.state().programmedOk);
        QCOMPARE(rig.status().statusText, QString("Program device:: OK"));
        QCOMPARE(rig.status().gaugePosition, rig.status().gaugeMaximum);

        // The program's OK lasts as long as the status display, then goes with it.
        rig.tick(199);
        QCOMPARE(rig.status().statusText, QString("Program device:: OK"));
        QVERIFY(rig.status().statusVisible && rig.status().gaugeVisible);
        rig.tick();
        QVERIFY(!rig.status().statusVisible && !rig.status().gaugeVisible);
        QVERIFY(!rig.state().programmedOk);
    }

    // What goes out is in range, as the window's image is when the unit answers.
    void programBringsTheImageIntoRange() {
        UnitRig rig;
        rig.engine->startProgram(outOfRangeImage());
        rig.runTransfer();
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(rig.unit.store(), inRange(outOfRangeImage()));
    }

    // A read that follows a program ends on its own verify's OK, not the program's.
    void readAfterProgramEndsOnItsOwnOk() {
        UnitRig rig;
        rig.engine->startProgram(patternImage(11));
        rig.runTransfer();
        QVERIFY(rig.state().programmedOk);
        rig.engine->startRead();
        QVERIFY(rig.runTransfer() > 0);
        rig.tick();
        QCOMPARE(rig.status().statusText, QString("Verify:: OK"));
    }

    // A transfer begun after a program owns the status line: neither the saving that the program
    // began nor the program's OK replaces its result, also once the unit has saved. The next
    // program's saving shows again.
    void resultAfterAProgramStays_data() {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<bool>("sameSet"); // a verify's set: the unit's, or another
        QTest::addColumn<int>("saving");   // the unit's countdown when the transfer begins
        QTest::addColumn<QString>("result");
        QTest::newRow("verify while saving")
            << TransferMode::Verify << true << 300 << "Verify:: OK";
        QTest::newRow("verify error while saving")
            << TransferMode::Verify << false << 300 << "Verify error!";
        QTest::newRow("verify once saved") << TransferMode::Verify << true << 0 << "Verify:: OK";
        QTest::newRow("read while saving") << TransferMode::Read << true << 300 << "Verify:: OK";
    }
    void resultAfterAProgramStays() {
        QFETCH(TransferMode, mode);
        QFETCH(bool, sameSet);
        QFETCH(int, saving);
        QFETCH(QString, result);
        UnitRig rig;
        rig.image = patternImage(11);
        rig.engine->startProgram(rig.image);
        rig.runTransfer();
        rig.engine->setUnitSavingCount(std::uint16_t(saving));
        rig.tick();
        QCOMPARE(rig.status().statusText, saving > 0 ? "Saving:" : "Program device:: OK");

        if (!sameSet)
            rig.image = patternImage(12);
        rig.start(mode);
        QVERIFY(rig.runTransfer() > 0);
        rig.tick(20); // the unit saves on
        QCOMPARE(rig.status().statusText, result);
        rig.engine->setUnitSavingCount(0);
        rig.tick();
        QCOMPARE(rig.status().statusText, result);
        QVERIFY(rig.status().statusVisible);
        QCOMPARE(rig.status().gaugeMaximum, 2);

        rig.engine->startProgram(patternImage(11));
        rig.runTransfer();
        rig.engine->setUnitSavingCount(std::uint16_t(207));
        rig.tick();
        QCOMPARE(rig.status().statusText, QString("Saving:"));
        QCOMPARE(rig.status().gaugePosition, 50);
    }

    // Each ended transfer is named as it was started, though a read and a program end in a
    // verify.
    void endedTransfersAreNamedAsStarted() {
        UnitRig rig;
        rig.image = patternImage(11);
        rig.engine->startProgram(rig.image);
        rig.runTransfer();
        rig.engine->startVerify(rig.image);
        rig.runTransfer();
        rig.engine->startRead();
        rig.runTransfer();
        QCOMPARE(rig.owner.startedModes,
                 (std::vector<TransferMode>{TransferMode::Program, TransferMode::Verify,
                                            TransferMode::Read}));
        QCOMPARE(rig.owner.results, std::vector<TransferResult>(3, TransferResult::Ok));
    }

    // New and Open hide the status line; the status display that is still running brings the
    // text back at the next tick, the gauge stays hidden.
    void hiddenStatusComesBackWhileItsDisplayRuns() {
        UnitRig rig;
        rig.engine->startRead();
        rig.runTransfer();
        rig.engine->hideStatus();
        QVERIFY(!rig.status().statusVisible && !rig.status().gaugeVisible);
        rig.tick();
        QVERIFY(rig.status().statusVisible);
        QVERIFY(!rig.status().gaugeVisible);
    }

    void verifyAgainstADifferentUnitFails() {
        UnitRig rig;
        rig.unit.store() = patternImage(1);
        rig.image = patternImage(1);
        rig.image.advance(9, 9) ^= 1;
        rig.engine->startVerify(rig.image);
        rig.runTransfer();
        QCOMPARE(rig.status().statusText, QString("Verify error!"));
        QCOMPARE(rig.status().statusColour, StatusColour::Red);
        QCOMPARE(rig.transferCommands(), (std::vector<std::uint8_t>{0x41, 0x42}));
    }

    void verifyIgnoresTheReadingFlag() {
        UnitRig rig;
        rig.unit.store() = patternImage(1);
        rig.image = patternImage(1);
        rig.image.noReading() = 1;
        rig.engine->startVerify(rig.image);
        rig.runTransfer();
        QCOMPARE(rig.status().statusText, QString("Verify:: OK"));
    }

    void readingForbidden() {
        UnitRig rig;
        rig.unit.store() = patternImage(3);
        rig.unit.store().noReading() = 1;
        rig.image = patternImage(4);
        rig.engine->startRead();
        rig.runTransfer();
        QCOMPARE(rig.status().statusText, QString("No reading!"));
        QCOMPARE(rig.status().statusColour, StatusColour::Red);
        QVERIFY(rig.owner.arrivedSets.empty());
        QVERIFY(!rig.owner.unitSets.back());
        QCOMPARE(rig.owner.unitAnswers, 1); // the unit's texts came
        QCOMPARE(rig.owner.results.back(), TransferResult::NoReading);

        rig.engine->startProgram(rig.image); // programming does not ask for permission
        rig.runTransfer();
        QCOMPARE(rig.owner.results.back(), TransferResult::Ok);
        QCOMPARE(rig.unit.store(), rig.image);
    }

    void otherProtocolVersion_data() {
        QTest::addColumn<bool>("program");
        QTest::newRow("read") << false;
        QTest::newRow("program") << true;
    }
    void otherProtocolVersion() {
        QFETCH(bool, program);
        sim::UnitFaults faults;
        faults.protocolVersion = 74;
        UnitRig rig(faults);
        if (program)
            rig.engine->startProgram(patternImage(2));
        else
            rig.engine->startRead();
        rig.runTransfer();
        QCOMPARE(rig.owner.messages.size(), std::size_t(1));
        QCOMPARE(rig.owner.messages[0].kind, LinkMessageKind::VersionMismatch);
        QCOMPARE(rig.owner.messages[0].text,
                 QString("Unmatched version of PC and Ignition programs!  PC-75, IGN-74"));
        QCOMPARE(rig.owner.results.back(), TransferResult::VersionMismatch);
        QCOMPARE(rig.state().statusTicks, 0); // the box closed
        QCOMPARE(rig.owner.unitAnswers, 1);   // the unit's texts came
        QVERIFY(rig.owner.arrivedSets.empty());
        QVERIFY(!rig.owner.unitSets.back());
        QCOMPARE(rig.unit.programCount(), 0);
        QCOMPARE(rig.transferCommands().size(), std::size_t(1));
    }

    // The window opens the version box outside the tick; the link runs on while it is open.
    void linkRunsWhileTheVersionBoxIsOpen() {
        sim::UnitFaults faults;
        faults.protocolVersion = 74;
        UnitRig rig(faults);
        rig.engine->startRead();
        for (int t = 0; t < 10 && rig.owner.messages.empty(); ++t)
            rig.engine->tick(); // the box is not closed
        QCOMPARE(rig.owner.messages.size(), std::size_t(1));
        QCOMPARE(rig.state().transferMode(), TransferMode::Idle);
        const std::size_t before = rig.port->written.size();
        for (int t = 0; t < 12; ++t)
            rig.engine->tick();
        QCOMPARE(rig.port->written.size(), before + 2); // live requests every 6 ticks
        QVERIFY(rig.status().statusVisible);
        rig.owner.closeBoxes();
        QCOMPARE(rig.state().statusTicks, 0);
        rig.tick();
        QVERIFY(!rig.status().statusVisible);
        QVERIFY(!rig.status().gaugeVisible);
    }

    void echoThatNeverMatchesFailsTheProgram() {
        sim::UnitFaults faults;
        faults.flipEchoBit = true;
        UnitRig rig(faults);
        rig.engine->startProgram(patternImage(8));
        rig.runTransfer();
        QCOMPARE(rig.status().statusText, QString("Program error!"));
        const auto commands = rig.port->commandsWritten();
        QCOMPARE(std::count(commands.begin(), commands.end(), 0x01), 5);
    }

    void faultsTheTransferSurvives_data() {
        QTest::addColumn<int>("answerEvery");
        QTest::addColumn<int>("corruptEvery");
        QTest::newRow("every second answer lost") << 2 << 0;
        QTest::newRow("every third answer corrupted") << 1 << 3;
    }
    void faultsTheTransferSurvives() {
        sim::UnitFaults faults;
        QFETCH(int, answerEvery);
        QFETCH(int, corruptEvery);
        faults.answerEvery = answerEvery;
        faults.corruptCheckEvery = corruptEvery;
        UnitRig rig(faults);
        rig.engine->startProgram(patternImage(6));
        rig.runTransfer();
        QCOMPARE(rig.owner.results.back(), TransferResult::Ok);
        QCOMPARE(rig.unit.store(), patternImage(6));
    }

    // A copy read brings the unit's bytes as they are, reserved ones and values out of range
    // included: nothing brought into range, nothing arriving as a read's set, no verify.
    void copyReadKeepsTheSetAsSent() {
        UnitRig rig;
        rig.unit.store() = patternImage(5);
        rig.unit.store()[Field::limiter + 1] = 0xA5; // a reserved byte
        rig.unit.store().lobeCount() = 250;          // far out of range
        rig.engine->startCopyRead(Msg::backupRead);
        QCOMPARE(rig.status().statusText, QString("Backup of the unit's set:"));
        QVERIFY(rig.runTransfer() > 0);
        QVERIFY(rig.owner.arrivedSets.empty());
        QCOMPARE(rig.owner.copies.size(), std::size_t(1));
        QCOMPARE(rig.owner.copies[0], std::optional(rig.unit.store()));
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{TransferResult::Ok});
        QCOMPARE(rig.owner.endedCopyReads, std::vector<bool>{true});
        QCOMPARE(rig.transferCommands(), (std::vector<std::uint8_t>{0x40, 0x41, 0x42}));
        QCOMPARE(rig.gaugeSteps, (std::vector<int>{0, 1, 2}));
        QCOMPARE(rig.engine->deviceTexts().deviceName, QString("SIM01"));
        QVERIFY(!rig.state().copyRead);

        // The next read is an ordinary one again.
        rig.engine->startRead();
        rig.runTransfer();
        QCOMPARE(rig.owner.copies.size(), std::size_t(1));
        QCOMPARE(rig.owner.endedCopyReads, (std::vector<bool>{true, false}));
        QCOMPARE(rig.owner.arrivedSets.size(), std::size_t(1));
    }

    void copyReadFailsAsAReadDoes_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("refuseReading");
        QTest::addColumn<int>("protocolVersion");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<TransferResult>("result");
        QTest::newRow("no answer")
            << true << false << 75 << "Read error!" << TransferResult::ReadError;
        QTest::newRow("reading refused")
            << false << true << 75 << "No reading!" << TransferResult::NoReading;
        QTest::newRow("other version")
            << false << false << 74
            << "Backup of the unit's set:" << TransferResult::VersionMismatch;
    }
    void copyReadFailsAsAReadDoes() {
        QFETCH(bool, silent);
        QFETCH(bool, refuseReading);
        QFETCH(int, protocolVersion);
        QFETCH(TransferResult, result);
        sim::UnitFaults faults;
        faults.silent = silent;
        faults.refuseReading = refuseReading;
        faults.protocolVersion = protocolVersion;
        UnitRig rig(faults);
        rig.engine->startCopyRead(Msg::backupRead);
        QVERIFY(rig.runTransfer() > 0);
        QTEST(rig.status().statusText, "statusText");
        QCOMPARE(rig.owner.copies, std::vector<std::optional<ParamImage>>{std::nullopt});
        QCOMPARE(rig.owner.results, std::vector<TransferResult>{result});
        QCOMPARE(rig.owner.messages.size(), std::size_t(protocolVersion == 75 ? 0 : 1));
        QVERIFY(rig.owner.arrivedSets.empty());
        QVERIFY(!rig.state().copyRead);
    }

    // A new connection begins with the first answer after no connection or after a port change;
    // answers that follow belong to the same one.
    void connectionsAreCounted() {
        UnitRig rig;
        QCOMPARE(rig.state().connection, 0u);
        rig.tick(8); // the first live request is out and answered
        QCOMPARE(rig.state().connection, 1u);
        rig.tick(30);
        QCOMPARE(rig.state().connection, 1u);

        const auto answer = rig.port->respond;
        rig.port->respond = nullptr;
        rig.tick(LinkLimits::silentLimit + 2);
        QVERIFY(rig.status().connectionVisible);
        rig.port->respond = answer;
        rig.tick(LinkLimits::reopenTicks + 8);
        QCOMPARE(rig.state().connection, 2u);

        rig.engine->selectPort(4);
        rig.tick(8);
        QCOMPARE(rig.state().connection, 3u);
        QVERIFY(!rig.status().connectionVisible);
    }

    void acceptance_data() {
        QTest::addColumn<int>("replyCommand");
        QTest::addColumn<bool>("flipDataBit");
        QTest::addColumn<bool>("idle");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("answer to the command") << 0xC0 << false << false << true;
        QTest::newRow("bit 7 not inverted") << 0x40 << false << false << false;
        QTest::newRow("another block") << 0xC1 << false << false << false;
        QTest::newRow("check byte wrong") << 0xC0 << true << false << false;
        QTest::newRow("after the transfer ended") << 0xC0 << false << true << false;
    }
    void acceptance() {
        QFETCH(int, replyCommand);
        QFETCH(bool, flipDataBit);
        QFETCH(bool, idle);
        LinkRig rig;
        rig.engine->openPort();
        if (!idle)
            rig.engine->startRead();
        LinkFrame reply = buildFrame(std::uint8_t(replyCommand), std::array<std::uint8_t, 100>{});
        if (flipDataBit)
            reply.bytes[30] ^= 0x04;
        QCOMPARE(rig.state().silentTicks, 18);
        QTEST(rig.engine->acceptReply(reply), "accepted");
        QFETCH(bool, accepted);
        QCOMPARE(rig.state().silentTicks, accepted ? 0 : 18);
    }

    void liveDataDuringATransferIsAccepted() {
        LinkRig rig;
        rig.engine->openPort();
        rig.engine->startRead();
        rig.port->feed(buildFrame(0xB0, std::array<std::uint8_t, 100>{}));
        rig.tick();
        QCOMPARE(rig.owner.monitorFrames, 1);
        QCOMPARE(rig.state().silentTicks, 1);
        QCOMPARE(rig.state().transferMode(), TransferMode::Read);
    }

    void newStartReplacesTheRunningTransfer() {
        UnitRig rig;
        rig.unit.store() = patternImage(5);
        rig.engine->startRead();
        rig.tick(4); // the first request is out and answered
        rig.engine->startProgram(patternImage(7));
        QCOMPARE(requestCommand(rig.state().step), 0x00);
        rig.runTransfer();
        QCOMPARE(rig.unit.store(), patternImage(7));
    }

private:
    std::unique_ptr<ScopedConfigDir> config_;
};

QTEST_GUILESS_MAIN(TestLinkTransfers)
#include "tst_link_transfers.moc"
