#include "link/PosixSerialPort.h"

#include "link/PortLinkLock.h"
#include "storage/FileNames.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varko {
namespace {

PortError errorFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case ENOTDIR:
        return PortError::NotFound;
    case EACCES:
    case EPERM:
        return PortError::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK:
        return PortError::Busy;
    case EISDIR:
        return PortError::Directory;
    default:
        return PortError::Other;
    }
}

void applyLineSettings(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return; // not a terminal: the unit's silence will show it
    cfmakeraw(&settings);
    cfsetispeed(&settings, B57600);
    cfsetospeed(&settings, B57600);
    settings.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &settings);
}

} // namespace

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return std::make_unique<PosixSerialPort>();
}

// The usual names on Linux: built-in ports first, then USB serial adapters, then USB CDC devices.
QString systemPortDevice(int portNumber) {
    if (portNumber <= 4)
        return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
    if (portNumber <= 12)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 5);
    return QStringLiteral("/dev/ttyACM%1").arg(portNumber - 13);
}

PosixSerialPort::~PosixSerialPort() {
    close();
}

PortError PosixSerialPort::open(const QString& devicePath) {
    close();
    const QByteArray path = encodeFileName(devicePath);
    if (path.isEmpty() || removeOrphanedPortLink(devicePath))
        return PortError::NotFound;
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errorFromErrno(errno);
    // Looked at again once the device is open, for a creator that died in between: its terminal
    // number may already be someone else's. One that dies later makes the device vanish, which
    // the tick sees, and the next open ends above.
    if (removeOrphanedPortLink(devicePath)) {
        ::close(fd);
        return PortError::NotFound;
    }
    // Never write frames into a plain file or a device such as /dev/null that a port link happens
    // to point at: only a terminal is a serial line.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || !isatty(fd)) {
        ::close(fd);
        return PortError::NotSerial;
    }
    // TIOCEXCL keeps other programs out but does not stop root; the lock does.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return errorFromErrno(error);
    }
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    settingsSaved_ = tcgetattr(fd, &savedSettings_) == 0;
    applyLineSettings(fd);
    // A fresh open starts with an empty receive queue, whatever an earlier session left in it.
    tcflush(fd, TCIFLUSH);
    return PortError::None;
}

int PosixSerialPort::bytesWaiting() {
    if (fd_ < 0)
        return 0;
    int count = 0;
    if (ioctl(fd_, FIONREAD, &count) != 0)
        return -1;
    if (count == 0) {
        // A hung-up line (unplugged adapter, closed pseudo-terminal) may still answer FIONREAD.
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
            return -1;
    }
    return count;
}

int PosixSerialPort::read(std::span<std::uint8_t> buffer) {
    if (fd_ < 0)
        return 0;
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n < 0)
        return errno == EAGAIN ? 0 : -1;
    return static_cast<int>(n);
}

bool PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    auto remainingMs = [&] {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return static_cast<int>(std::max<long long>(0, left.count()));
    };

    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        const int timeout = remainingMs();
        if (timeout == 0 || poll(&p, 1, timeout) <= 0 || (p.revents & (POLLERR | POLLHUP)))
            return false;
    }
    // Transmit-empty: the frame has left the port when the output queue is empty.
    for (;;) {
        int queued = 0;
        if (ioctl(fd_, TIOCOUTQ, &queued) != 0)
            return false;
        if (queued == 0)
            return true;
        if (remainingMs() == 0)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void PosixSerialPort::close() {
    if (fd_ < 0)
        return;
    if (settingsSaved_)
        tcsetattr(fd_, TCSANOW, &savedSettings_);
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    settingsSaved_ = false;
}

} // namespace varko
