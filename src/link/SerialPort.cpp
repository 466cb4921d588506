#include "link/SerialPort.h"

namespace varko {

QString portErrorAdvice(PortError error, const QString& devicePath) {
    switch (error) {
    case PortError::PermissionDenied:
        return QStringLiteral("Permission denied for %1. Add your user to the dialout group "
                              "(sudo usermod -aG dialout $USER) and log in again.")
            .arg(devicePath);
    case PortError::Busy:
        return QStringLiteral("%1 is in use by another program.").arg(devicePath);
    case PortError::NotSerial:
        return QStringLiteral("%1 is not a serial device.").arg(devicePath);
    case PortError::NotFound:
        return devicePath.isEmpty() ? QStringLiteral("No such port.")
                                    : QStringLiteral("%1 does not exist.").arg(devicePath);
    case PortError::Other:
    case PortError::None:
        break;
    }
    return {};
}

} // namespace varko
