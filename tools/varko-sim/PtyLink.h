#pragma once
// The simulator's end of the serial line: a pseudo-terminal whose slave side is linked where the
// PC program looks for a COM port. The link is removed again when the object goes.

#include <QString>

namespace varko::sim {

class PtyLink {
public:
    PtyLink() = default;
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // Opens the pseudo-terminal in raw mode and links its slave at linkPath (a stale link there
    // is replaced; any other file is left alone). Empty on success, else the reason.
    QString open(const QString& linkPath);
    int masterFd() const { return master_; }
    QString slaveName() const { return slaveName_; }
    // Closes the pseudo-terminal (the PC sees the device vanish) and removes the link.
    void close();

private:
    int master_ = -1;
    int slave_ = -1; // held open so the line stays up while the PC closes and re-opens it
    QString slaveName_;
    QString linkPath_;
};

} // namespace varko::sim
