// Any text fed to the parameter file reader: no crash, no undefined behaviour, and whatever it
// accepts the writer must be able to reproduce.

#include "storage/ParamFile.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <vector>

using namespace varko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = fuzzText(data, size);
    ParamImage before;
    before.bytes.fill(0x5A);

    ParamImage image = before;
    std::vector<FileMessage> messages;
    FileGaps gaps;
    const std::uint8_t version = readParamFile(
        text, image, [&](FileMessage message) { messages.push_back(message); }, &gaps);
    FUZZ_REQUIRE(version == 0 || version == 75 || version == 54 || version == 48);

    // At most one message for all keys with an unknown version, then the older-version message
    // of the accepted key if any.
    const bool older = version == 54 || version == 48;
    FUZZ_REQUIRE(!older || (!messages.empty() && messages.back() == FileMessage::OlderVersion));
    FUZZ_REQUIRE(std::count(messages.begin(), messages.end(), FileMessage::UnmatchedVersion) ==
                 std::ssize(messages) - (older ? 1 : 0));
    FUZZ_REQUIRE(std::ssize(messages) <= (older ? 2 : 1));
    if (version == 0) {
        FUZZ_REQUIRE(image == before);
        return 0;
    }
    // A byte the file lacks, and one no file holds, kept what it held.
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (gaps.bytes.test(offset) || !fileBytes().test(offset))
            FUZZ_REQUIRE(image[offset] == before[offset]);
    }

    // The writer's text of the loaded image reads back to an image the writer writes alike.
    const QByteArray written = writeParamFile(image);
    ParamImage again = before;
    FileGaps writtenGaps;
    FUZZ_REQUIRE(readParamFile(written, again, {}, &writtenGaps) == 75);
    FUZZ_REQUIRE(writtenGaps.keys.isEmpty() && writtenGaps.bytes.none());
    FUZZ_REQUIRE(writeParamFile(again) == written);
    return 0;
}
