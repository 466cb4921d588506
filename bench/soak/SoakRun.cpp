#include "SoakRun.h"
#include "Controls.h"

#include "SimulatorProcess.h"
#include "app/WindowLink.h"
#include "link/LinkEngine.h"
#include "model/FormMapping.h"

#include <QCoreApplication>
#include <QFile>
#include <malloc.h>

using namespace varko;

namespace {

constexpr qint64 kHangMs = 2000;
constexpr int kStepMs = 150;
constexpr qint64 kWarmUpMs = 60000; // at most; a tenth of a shorter run

// Every fault the simulator knows, each drawn with its own chance, with a value drawn from
// low..high (none for a switch); most draws leave the unit mostly well, so transfers also get to
// their end.
struct FaultChoice {
    int chance; // percent
    const char* option;
    int low = 0;
    int high = 0;
};

constexpr FaultChoice kFaults[] = {
    {15, "--answer-every", 2, 4},
    {15, "--corrupt-check", 2, 6},
    {8, "--flip-echo"},
    {5, "--protocol-version", 40, 80},
    {8, "--refuse-reading"},
    {5, "--silent"},
    {10, "--vanish-after", 1, 40},
    {50, "--return-after", 0, 3000},
    {15, "--split-reply", 2, 8},
    {50, "--piece-gap", 0, 40},
    {15, "--delay-reply", 0, 300},
    {10, "--truncate-every", 2, 6},
    {15, "--garbage-every", 2, 6},
    {10, "--double-every", 2, 6},
    {10, "--pickup-error"},
    {10, "--tps-error"},
    {10, "--data-error"},
    {5, "--live-version", 40, 80},
};

QStringList randomFaults(std::mt19937& random) {
    auto number = [&](int low, int high) {
        return QString::number(std::uniform_int_distribution<int>(low, high)(random));
    };
    QStringList faults{"--seed", number(1, 1000000)};
    for (const FaultChoice& fault : kFaults) {
        if (std::uniform_int_distribution<int>(0, 99)(random) >= fault.chance)
            continue;
        faults << QString::fromLatin1(fault.option);
        if (fault.high > 0)
            faults << number(fault.low, fault.high);
    }
    return faults;
}

QString resultName(TransferResult result) {
    switch (result) {
    case TransferResult::Ok:
        return QStringLiteral("OK");
    case TransferResult::ProgramError:
        return QStringLiteral("program error");
    case TransferResult::VerifyError:
        return QStringLiteral("verify error");
    case TransferResult::ReadError:
        return QStringLiteral("read error");
    case TransferResult::NoReading:
        return QStringLiteral("reading refused");
    case TransferResult::VersionMismatch:
        return QStringLiteral("other protocol version");
    case TransferResult::Abandoned:
        return QStringLiteral("abandoned");
    }
    return QStringLiteral("?");
}

QString transferName(TransferMode mode) {
    switch (mode) {
    case TransferMode::Read:
        return QStringLiteral("read");
    case TransferMode::Program:
        return QStringLiteral("program");
    case TransferMode::Verify:
        return QStringLiteral("verify");
    case TransferMode::Idle:
        break;
    }
    return QStringLiteral("idle");
}

// The transfers the soak starts, by their menu items.
constexpr std::pair<const char*, TransferMode> kTransferItems[] = {
    {Control::readItem, TransferMode::Read},
    {Control::programItem, TransferMode::Program},
    {Control::verifyItem, TransferMode::Verify},
};

} // namespace

qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

qint64 heapInUseKb() {
    return qint64(mallinfo2().uordblks / 1024);
}

SoakRun::SoakRun(unsigned seed, int seconds)
    : random_(seed), seconds_(seconds), boxes_(fixture_.window.boxes) {
    simulator_.setProgram(SimulatorProcess::executable());
    simulator_.setProcessChannelMode(QProcess::MergedChannels);
    // Its output is not looked at; discarding it keeps the pipe from filling.
    simulator_.setStandardOutputFile(QProcess::nullDevice());
}

SoakRun::~SoakRun() {
    simulator_.kill();
    simulator_.waitForFinished(5000);
}

const char* SoakRun::pick(std::initializer_list<const char*> items) {
    std::uniform_int_distribution<std::size_t> index(0, items.size() - 1);
    return items.begin()[index(random_)];
}

