#pragma once
// The unit's information record (the data of a block-0 reply) and its three display texts.

#include "link/LinkFrame.h"
#include "storage/History.h"

#include <QString>
#include <array>
#include <cstdint>

namespace varko {

namespace InfoOffset {
constexpr int nameChars = 0; // 3 characters
constexpr int nameNumber = 3;
constexpr int day = 4;
constexpr int monthCode = 5;
constexpr int year = 6;
constexpr int hour = 7;
constexpr int minute = 8;
constexpr int readAllowed = 9;
constexpr int protocolVersion = 10;
constexpr int longName = 16; // up to 30 characters, used when its first byte is not 0
constexpr int longNameSize = 30;
} // namespace InfoOffset

struct DeviceInfo {
    std::array<std::uint8_t, kFrameDataSize> bytes{};

    std::uint8_t protocolVersion() const { return bytes[InfoOffset::protocolVersion]; }
    bool readAllowed() const { return bytes[InfoOffset::readAllowed] == 1; }
};

struct DeviceTexts {
    QString deviceName;
    QString deviceDate; // "dd.mm.20yy"
    QString deviceTime; // "hh:mm"
};

// The month code is the low byte of the sum of the month abbreviation's letters; 0 for none.
int monthFromCode(std::uint8_t monthCode);
std::uint8_t monthCode(int month); // 1..12

DeviceTexts decodeDeviceInfo(const DeviceInfo& info);

// The unit as the history names it: its firmware name and date without the display's padding,
// and the programming count its live data gave (-1: none came).
UnitIdentity unitIdentityOf(const DeviceTexts& texts, int programCount);

} // namespace varko
