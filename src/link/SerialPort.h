#pragma once
// The serial line as the link needs it: open a device exclusively at 57600 8N1 without flow
// control, ask how many bytes wait, read only those, write one frame and wait (bounded) until it
// has left, close. The link logic sees nothing else of the platform.
//
// The layer is our own rather than QSerialPort: the tick must read exactly the bytes that wait
// at that moment (QSerialPort fills a hidden buffer from the event loop, which shifts replies by
// a tick; the command line ticks from a timer in an event loop of its own, as the window does),
// the open must be exclusive and report why it failed, and tests substitute a scripted port.

#include <QString>
#include <cstdint>
#include <memory>
#include <span>

namespace varko {

enum class PortError {
    None,
    NotFound,         // no such device (or a dangling link)
    PermissionDenied, // the user may not open it (not in the dialout group)
    Busy,             // another program holds it
    NotSerial,        // the path names something that is not a serial device (a plain file)
    Directory,        // the path names a folder
    Other,
};

// A line of text that tells the user what went wrong, naming the device behind a port link, and
// for permissions how to fix it. Empty when there is nothing to add to the fixed message.
QString portErrorAdvice(PortError error, const QString& devicePath);

class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual PortError open(const QString& devicePath) = 0;
    virtual bool isOpen() const = 0;
    // Bytes received and not yet read; -1 when the device has gone (the caller closes the port).
    virtual int bytesWaiting() = 0;
    // Reads at most buffer.size() of the waiting bytes without waiting; returns the count or -1.
    virtual int read(std::span<std::uint8_t> buffer) = 0;
    // Writes all bytes and waits until they have left, for a bounded time. False when the write
    // failed or did not finish in time: the caller treats that as a lost frame.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    virtual void close() = 0;
};

// The platform's side, from its own file (PosixSerialPort.cpp): the port the window and the
// command line open, and the device that COMn (1..21) is when no port link overrides it.
std::unique_ptr<SerialPort> makeSystemSerialPort();
QString systemPortDevice(int portNumber);

} // namespace varko
