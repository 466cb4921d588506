#include "cli/LinkSession.h"

#include "cli/CommandSession.h"
#include "link/LiveMonitor.h"
#include "link/MonitorFrame.h"
#include "model/FormMapping.h"
#include "model/ImageDiff.h"
#include "model/Messages.h"
#include "model/Normalize.h"
#include "storage/ConfigPaths.h"

#include <QElapsedTimer>
#include <QStringList>

#include <optional>

namespace varko::cli {
namespace {

// What one operation on the unit came to, before anything is said about it.
struct Ending {
    bool noConnection = false;            // the unit never answered, or sent no live data in time
    std::optional<int> otherVersion;      // a verify found live data of this protocol version
    std::optional<TransferResult> result; // the transfer's end, when it started
    QString statusText;                   // the transfer's own message
    // The bytes a read's set changed when brought into range: offset, value before, value after.
    QStringList rangeChanges;
    std::optional<ParamImage> unitAsRead; // a read's set as the unit holds it
};

QStringList rangeChangesOf(const ParamImage& asSent, const ParamImage& inRange) {
    QStringList changes;
    for (int i = 0; i < kImageSize; ++i)
        if (asSent[i] != inRange[i])
            changes << QStringLiteral("%1: %2 -> %3").arg(i).arg(asSent[i]).arg(inRange[i]);
    return changes;
}

// One operation on the unit, followed to its end.
class OperationRun {
public:
    explicit OperationRun(CommandSession& link) : link_(link), session_(link.session()) {
        QObject::connect(&session_, &UnitSession::monitorFrame, &scope_,
                         [this](const LinkFrame& frame) {
                             if (!liveVersion_)
                                 liveVersion_ = parseMonitorFrame(frame).protocolVersion;
                         });
        transferBegins();
    }

    // Hears the operation's end, and a read's set as it arrives, which then replaces image.
    void follow(UnitOperation* operation, ParamImage& image) {
        QObject::connect(operation, &UnitOperation::unitSetArrived, &scope_,
                         [this, &image](const ParamImage& asSent, const ParamImage& inRange) {
                             ending_.unitAsRead = asSent;
                             ending_.rangeChanges = rangeChangesOf(asSent, inRange);
                             image = inRange;
                         });
        QObject::connect(operation, &UnitOperation::finished, &scope_,
                         [this](TransferResult result) { ending_.result = result; });
    }
    // A transfer begins: whether the unit answered it counts from now.
    void transferBegins() { framesBefore_ = session_.engine().state().framesAccepted; }
    // The operation ended between two ticks with result.
    void endWith(TransferResult result) {
        ending_.result = result;
        link_.stop();
    }

