#pragma once
// The serial port on a POSIX terminal device (termios). Chosen over QSerialPort because the link
// asks "how many bytes wait" and reads exactly those from inside its own tick, without an event
// loop feeding a hidden buffer: FIONREAD and a non-blocking read give that directly, and the
// tick-driven tests and the command line see the same behaviour as the window. A Windows build
// replaces this file and its .cpp with WinSerialPort on the Win32 comm calls.

#include "link/SerialPort.h"

#include <termios.h>

namespace varko {

class PosixSerialPort final : public SerialPort {
public:
    // How long a frame write may take before it counts as lost: a 102-byte frame needs about
    // 18 ms at 57600 baud, so this is a few frame times.
    static constexpr int kWriteTimeoutMs = 100;

    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    PortError open(const QString& devicePath) override;
    bool isOpen() const override { return fd_ >= 0; }
    int bytesWaiting() override;
    int read(std::span<std::uint8_t> buffer) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    void close() override;

private:
    int fd_ = -1;
    termios savedSettings_{};
    bool settingsSaved_ = false;
};

} // namespace varko
