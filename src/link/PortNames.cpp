#include "link/PortNames.h"

#include "storage/ConfigPaths.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace varko {
namespace {

QString PlatformDevice(int portNumber) {
    if (portNumber <= 4)
        return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
    if (portNumber <= 12)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 5);
    return QStringLiteral("/dev/ttyACM%1").arg(portNumber - 13);
}

QString DeviceName(int portNumber) {
    const QString path = PortDevicePath(portNumber);
    const QFileInfo info(path);
    return info.isSymLink() ? path + QStringLiteral(" (") + info.symLinkTarget() + ')' : path;
}

} // namespace

QString PortDevicePath(int portNumber) {
    if (portNumber < 1 || portNumber > kPortCount)
        return {};
    const QString link = PortOverrideDir() + QStringLiteral("/COM%1").arg(portNumber);
    // A dangling link still overrides: the device behind it is gone, not replaced.
    if (QFileInfo(link).exists() || QFileInfo(link).isSymLink())
        return link;
    return PlatformDevice(portNumber);
}

QString ResolvePortArgument(const QString& argument) {
    static const QRegularExpression comName(QStringLiteral("^COM(\\d{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(argument);
    if (match.hasMatch())
        return PortDevicePath(match.captured(1).toInt());
    return argument;
}

PortMenu BuildPortMenu(std::uint8_t portSelection) {
    PortMenu menu;
    for (int i = 0; i < kPortCount; ++i) {
        const int number = i + 1;
        menu[i].caption = QStringLiteral("Com %1").arg(number);
        menu[i].statusTip =
            QStringLiteral("Serial port COM%1 on %2").arg(number).arg(DeviceName(number));
        menu[i].checked = i == portSelection;
    }
    PortMenuItem& automatic = menu[kPortAuto];
    automatic.caption = QStringLiteral("Com Auto");
    automatic.statusTip = QStringLiteral("Find the unit by trying COM1 to COM21 in turn");
    return menu;
}

} // namespace varko