    // Starts the operation (start) at once, or when waitForLiveData once the unit's live data
    // has shown its protocol version, and ticks until it has ended; then the port closes.
    Ending run(const std::function<void()>& start, bool waitForLiveData) {
        bool started = !waitForLiveData;
        if (started)
            start();
        bool noConnection = false;
        QElapsedTimer waited;
        waited.start();
        link_.run([&] {
            if (ending_.result)
                return true;
            if (!started && liveVersion_) {
                if (*liveVersion_ != kProtocolVersion)
                    return true;
                start();
                started = true;
            }
            noConnection = !started && waited.elapsed() >= kConnectTimeoutMs;
            return noConnection;
        });
        link_.close();
        if (!started && liveVersion_) {
            ending_.otherVersion = liveVersion_;
            return ending_;
        }
        // A unit that never answered anything gets the same words whether the transfer gave up
        // on it or it sent no live data in time.
        const bool heard = session_.engine().state().framesAccepted != framesBefore_;
        ending_.noConnection = noConnection || (!heard && ending_.result != TransferResult::Ok);
        ending_.statusText = session_.engine().status().statusText;
        return ending_;
    }

private:
    CommandSession& link_;
    UnitSession& session_;
    QObject scope_; // the connections end with the run
    Ending ending_;
    std::optional<int> liveVersion_; // the protocol version of the first live-data frame
    std::uint32_t framesBefore_ = 0;
};

// Says why an operation failed, unless it ended well; true when it did.
bool endedWell(const Ending& ending, CliIo& io) {
    if (ending.otherVersion) {
        io.err << versionMismatchText(*ending.otherVersion, Language::English) << "\n";
        return false;
    }
    if (ending.noConnection) {
        io.err << "No connection with PC\n";
        return false;
    }
    switch (*ending.result) {
    case TransferResult::Ok:
        return true;
    case TransferResult::VersionMismatch:
        return false; // its message is out already
    default:
        io.err << ending.statusText << "\n";
        return false;
    }
}

// The window's part before it sends: the controls' ranges, then the model's.
void prepareToSend(ParamImage& image, bool testEnable) {
    roundTripThroughControls(image, testEnable);
    WindowSettings settings;
    normalize(image, settings);
}

UnitOperation* startTransfer(UnitSession& session, TransferMode transfer, const ParamImage& image) {
    if (transfer == TransferMode::Read)
        return session.read();
    if (transfer == TransferMode::Program)
        return session.program(image);
    return session.verify(image);
}

// After a verify found the unit holding another set: the unit's set, read as it is, against
// what was sent, one line per differing byte. Nothing when the unit cannot be read.
void reportDifferences(const ParamImage& sent, const QString& devicePath, CliIo& io) {
    CommandSession link(devicePath, io);
    if (!link.openPort())
        return;
    OperationRun run(link);
    ParamImage unit;
    const Ending read = run.run([&] { run.follow(link.session().read(), unit); }, false);
    if (!read.unitAsRead)
        return;
    ParamImage asRead = *read.unitAsRead;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (!verifyCompares(offset))
            asRead[offset] = sent[offset];
    }
    io.err << diffLines(sent, asRead);
}

bool reportTransfer(TransferMode transfer, const Ending& ending, const ParamImage& image,
                    const QString& devicePath, CliIo& io) {
    if (endedWell(ending, io)) {
        // A program's status line already moved on to its own OK; both end in the verify.
        io.out << messageText(Msg::verify, Language::English) << ": OK\n";
        return true;
    }
    if (ending.result && *ending.result == TransferResult::VerifyError) {
        // A read verifies the set as brought into range; a unit holding values out of range
        // fails that.
        if (transfer == TransferMode::Read && !ending.rangeChanges.isEmpty())
            io.err << "The unit's parameter set changed when brought into range (offset: unit -> "
                      "now): "
                   << ending.rangeChanges.join(QStringLiteral(", ")) << "\n";
        if (transfer == TransferMode::Verify)
            reportDifferences(image, devicePath, io);
    }
    return false;
}

} // namespace

bool runTransfer(TransferMode transfer, const QString& devicePath, ParamImage& image,
                 bool testEnable, CliIo& io) {
    if (transfer != TransferMode::Read)
        prepareToSend(image, testEnable);
    CommandSession link(devicePath, io);
    if (!link.openPort())
        return false;
    OperationRun run(link);
    // A read or a program learns the unit's protocol version from its first answer, so it starts
    // at once. A verify reads only the parameter blocks: it first waits for one live-data frame
    // to learn the version, since comparing against another protocol's layout means nothing.
    const Ending ending =
        run.run([&] { run.follow(startTransfer(link.session(), transfer, image), image); },
                transfer == TransferMode::Verify);
    return reportTransfer(transfer, ending, image, devicePath, io);
}

bool programWithBackup(const QString& devicePath, ParamImage& image, const QString& file,
                       bool testEnable, CliIo& io) {
    prepareToSend(image, testEnable);
    const char* const noBackup = "varko-cli: no backup of the unit's set, nothing programmed\n";
    CommandSession link(devicePath, io);
    if (!link.openPort()) {
        io.err << noBackup;
        return false;
    }
    OperationRun run(link);
    bool backingUp = true;
    bool notKept = false;
    const Ending ending = run.run(
        [&] {
            BackupThenProgram* program = link.session().backupThenProgram(image, file);
            run.follow(program, image);
            QObject::connect(program, &BackupThenProgram::backupKept, [&](const QString& path) {
                io.out << "Backup: " << path << "\n";
                backingUp = false;
                run.transferBegins();
            });
            QObject::connect(program, &BackupThenProgram::backupNotRead,
                             [&](TransferResult result) { run.endWith(result); });
            QObject::connect(program, &BackupThenProgram::backupNotKept, [&] {
                notKept = true;
                link.stop();
            });
        },
        false);
    if (notKept) {
        io.err << "varko-cli: cannot keep the backup in " << historyDir()
               << ", nothing programmed\n";
        return false;
    }
    if (backingUp) {
        endedWell(ending, io);
        io.err << noBackup;
        return false;
    }
    return reportTransfer(TransferMode::Program, ending, image, devicePath, io);
}

} // namespace varko::cli
