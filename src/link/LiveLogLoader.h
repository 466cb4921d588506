#pragma once
// Reads a live-data log file on a thread of its own, so that a large log (a long ride is some
// 100 MB) does not hold up the window: the window asks how far it has come and takes the log
// once it is read.

#include "link/LiveDataCsv.h"

#include <atomic>
#include <thread>

namespace varko {

class LiveLogLoader {
public:
    // Starts reading at once.
    explicit LiveLogLoader(const QString& path);
    // Ends the reading and waits for it, which is quick: the reader looks at every line.
    ~LiveLogLoader();
    LiveLogLoader(const LiveLogLoader&) = delete;
    LiveLogLoader& operator=(const LiveLogLoader&) = delete;

    QString path() const { return path_; }
    // The share of the file read so far, 0..1.
    double progress() const;
    bool isDone() const { return done_.load(std::memory_order_acquire); }
    // The log as read; only once isDone(), and only once.
    LiveLogFile take();

private:
    const QString path_;
    LiveLogProgress progress_;
    LiveLogFile result_;
    std::atomic<bool> done_{false};
    std::thread thread_; // last: it starts once the rest is there
};

} // namespace varko
