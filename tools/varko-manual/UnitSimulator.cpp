#include "UnitSimulator.h"

#include "storage/ConfigPaths.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr int kStartMs = 10000;
// A steady engine in the middle of the map, and the same jitter every time.
const QStringList kSteadyEngine = {"--rpm", "4600", "--throttle", "35", "--seed", "1"};

} // namespace

UnitSimulator::~UnitSimulator() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate(); // it removes its link on the way out
    if (!process_.waitForFinished(kStartMs))
        process_.kill();
}

QString UnitSimulator::start(const QString& program) {
    const QString link = varko::portOverrideDir() + QStringLiteral("/COM%1").arg(kPort);
    const QString linkedTo = QFileInfo(link).symLinkTarget();
    process_.setProgram(program);
    process_.setArguments(QStringList{"--com", QString::number(kPort)} + kSteadyEngine);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start();
    if (!process_.waitForStarted(kStartMs))
        return QStringLiteral("%1 did not start: %2").arg(program, process_.errorString());
    // Linked once the link leads to a terminal that is there.
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired()) {
        const QFileInfo now(link);
        if (now.exists() && now.symLinkTarget() != linkedTo)
            return {};
        if (process_.state() == QProcess::NotRunning)
            return QStringLiteral("%1 ended at start").arg(program);
        QThread::msleep(20);
    }
    return QStringLiteral("%1 did not link COM%2 in time").arg(program).arg(kPort);
}
