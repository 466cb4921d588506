#include "link/DeviceInfo.h"

namespace varko {
namespace {

constexpr std::array<std::uint8_t, 12> kMonthCodes = {25, 13, 32, 35, 39, 45,
                                                      43, 29, 40, 38, 51, 12};

// Two characters for 0..99 as the unit's firmware expects them: tens then units. Values of 100
// and more are written in full so the text never holds a non-digit.
QString twoDigits(int value, QChar tensForZero) {
    if (value >= 100)
        return QString::number(value);
    const QChar tens = value < 10 ? tensForZero : QChar('0' + value / 10);
    return QString(tens) + QChar('0' + value % 10);
}

QString latin1Chars(const std::uint8_t* chars, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(chars[i]);
    return text;
}

} // namespace

int monthFromCode(std::uint8_t monthCode) {
    for (int m = 0; m < 12; ++m)
        if (kMonthCodes[m] == monthCode)
            return m + 1;
    return 0;
}

std::uint8_t monthCode(int month) {
    return month >= 1 && month <= 12 ? kMonthCodes[month - 1] : 0;
}

DeviceTexts decodeDeviceInfo(const DeviceInfo& info) {
    const auto& b = info.bytes;
    DeviceTexts texts;
    if (b[InfoOffset::longName] != 0) {
        int length = 0;
        while (length < InfoOffset::longNameSize && b[InfoOffset::longName + length] != 0)
            ++length;
        texts.deviceName = latin1Chars(&b[InfoOffset::longName], length);
    } else {
        texts.deviceName = latin1Chars(&b[InfoOffset::nameChars], 3) +
                           twoDigits(b[InfoOffset::nameNumber], QChar('0'));
    }

    const int month = monthFromCode(b[InfoOffset::monthCode]);
    const QString monthText = month == 0 ? QStringLiteral("00") : twoDigits(month, QChar(' '));
    texts.deviceDate = twoDigits(b[InfoOffset::day], QChar(' ')) + '.' + monthText + ".20" +
                       twoDigits(b[InfoOffset::year], QChar('0'));
    texts.deviceTime = twoDigits(b[InfoOffset::hour], QChar('0')) + ':' +
                       twoDigits(b[InfoOffset::minute], QChar('0'));
    return texts;
}

UnitIdentity unitIdentityOf(const DeviceTexts& texts, int programCount) {
    return {texts.deviceName.trimmed(), texts.deviceDate.trimmed(), programCount};
}

} // namespace varko
