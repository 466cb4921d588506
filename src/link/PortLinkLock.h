#pragma once
// A port link made by a program that serves the line behind it (the simulator) has a liveness
// lock beside it, "<link>.lock", which its creator holds locked for as long as it lives. The
// kernel drops the lock when the creator dies, however it dies. Pseudo-terminal numbers are
// reused at once, so a link whose lock is free may already lead to someone else's terminal: such
// a link counts as a missing port and is removed. A link without a lock file (one a user made by
// hand to a real adapter) is taken as it is. The locking is the platform's (PosixPortLinkLock.cpp).

#include <QString>

namespace varko {

inline QString livenessLockPath(const QString& linkPath) {
    return linkPath + QStringLiteral(".lock");
}

// True when linkPath is a link whose creator has gone; the link and its lock file are then
// removed.
bool removeOrphanedPortLink(const QString& linkPath);

// Held by the creator of a port link from before the link exists until after it is removed.
class PortLinkLock {
public:
    PortLinkLock() = default;
    ~PortLinkLock();
    PortLinkLock(const PortLinkLock&) = delete;
    PortLinkLock& operator=(const PortLinkLock&) = delete;

    // Takes the lock beside linkPath, waiting briefly while a program looks at a stale one.
    // Empty on success, else the reason (another living creator holds it).
    QString acquire(const QString& linkPath);
    // Removes the lock file and lets go; call after the link itself is removed.
    void release();

private:
    int fd_ = -1; // the lock file, open while the lock is held
    QString path_;
};

} // namespace varko
