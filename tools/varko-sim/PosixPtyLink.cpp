#include "PtyLink.h"

#include "PosixStopRequests.h"

#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace varko::sim {

QString PtyLink::openTerminal() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        return QStringLiteral("cannot open a pseudo-terminal: %1")
            .arg(QString::fromLocal8Bit(strerror(errno)));
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    slaveName_ = QString::fromLocal8Bit(name);
    return {};
}

void PtyLink::closeTerminal() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

bool PtyLink::receive(std::vector<std::uint8_t>& received, std::chrono::nanoseconds wait) {
    pollfd p{master_, POLLIN, 0};
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    const timespec timeout{static_cast<time_t>(seconds.count()),
                           static_cast<long>((wait - seconds).count())};
    if (ppoll(&p, 1, &timeout, &stopWaitMask()) <= 0 || !(p.revents & POLLIN))
        return false;
    std::uint8_t chunk[4096];
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0)
        return false;
    received.insert(received.end(), chunk, chunk + n);
    return true;
}

bool PtyLink::send(std::span<const std::uint8_t> bytes) {
    const std::uint8_t* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(master_, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd p{master_, POLLOUT, 0};
            if (poll(&p, 1, 100) <= 0)
                return false;
        }
    }
    return true;
}

QString PtyLink::lineSettingsFault() const {
    termios t{};
    if (slave_ < 0 || tcgetattr(slave_, &t) != 0)
        return QStringLiteral("line settings unreadable");
    QStringList wrong;
    if (cfgetispeed(&t) != B57600 || cfgetospeed(&t) != B57600)
        wrong << QStringLiteral("speed not 57600");
    if ((t.c_cflag & CSIZE) != CS8)
        wrong << QStringLiteral("not 8 data bits");
    if (t.c_cflag & PARENB)
        wrong << QStringLiteral("parity");
    if (t.c_cflag & CSTOPB)
        wrong << QStringLiteral("2 stop bits");
    if (t.c_cflag & CRTSCTS)
        wrong << QStringLiteral("hardware flow control");
    if (t.c_iflag & (IXON | IXOFF))
        wrong << QStringLiteral("software flow control");
    if (t.c_lflag & ICANON)
        wrong << QStringLiteral("line editing");
    if (t.c_lflag & (ECHO | ECHONL))
        wrong << QStringLiteral("echo");
    if (t.c_lflag & (ISIG | IEXTEN))
        wrong << QStringLiteral("control characters");
    if (t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK))
        wrong << QStringLiteral("input translation");
    if (t.c_oflag & OPOST)
        wrong << QStringLiteral("output processing");
    return wrong.join(QStringLiteral(", "));
}

bool PtyLink::releaseAbandonedLine() {
    int exclusive = 0;
    if (slave_ < 0 || ioctl(slave_, TIOCGEXCL, &exclusive) != 0 || exclusive == 0)
        return false;
    // A living client holds the lock on the line; only a line nobody holds is released.
    if (flock(slave_, LOCK_EX | LOCK_NB) != 0)
        return false;
    ioctl(slave_, TIOCNXCL);
    flock(slave_, LOCK_UN);
    return true;
}

} // namespace varko::sim
