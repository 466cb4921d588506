#include "cli/MonitorSession.h"

#include "cli/CommandSession.h"
#include "cli/LinkSession.h"
#include "link/LiveDataCsv.h"

#include <QElapsedTimer>

#include <csignal>

namespace varko::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;
void onInterrupt(int) {
    interrupted = 1;
}

} // namespace

bool runMonitor(const QString& devicePath, const MonitorOptions& options, CliIo& io) {
    CommandSession link(devicePath, io);
    const LiveCsvColumns columns =
        options.timestamps ? LiveCsvColumns::TimedMonitor : LiveCsvColumns::Monitor;
    int framesSeen = 0;
    const auto done = [&] { return options.frames > 0 && framesSeen >= options.frames; };
    QElapsedTimer sinceLastFrame;
    QElapsedTimer sinceHeader;
    // A reader on a pipe sees each line as it comes; a line that cannot be written (a full disk,
    // a reader gone) ends the monitor, and the program names the reason as it exits.
    const auto writeLine = [&io](const QString& line) {
        io.out << line << "\n";
        io.out.flush();
        return io.out.status() == QTextStream::Ok;
    };
    bool outputFailed = false;
    QObject::connect(&link.session(), &UnitSession::monitorFrame, [&](const LinkFrame& frame) {
        sinceLastFrame.restart();
        if (done() || outputFailed)
            return;
        ++framesSeen;
        LiveRecord record = *liveRecordOf(frame, options.set); // the engine checked the frame
        record.timeMs = sinceHeader.elapsed();
        outputFailed = !writeLine(liveCsvLine(record, columns));
    });
    sinceLastFrame.start();
    if (!link.openPort())
        return false;
    outputFailed = !writeLine(liveCsvHeader(columns));
    sinceHeader.start();

    interrupted = 0;
    const auto previousInt = std::signal(SIGINT, onInterrupt);
    const auto previousTerm = std::signal(SIGTERM, onInterrupt);
    bool noConnection = false;
    // A unit that vanishes, or falls silent, after frames came is given up on the same way as
    // one that never answered: the rows printed so far stay.
    link.run([&] {
        noConnection = sinceLastFrame.elapsed() >= kConnectTimeoutMs;
        return noConnection || done() || interrupted || outputFailed;
    });
    link.close();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);

    if (noConnection)
        io.err << "No connection with PC\n";
    return !noConnection;
}

} // namespace varko::cli
