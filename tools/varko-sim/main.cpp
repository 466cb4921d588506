// varko-sim: the ignition unit on a pseudo-terminal, linked as a COM port of the PC program.

#include "LineFaults.h"
#include "PtyLink.h"
#include "SimOptions.h"
#include "SimulatedUnit.h"
#include "StopRequests.h"

#include <QCoreApplication>
#include <QTextStream>
#include <chrono>
#include <deque>
#include <vector>

namespace {

using namespace varko;
using Clock = std::chrono::steady_clock;

// Bytes of a frame that stop arriving for this long are dropped, so the next request starts a
// fresh frame (the PC sends each frame in one piece, in about 18 ms).
constexpr auto kResyncGap = std::chrono::milliseconds(30);
// How often the line is looked at while nothing arrives.
constexpr auto kIdlePoll = std::chrono::milliseconds(10);

struct ScheduledBytes {
    Clock::time_point due;
    std::vector<std::uint8_t> bytes;
};

// One line's life: receives requests, answers them through the line faults, reports the client's
// line settings when they change and frees the line a killed client left locked.
class LineServer {
public:
    LineServer(sim::PtyLink& line, sim::SimulatedUnit& unit, const sim::SimOptions& options,
               QTextStream& log)
        : line_(line), unit_(unit), faults_(options.line), logRequests_(options.logRequests),
          log_(log) {}

    // Serves until a stop request or the vanish point; true when it stopped at the vanish point.
    bool serve(int& framesLeft) {
        auto lastByte = Clock::now();
        while (!sim::stopRequested()) {
            if (line_.receive(pending_, nextWait()))
                lastByte = Clock::now();
            sendDue();
            if (line_.releaseAbandonedLine())
                log_ << "varko-sim: client gone, line released" << Qt::endl;
            if (!pending_.empty() && pending_.size() < kFrameSize &&
                Clock::now() - lastByte > kResyncGap)
                pending_.clear();
            while (pending_.size() >= kFrameSize) {
                LinkFrame request;
                std::copy_n(pending_.begin(), kFrameSize, request.bytes.begin());
                pending_.erase(pending_.begin(), pending_.begin() + kFrameSize);
                reportLineSettings();
                if (logRequests_)
                    log_ << QStringLiteral("varko-sim: request 0x%1")
                                .arg(request.command(), 2, 16, QChar('0'))
                         << Qt::endl;
                if (const auto answer = unit_.answer(request))
                    schedule(*answer);
                if (framesLeft > 0 && --framesLeft == 0)
                    return true;
            }
        }
        return false;
    }

private:
    Clock::duration nextWait() const {
        if (outgoing_.empty())
            return kIdlePoll;
        const auto untilDue = outgoing_.front().due - Clock::now();
        return std::clamp<Clock::duration>(untilDue, Clock::duration::zero(), kIdlePoll);
    }

    void schedule(const LinkFrame& answer) {
        const auto received = Clock::now();
        for (sim::LineChunk& chunk : sim::shapeAnswer(answer, ++answers_, faults_))
            outgoing_.push_back(
                {received + std::chrono::milliseconds(chunk.atMs), std::move(chunk.bytes)});
        // Answers leave in the order of their requests, each no earlier than its own time.
        std::stable_sort(outgoing_.begin(), outgoing_.end(),
                         [](const auto& a, const auto& b) { return a.due < b.due; });
        sendDue();
    }

    void sendDue() {
        while (!outgoing_.empty() && outgoing_.front().due <= Clock::now()) {
            line_.send(outgoing_.front().bytes);
            outgoing_.pop_front();
        }
    }

    void reportLineSettings() {
        const QString fault = line_.lineSettingsFault();
        if (reported_ && fault == lastFault_)
            return;
        reported_ = true;
        lastFault_ = fault;
        if (fault.isEmpty())
            log_ << "varko-sim: line settings OK (57600 8N1 raw)" << Qt::endl;
        else
            log_ << "varko-sim: line settings wrong: " << fault << " (want 57600 8N1 raw)"
                 << Qt::endl;
    }

    sim::PtyLink& line_;
    sim::SimulatedUnit& unit_;
    const sim::LineFaults& faults_;
    bool logRequests_;
    QTextStream& log_;
    std::vector<std::uint8_t> pending_;
    std::deque<ScheduledBytes> outgoing_;
    int answers_ = 0;
    bool reported_ = false;
    QString lastFault_;
};

int fail(const QString& message) {
    QTextStream(stderr) << "varko-sim: " << message << '\n';
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varko-sim"));
    QString error;
    sim::SimOptions options = sim::parseSimOptions(app, error);
    if (!error.isEmpty())
        return fail(error);

    sim::catchStopRequests();

    sim::SimulatedUnit unit(options.faults, options.live);
    unit.store() = sim::SimulatedUnit::factoryImage();
    for (const auto& [offset, value] : options.storedBytes)
        unit.store()[offset] = value;
    QTextStream out(stdout);
    for (;;) {
        sim::PtyLink line;
        const QString openError = line.open(options.linkPath);
        if (!openError.isEmpty())
            return fail(openError);
        out << "varko-sim: " << options.linkPath << " -> " << line.slaveName() << Qt::endl;
        // The line vanishes once; after coming back it stays.
        int framesLeft = options.vanishAfter;
        options.vanishAfter = 0;
        LineServer server(line, unit, options, out);
        const bool vanished = server.serve(framesLeft);
        line.close();
        if (!vanished || options.returnAfterMs < 0)
            break;
        out << "varko-sim: line closed" << Qt::endl;
        if (sim::stopRequestedWithin(options.returnAfterMs))
            break;
    }
    return 0;
}
