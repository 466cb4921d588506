#include "link/PortNames.h"

#include "link/SerialPort.h"
#include "storage/ConfigPaths.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace varko {
namespace {

QString deviceName(int portNumber) {
    const QString path = portDevicePath(portNumber);
    const QFileInfo info(path);
    return info.isSymLink() ? path + QStringLiteral(" (") + info.symLinkTarget() + ')' : path;
}

} // namespace

QString portDevicePath(int portNumber) {
    if (portNumber < 1 || portNumber > kPortCount)
        return {};
    const QString link = portOverrideDir() + QStringLiteral("/COM%1").arg(portNumber);
    // A dangling link still overrides: the device behind it is gone, not replaced.
    if (QFileInfo(link).exists() || QFileInfo(link).isSymLink())
        return link;
    return systemPortDevice(portNumber);
}

QString resolvePortArgument(const QString& argument) {
    static const QRegularExpression comName(QStringLiteral("^COM(\\d{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(argument);
    if (match.hasMatch())
        return portDevicePath(match.captured(1).toInt());
    return argument;
}

PortMenu buildPortMenu(std::uint8_t portSelection) {
    PortMenu menu;
    for (int i = 0; i < kPortCount; ++i) {
        const int number = i + 1;
        menu[i].caption = QStringLiteral("Com %1").arg(number);
        menu[i].statusTip =
            QStringLiteral("Serial port COM%1 on %2").arg(number).arg(deviceName(number));
        menu[i].checked = i == portSelection;
    }
    PortMenuItem& automatic = menu[kPortAuto];
    automatic.caption = QStringLiteral("Com Auto");
    automatic.statusTip = QStringLiteral("Find the unit by trying COM1 to COM21 in turn");
    return menu;
}

} // namespace varko
