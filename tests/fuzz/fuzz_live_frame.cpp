// One live-data frame decoded for the window, with the image fields the decoding reads taken
// from the input: no crash, the labels keep to the live table, and the frame rebuilt from its
// fields shows the same.
//
// Input: language, five image fields, then the frame's 102 bytes (missing ones zero). A frame
// whose check byte is wrong is decoded as the same bytes with the check byte put right.

#include "LiveTable.h"

#include "FuzzSupport.h"

using namespace varko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 6;
    if (size < kHeader)
        return 0;
    const Language language = languageNumber(data[0] % kLanguageCount);
    ParamImage image;
    image[Field::bike] = data[1];
    image[Field::limiter] = data[2];
    image[Field::revsWithoutIgnition] = data[3];
    image[Field::lobeCount] = data[4];
    image[Field::throttleMap] = data[5];

    LinkFrame frame;
    std::copy_n(data + kHeader, std::min<std::size_t>(size - kHeader, kFrameSize),
                frame.bytes.begin());
    const bool sentValid = checkByteValid(frame);
    FUZZ_REQUIRE(decodeMonitorFrame(frame, image, language).has_value() == sentValid);
    frame = buildFrame(frame.command(), frame.data());

    const std::optional<DecodedMonitor> decoded = decodeMonitorFrame(frame, image, language);
    FUZZ_REQUIRE(decoded);
    const MonitorData fields = parseMonitorFrame(frame);
    requireLiveTable(fields, decoded->display, language);

    const std::optional<DecodedMonitor> rebuilt =
        decodeMonitorFrame(buildMonitorFrame(fields), image, language);
    FUZZ_REQUIRE(rebuilt && rebuilt->display == decoded->display);
    return 0;
}
