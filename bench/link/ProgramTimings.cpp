#include "ProgramTimings.h"

#include "UnitOnPty.h"
#include "link/LinkEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

using namespace varko;
using Clock = UnitOnPty::Clock;

constexpr int kRuns = 5;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

QString minMedianMax(std::vector<double> values, int precision = 0) {
    if (values.empty())
        return QStringLiteral("-");
    std::sort(values.begin(), values.end());
    return QStringLiteral("%1 / %2 / %3")
        .arg(values.front(), 0, 'f', precision)
        .arg(values[values.size() / 2], 0, 'f', precision)
        .arg(values.back(), 0, 'f', precision);
}

// The gaps between consecutive live-data requests.
std::vector<double> idleRequestGaps(const UnitOnPty& unit) {
    std::vector<double> gaps;
    const UnitOnPty::Request* previous = nullptr;
    for (const auto& request : unit.requests) {
        if (request.command != Command::monitorRequest)
            continue;
        if (previous)
            gaps.push_back(milliseconds(request.at - previous->at));
        previous = &request;
    }
    return gaps;
}

// A configuration folder whose COM1 leads to the unit.
struct Setup {
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    explicit Setup(const UnitOnPty& unit) {
        QDir().mkpath(config.path() + "/varko/ports");
        QFile::link(unit.slavePath(), config.path() + "/varko/ports/COM1");
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
};

std::vector<double> windowIdleGaps(const QString& programDir) {
    UnitOnPty unit;
    Setup setup(unit);
    unit.start();
    QProcess window;
    window.setProcessEnvironment(setup.environment);
    window.start(programDir + "/varko", {});
    window.waitForStarted(5000);
    window.waitForFinished(6000); // it runs on; six seconds give about 18 requests
    window.kill();
    window.waitForFinished(5000);
    unit.stop();
    return idleRequestGaps(unit);
}

std::vector<double> commandLineIdleGaps(const QString& programDir) {
    UnitOnPty unit;
    Setup setup(unit);
    unit.start();
    QProcess cli;
    cli.setProcessEnvironment(setup.environment);
    cli.start(programDir + "/varko-cli", {"monitor", "--port", "COM1", "--frames", "18"});
    cli.waitForFinished(30000);
    unit.stop();
    return idleRequestGaps(unit);
}

} // namespace

void reportIdleRequestPeriods(QTextStream& out, const QString& programDir) {
    out << "Idle request period at the unit's end, ms (min / median / max; the unit expects "
        << LinkLimits::idleRequestTicks * kTickMs << "):\n";
    out << "  window        " << minMedianMax(windowIdleGaps(programDir), 1) << "\n";
    out << "  command line  " << minMedianMax(commandLineIdleGaps(programDir), 1) << "\n";
}

void reportCommandLineTransfers(QTextStream& out, const QString& programDir) {
    QTemporaryDir files;
    const QString image = files.path() + "/preset.ign";
    QProcess::execute(programDir + "/varko-cli", {"preset", "20", "-o", image});

    out << "varko-cli against the unit on a pty, " << kRuns << " runs each (min / median / max):\n";
    const std::pair<const char*, QStringList> commands[] = {
        {"read", {"read", "--port", "COM1", "-o", files.path() + "/read.ign"}},
        {"program", {"program", "--port", "COM1", image}},
        {"verify", {"verify", "--port", "COM1", image}},
    };
    for (const auto& [name, arguments] : commands) {
        std::vector<double> wall;
        std::vector<double> ticks;
        for (int run = 0; run < kRuns; ++run) {
            UnitOnPty unit;
            Setup setup(unit);
            unit.start();
            QProcess cli;
            cli.setProcessEnvironment(setup.environment);
            QElapsedTimer took;
            took.start();
            cli.start(programDir + "/varko-cli", arguments);
            cli.waitForFinished(30000);
            wall.push_back(took.nsecsElapsed() / 1e6);
            unit.stop();
            if (cli.exitCode() != 0 || unit.lostAnswers > 0)
                out << "  (" << name << " run " << run << " exited " << cli.exitCode() << ", "
                    << unit.lostAnswers << " answers lost)\n";
            if (!unit.opens.empty() && !unit.closes.empty())
                ticks.push_back(milliseconds(unit.closes.back() - unit.opens.front()) / kTickMs);
        }
        out << QStringLiteral(
                   "  %1 ms from process start %2   port open to close in 55 ms ticks %3\n")
                   .arg(name, -8)
                   .arg(minMedianMax(wall), -16)
                   .arg(minMedianMax(ticks, 1));
    }
}