void SoakRun::queueAnswers() {
    using Answer = MessageBoxes::Answer;
    boxes_.answers.clear();
    for (int i = 0; i < 3; ++i)
        boxes_.answers << (random_() % 3 == 0 ? Answer::Cancel
                           : random_() % 2    ? Answer::Yes
                                              : Answer::No);
}

void SoakRun::switchFaults() {
    if (simulator_.state() != QProcess::NotRunning) {
        // Half the time the unit is pulled away (killed), half the time it is switched off.
        if (random_() % 2)
            simulator_.kill();
        else
            simulator_.terminate();
        simulator_.waitForFinished(2000);
    }
    simulator_.setArguments(QStringList{"--com", QString::number(kSimulatorPort)} +
                            randomFaults(random_));
    simulator_.start();
    ++report_.simulatorStarts;
    nextFaultSwitchMs_ =
        clock_.elapsed() + std::uniform_int_distribution<int>(5000, 20000)(random_);
}

void SoakRun::startTransfer() {
    if (fixture_.window.link().engine().state().step != TransferStep::Idle)
        return;
    const char* item = kTransferItems[random_() % std::size(kTransferItems)].first;
    queueAnswers();
    fixture_.trigger(item);
    ++report_.started[QString::fromLatin1(item)];
}

// The engine's counters move on every tick of its timer; standing still for 2 s is a link that
// has stopped.
void SoakRun::checkLinkProgress() {
    const LinkState& s = fixture_.window.link().engine().state();
    const QByteArray counters =
        QByteArray::number(int(s.step)) + ':' + QByteArray::number(s.ticksSinceSend) + ':' +
        QByteArray::number(s.sendAttempts) + ':' + QByteArray::number(s.silentTicks) + ':' +
        QByteArray::number(s.reconnectTicks) + ':' + QByteArray::number(s.statusTicks);
    const qint64 now = clock_.elapsed();
    if (counters != linkCounters_) {
        linkCounters_ = counters;
        linkStillSinceMs_ = now;
        linkHangReported_ = false;
        return;
    }
    if (now - linkStillSinceMs_ >= kHangMs && !linkHangReported_) {
        linkHangReported_ = true;
        report_.hangs << QStringLiteral("link still at %1 s (counters %2)")
                             .arg(now / 1000)
                             .arg(QString::fromLatin1(counters));
    }
}

// Every transfer started ends with an outcome of its own kind, well or not.
void SoakRun::checkOutcomes() {
    for (const auto& [item, mode] : kTransferItems) {
        const QString kind = transferName(mode);
        const int started = report_.started[QString::fromLatin1(item)];
        int ended = 0;
        for (const auto& [outcome, count] : report_.outcomes)
            if (outcome.startsWith(kind + QStringLiteral(": ")))
                ended += count;
        if (ended != started)
            report_.missingOutcomes
                << QStringLiteral("%1: %2 started, %3 outcomes").arg(kind).arg(started).arg(ended);
    }
}

void SoakRun::editValue() {
    const auto& pairs = pairTable();
    const PairSpec& pair = pairs[random_() % pairs.size()];
    QLineEdit* edit = fixture_.window.edit(pair.editName);
    if (!edit)
        return;
    const int spread = std::max(1, (pair.max - pair.min) / 10);
    const int value =
        std::uniform_int_distribution<int>(pair.min - spread, pair.max + spread)(random_);
    const QString texts[] = {QString::number(value), QStringLiteral("12a"), QString(),
                             QStringLiteral("99999999999")};
    edit->setText(random_() % 5 ? texts[0] : texts[random_() % 4]);
    queueAnswers();
    fixture_.window.edits().commitEditedValue();
}

void SoakRun::saveFile() {
    fixture_.dialogs.paths = {files_.filePath(QStringLiteral("soak%1.ign").arg(random_() % 3))};
    queueAnswers();
    fixture_.trigger(Control::saveItem);
}

void SoakRun::openFile() {
    // Now and then a file that is not there, to take the error path too.
    fixture_.dialogs.paths = {files_.filePath(QStringLiteral("soak%1.ign").arg(random_() % 4))};
    queueAnswers();
    fixture_.trigger(Control::openItem);
}

void SoakRun::noteLongest(const QString& what, qint64 ms) {
    qint64& longest = report_.longestMs[what];
    longest = std::max(longest, ms);
}

