#pragma once
// The simulator's end of the serial line: a pseudo-terminal whose slave side is linked where the
// PC program looks for a COM port, with a liveness lock beside the link for as long as the line
// lives. The link is removed again when the object goes.

#include "link/PortLinkLock.h"

#include <QString>

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
    int masterFd() const { return master_; }
    QString slaveName() const { return slaveName_; }
    // Empty when the client's line settings are 57600 8N1 raw, else what differs.
    QString lineSettingsFault() const;
    // A client that was killed leaves the terminal's exclusive-open flag set (the simulator keeps
    // the line open, so the terminal survives), which keeps every later non-root client out.
    // Clears the flag once no client holds the line's lock any more; true when it did.
    bool releaseAbandonedLine();
    // Closes the pseudo-terminal (the PC sees the device vanish) and removes the link.
    void close();

private:
    int master_ = -1;
    int slave_ = -1; // held open so the line stays up while the PC closes and re-opens it
    QString slaveName_;
    QString linkPath_;
    PortLinkLock lock_;
};

} // namespace varko::sim
