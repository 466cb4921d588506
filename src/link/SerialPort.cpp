#include "link/SerialPort.h"

#include <QFileInfo>

namespace varko {
namespace {

// The group that owns serial adapters on Debian-like systems; membership is the usual way in.
const QString kSerialGroup = QStringLiteral("dialout");

// "path" or, for a port link, "path (device)".
QString namedDevice(const QString& devicePath) {
    const QFileInfo info(devicePath);
    if (!info.isSymLink())
        return devicePath;
    return QStringLiteral("%1 (%2)").arg(devicePath, info.symLinkTarget());
}

QString permissionAdvice(const QString& devicePath) {
    QString text = QStringLiteral("Permission denied for %1.").arg(namedDevice(devicePath));
    // Other groups (a terminal's "tty", a device with its own group) are not solved by dialout.
    if (QFileInfo(devicePath).group() == kSerialGroup)
        text += QStringLiteral(" Add your user to the dialout group "
                               "(sudo usermod -aG dialout $USER) and log in again.");
    return text;
}

} // namespace

QString portErrorAdvice(PortError error, const QString& devicePath) {
    switch (error) {
    case PortError::PermissionDenied:
        return permissionAdvice(devicePath);
    case PortError::Busy:
        return QStringLiteral("%1 is in use by another program.").arg(namedDevice(devicePath));
    case PortError::NotSerial:
        return QStringLiteral("%1 is not a serial device.").arg(namedDevice(devicePath));
    case PortError::Directory:
        return QStringLiteral("%1 is a folder, not a serial device.").arg(devicePath);
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
