#pragma once
// The simulator's end of the serial line: a pseudo-terminal whose slave side is linked where the
// PC program looks for a COM port, with a liveness lock beside the link for as long as the line
// lives. The link is removed again when the object goes. The terminal itself is the platform's
// (PosixPtyLink.cpp).

#include "link/PortLinkLock.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

namespace varko::sim {

class PtyLink {
public:
    PtyLink() = default;
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // Opens the pseudo-terminal and links its slave at linkPath (a stale link there is replaced;
    // any other file, or a link whose simulator still runs, is left alone). The line starts with
    // a fresh terminal's settings, as a real port does: the client has to set 57600 8N1 raw
    // itself. Empty on success, else the reason.
    QString open(const QString& linkPath);
    QString slaveName() const { return slaveName_; }
    // Waits up to wait for bytes from the client, or until a stop request (StopRequests.h), and
    // appends what one read brings to received. True when bytes came.
    bool receive(std::vector<std::uint8_t>& received, std::chrono::nanoseconds wait);
    // Sends every byte, waiting up to 100 ms whenever the line takes none. False when it failed.
    bool send(std::span<const std::uint8_t> bytes);
    // Empty when the client's line settings are 57600 8N1 raw, else what differs.
    QString lineSettingsFault() const;
    // A client that was killed leaves the terminal's exclusive-open flag set (the simulator keeps
    // the line open, so the terminal survives), which keeps every later non-root client out.
    // Clears the flag once no client holds the line's lock any more; true when it did.
    bool releaseAbandonedLine();
    // Closes the pseudo-terminal (the PC sees the device vanish) and removes the link.
    void close();

private:
    // Opens the terminal and names its slave; empty on success, else the reason.
    QString openTerminal();
    void closeTerminal();

    int master_ = -1;
    int slave_ = -1; // held open so the line stays up while the PC closes and re-opens it
    QString slaveName_;
    QString linkPath_;
    PortLinkLock lock_;
};

} // namespace varko::sim
