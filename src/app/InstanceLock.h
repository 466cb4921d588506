#pragma once
// A lock on a file that the system holds for this process until it lets go or ends, however it
// ends: a crash leaves no lock behind. The locking is the platform's (PosixInstanceLock.cpp).

#include <QString>

class InstanceLock {
public:
    enum class Result {
        Locked,        // this process holds it now
        HeldElsewhere, // another process holds it
        Unavailable,   // the file cannot be created or opened
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock on path without waiting, creating the file when it is missing. The file is
    // never removed, so two processes always lock the same file.
    Result tryLock(const QString& path);
    bool isLocked() const { return fd_ >= 0; }

private:
    int fd_ = -1; // the lock file, open while the lock is held
};
