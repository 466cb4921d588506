// Any text fed to the last-state reader: no crash, no undefined behaviour, and what it took the
// writer reproduces exactly.

#include "storage/LastStateFile.h"

#include "FuzzSupport.h"

using namespace varko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = fuzzText(data, size);
    LastState state;
    const int taken = readLastState(text, state);
    FUZZ_REQUIRE(taken >= 0 && taken <= kLastStateCount);

    LastState again;
    again.image.bytes.fill(0x5A);
    FUZZ_REQUIRE(readLastState(writeLastState(state), again) == kLastStateCount);
    FUZZ_REQUIRE(again == state);
    return 0;
}