void SoakRun::step() {
    // The scripted boxes and dialogs record all they show; kept, that would be the soak's own
    // growth, not the window's.
    boxes_.shown.clear();
    boxes_.warnings.clear();
    boxes_.asked.clear();
    fixture_.dialogs.shown.clear();
    checkLinkProgress();
    // What held the loop longest, and whether it was the soak's own simulator switch.
    noteLongest(QStringLiteral("(between steps)"), probe_.takeLongestLateMs());
    if (clock_.elapsed() >= nextFaultSwitchMs_) {
        QElapsedTimer switching;
        switching.start();
        switchFaults();
        noteLongest(QStringLiteral("simulator switch (the soak's own)"), switching.elapsed());
    }
    QElapsedTimer acting;
    acting.start();

    const int choice = std::uniform_int_distribution<int>(0, 99)(random_);
    QString action;
    if (choice < 15) {
        startTransfer();
        action = QStringLiteral("transfer");
    } else if (choice < 25) {
        queueAnswers();
        fixture_.trigger(pick(
            {Control::englishItem, Control::germanItem, Control::frenchItem, Control::czechItem}));
        action = QStringLiteral("language");
    } else if (choice < 55) {
        editValue();
        action = QStringLiteral("edit");
    } else if (choice < 68) {
        queueAnswers();
        fixture_.trigger(Control::undoItem);
        action = QStringLiteral("undo");
    } else if (choice < 78) {
        queueAnswers();
        fixture_.trigger(Control::redoItem);
        action = QStringLiteral("redo");
    } else if (choice < 84) {
        saveFile();
        action = QStringLiteral("save");
    } else if (choice < 90) {
        openFile();
        action = QStringLiteral("open");
    } else if (choice < 93) {
        fixture_.pages()->setCurrentIndex(int(random_() % fixture_.pages()->count()));
        action = QStringLiteral("page");
    } else {
        action = QStringLiteral("wait");
    }
    ++report_.actions[action];
    noteLongest(action, acting.elapsed());
    // The action's own time is counted above, not again as lateness before the next step.
    probe_.takeLongestLateMs();
}

SoakReport SoakRun::run() {
    clock_.start();
    fixture_.window->show();
    fixture_.programWithoutBackup();
    QObject::connect(&fixture_.window.link(), &WindowLink::transferFinished,
                     [this](TransferMode started, TransferResult result) {
                         ++report_.outcomes[transferName(started) + ": " + resultName(result)];
                     });
    switchFaults();
    fixture_.trigger(Control::portItem(kSimulatorPort));
    probe_.watch(kHangMs, [this](qint64) { ++loopStalls_; });

    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, [this] { step(); });
    stepper.start(kStepMs);
    // Memory is counted from a window that has done everything once: its caches (fonts of four
    // languages, the pages, the files, the undo ring) are then full.
    const qint64 warmUpMs = std::min<qint64>(kWarmUpMs, qint64(seconds_) * 100);
    QTest::qWait(int(warmUpMs));
    malloc_trim(0);
    report_.rssStartKb = residentKb();
    report_.heapStartKb = heapInUseKb();
    probe_.takeLongestLateMs();

    const qint64 endMs = qint64(seconds_) * 1000;
    const qint64 sampleEveryMs = (endMs - clock_.elapsed()) / 10;
    for (qint64 nextSample = clock_.elapsed() + sampleEveryMs; clock_.elapsed() < endMs;) {
        QTest::qWait(200);
        if (clock_.elapsed() >= nextSample) {
            report_.rssSamplesKb << residentKb();
            nextSample += sampleEveryMs;
        }
    }
    stepper.stop();
    // The last transfer ends before memory is counted, as the first had not begun.
    simulator_.kill();
    const bool ended = QTest::qWaitFor(
        [this] { return fixture_.window.link().engine().state().step == TransferStep::Idle; },
        5000);
    if (!ended)
        report_.hangs << QStringLiteral("a transfer still running 5 s after the unit went");
    QTest::qWait(500);
    checkOutcomes();
    malloc_trim(0);
    report_.rssEndKb = residentKb();
    report_.heapEndKb = heapInUseKb();
    noteLongest(QStringLiteral("(between steps)"), probe_.takeLongestLateMs());
    if (loopStalls_ > 0)
        report_.hangs << QStringLiteral("event loop stopped %1 time(s) for 2 s or more")
                             .arg(loopStalls_.load());
    return report_;
}
