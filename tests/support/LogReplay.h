#pragma once
// A live-data log played in the window as File > Open live-data log... plays it: read off the
// window's thread, then played once it is read.

#include "app/LiveReplayDriver.h"

#include <QTest>

// True once the log is read and plays; false when it was refused (its box says why) or was not
// read within 10 s.
inline bool playLog(LiveReplayDriver& replay, const QString& path) {
    replay.load(path);
    return QTest::qWaitFor([&] { return !replay.isLoading(); }, 10000) && replay.isReplaying();
}
