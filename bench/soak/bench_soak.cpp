// bench_soak [seconds, default 1200] [seed, default 1]: the window on a misbehaving simulated
// unit for the given time; prints the transfers and their outcomes, hangs, crashes and the
// resident memory after a warm-up (a tenth of the run, at most a minute) and at the end. Exit
// status 1 on a hang, a crash, a started transfer without an outcome or memory grown by 2 MB or
// more.
//
// The soak runs in a child process, so that a crash is reported rather than ending the report.

#include "SoakRun.h"

#include <QApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 kGrowthLimitKb = 2048;

int soak(int argc, char* argv[], unsigned seed, int seconds) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SoakReport report;
    {
        SoakRun run(seed, seconds);
        report = run.run();
    }
    QTextStream out(stdout);
    out << "soak: " << seconds << " s, seed " << seed << ", simulator started "
        << report.simulatorStarts << " times with new faults\n";
    out << "actions:";
    for (const auto& [action, count] : report.actions)
        out << ' ' << action << ' ' << count;
    out << "\ntransfers started:";
    for (const auto& [item, count] : report.started)
        out << ' ' << item << ' ' << count;
    out << "\noutcomes:\n";
    for (const auto& [outcome, count] : report.outcomes)
        out << QStringLiteral("  %1  %2\n").arg(count, 5).arg(outcome);
    out << "transfers without an outcome: " << report.missingOutcomes.size() << '\n';
    for (const QString& missing : report.missingOutcomes)
        out << "  " << missing << '\n';
    out << "hangs: " << report.hangs.size() << '\n';
    for (const QString& hang : report.hangs)
        out << "  " << hang << '\n';
    out << "longest the event loop was held (ms):";
    for (const auto& [what, ms] : report.longestMs)
        out << ' ' << what << ' ' << ms << ';';
    out << '\n';
    const qint64 growth = report.rssEndKb - report.rssStartKb;
    out << "resident memory: start (after the warm-up) " << report.rssStartKb << " KiB, end "
        << report.rssEndKb << " KiB, growth " << growth << " KiB\n";
    out << "heap in use: start " << report.heapStartKb << " KiB, end " << report.heapEndKb
        << " KiB\n";
    out << "resident memory at each tenth (KiB):";
    for (qint64 sample : report.rssSamplesKb)
        out << ' ' << sample;
    out << '\n';
    out.flush();
    return report.hangs.isEmpty() && report.missingOutcomes.isEmpty() && growth < kGrowthLimitKb
               ? 0
               : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 1200;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1u;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: %s [seconds] [seed]\n", argv[0]);
        return 2;
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        return soak(argc, argv, seed, seconds);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        std::perror("bench_soak");
        return 2;
    }
    if (WIFSIGNALED(status)) {
        std::printf("crashes: 1 (signal %d)\n", WTERMSIG(status));
        return 1;
    }
    std::printf("crashes: 0\n");
    return WEXITSTATUS(status);
}
