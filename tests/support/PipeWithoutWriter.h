#pragma once
// A named pipe that nobody writes to: a plain open() of it waits for a writer for ever. To keep
// such a fault from hanging the test run, returnsByItself() runs the reader while a watchdog
// thread waits; if the reader is still busy after the deadline, the watchdog opens the writing
// end for a moment, which lets a blocked open() return, and the reader counts as hung.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// False when the pipe cannot be made.
inline bool makePipeWithoutWriter(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// True when read returned by itself within the deadline.
template <typename Read> bool returnsByItself(const QString& path, Read read) {
    using namespace std::chrono_literals;
    std::atomic<bool> done = false;
    std::atomic<bool> unblocked = false;
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (!done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        // Succeeds only while a reader holds the pipe open, so keep trying until it has.
        while (!done) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                unblocked = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(10ms);
        }
    });
    read();
    done = true;
    watchdog.join();
    return !unblocked;
}
