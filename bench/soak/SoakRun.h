#pragma once
// The soak: the real window (offscreen) on a simulated unit whose faults change at random,
// driven through its menus and edits as a restless user would, for a given time. Everything
// random comes from one seed, so a run can be repeated step for step (the timing of the line
// aside).

#include "../window/EventLoopProbe.h"
#include "FlowsFixture.h"
#include "link/LinkFrame.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <map>
#include <random>

struct SoakReport {
    std::map<QString, int> started;  // by menu item
    std::map<QString, int> outcomes; // "<transfer>: <result>"
    std::map<QString, int> actions;
    int simulatorStarts = 0;
    QStringList hangs; // what was stuck, when, for how long
    // Each kind of transfer whose starts and outcomes differ in number: "<transfer>: <started>
    // started, <ended> outcomes".
    QStringList missingOutcomes;
    qint64 rssStartKb = 0; // after the warm-up
    qint64 rssEndKb = 0;
    // What the program's own allocations hold, without the allocator's free pages.
    qint64 heapStartKb = 0;
    qint64 heapEndKb = 0;
    QList<qint64> rssSamplesKb; // at each tenth of the run after the warm-up
    // The longest the event loop was held, by what held it: an action of the soak, or anything
    // between two steps (the link's tick, the window's own timers).
    std::map<QString, qint64> longestMs;
};

class SoakRun {
public:
    SoakRun(unsigned seed, int seconds);
    ~SoakRun();

    SoakReport run();

private:
    void step();
    void switchFaults();
    void startTransfer();
    void checkLinkProgress();
    void checkOutcomes();
    void editValue();
    void saveFile();
    void openFile();
    void queueAnswers();
    void noteLongest(const QString& what, qint64 ms);
    const char* pick(std::initializer_list<const char*> items);

    std::mt19937 random_;
    int seconds_;
    FlowsFixture fixture_;
    ScriptedMessageBoxes& boxes_;
    EventLoopProbe probe_;
    QProcess simulator_;
    QTemporaryDir files_;
    SoakReport report_;
    QElapsedTimer clock_;
    qint64 nextFaultSwitchMs_ = 0;
    // The link's counters as last seen, and since when they stand still.
    QByteArray linkCounters_;
    qint64 linkStillSinceMs_ = 0;
    bool linkHangReported_ = false;
    std::atomic<int> loopStalls_{0};
};

// The resident memory of this process in KiB.
qint64 residentKb();
// The bytes in use in the heap in KiB.
qint64 heapInUseKb();
