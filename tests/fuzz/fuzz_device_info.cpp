// The unit's information record (the data of a block-0 reply) decoded into its display texts:
// no crash, and the date and time read back to the record's numbers.

#include "link/DeviceInfo.h"

#include "FuzzSupport.h"

using namespace varko;

namespace {

// A two-character field as the firmware writes it, or three digits for 100 and more.
int fieldValue(const QString& field) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    FUZZ_REQUIRE(ok && value >= 0);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DeviceInfo info;
    std::copy_n(data, std::min<std::size_t>(size, kFrameDataSize), info.bytes.begin());
    const auto& b = info.bytes;
    const DeviceTexts texts = decodeDeviceInfo(info);

    // A long name ends at its first zero byte or its 30th character.
    if (b[InfoOffset::longName] != 0)
        FUZZ_REQUIRE(!texts.deviceName.contains(QChar(0)) &&
                     texts.deviceName.size() <= InfoOffset::longNameSize);

    const QStringList date = texts.deviceDate.split(u'.');
    FUZZ_REQUIRE(date.size() == 3 && date[2].startsWith(QStringLiteral("20")));
    FUZZ_REQUIRE(fieldValue(date[0]) == b[InfoOffset::day]);
    FUZZ_REQUIRE(fieldValue(date[1]) == monthFromCode(b[InfoOffset::monthCode]));
    FUZZ_REQUIRE(fieldValue(date[2].sliced(2)) == b[InfoOffset::year]);

    const QStringList time = texts.deviceTime.split(u':');
    FUZZ_REQUIRE(time.size() == 2);
    FUZZ_REQUIRE(fieldValue(time[0]) == b[InfoOffset::hour]);
    FUZZ_REQUIRE(fieldValue(time[1]) == b[InfoOffset::minute]);
    return 0;
}
