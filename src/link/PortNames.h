#pragma once
// Which device a COM port number opens on this system, and the port menu built from that.

#include <QString>
#include <array>
#include <cstdint>

namespace varko {

constexpr int kPortCount = 21;         // COM1..COM21 can be reached by the scan
constexpr std::uint8_t kPortAuto = 20; // the menu item and portSelection value of the scan

// COMn opens the override link portOverrideDir()/COMn when it exists; otherwise the system's
// device (systemPortDevice: on Linux COM1-4 are /dev/ttyS0-3, COM5-12 /dev/ttyUSB0-7, COM13-21
// /dev/ttyACM0-8). Empty outside 1..21.
QString portDevicePath(int portNumber);

// A port given on a command line: "COMn" (any case) as above, anything else is a device path.
// Empty for "COM" with a number outside 1..21.
QString resolvePortArgument(const QString& argument);

struct PortMenuItem {
    QString caption;   // "Com 1" .. "Com 20", "Com Auto"
    QString statusTip; // names the device the item opens
    bool checked = false;

    bool operator==(const PortMenuItem&) const = default;
};

using PortMenu = std::array<PortMenuItem, kPortCount>;

// The 21 items of the port menu; item i is checked exactly when i is the port selection.
PortMenu buildPortMenu(std::uint8_t portSelection);

} // namespace varko
