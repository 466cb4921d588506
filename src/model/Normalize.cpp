#include "model/Normalize.h"

namespace varko {
namespace {

constexpr std::uint8_t kCalibrationCap = 250;
constexpr std::uint8_t kPortSelections = 21; // COM1..COM20 and automatic
constexpr std::uint8_t kScanPositions = 20;
constexpr int kLowestBreakpoint = 3;    // 300 rpm for breakpoint 0
constexpr int kHighestBreakpoint = 191; // 19100 rpm for breakpoint 0

// A speed axis of ten breakpoints: each within its own bounds first, then strictly rising. The
// predecessor of entry i is at most 190 + i, so lifting never leaves the bounds or wraps.
void normalizeSpeedAxis(ParamImage& image, int firstByte) {
    for (int i = 0; i < kBreakpoints; ++i) {
        std::uint8_t& speed = image[firstByte + i];
        if (speed < kLowestBreakpoint + i)
            speed = static_cast<std::uint8_t>(kLowestBreakpoint + i);
        if (speed > kHighestBreakpoint + i)
            speed = static_cast<std::uint8_t>(kHighestBreakpoint + i);
    }
    for (int i = 1; i < kBreakpoints; ++i) {
        const std::uint8_t previous = image[firstByte + i - 1];
        if (image[firstByte + i] <= previous)
            image[firstByte + i] = static_cast<std::uint8_t>(previous + 1);
    }
}

void capAt(std::uint8_t& value, std::uint8_t cap) {
    if (value > cap)
        value = cap;
}

void resetWhenAtLeast(std::uint8_t& value, std::uint8_t limit) {
    if (value >= limit)
        value = 0;
}

bool usesSecondPickup(std::uint8_t synchroMethod) {
    return synchroMethod == 0 || synchroMethod == 4;
}

void normalizeChannels(ParamImage& image) {
    if (image.synchroMethod() == 0)
        image.lobeCount() = 1;
    for (int n = 0; n < kChannels; ++n) {
        for (std::uint8_t* lobe : {&image.maxAdvLobe(n), &image.startAdvLobe(n)}) {
            capAt(*lobe, image.lobeCount());
            if (*lobe == 0)
                *lobe = 1;
        }
        if (!usesSecondPickup(image.synchroMethod())) {
            image.maxAdvPickup2(n) = 0;
            image.startAdvPickup2(n) = 0;
        }
    }
    capAt(image.channelCount(), kChannels);
}

} // namespace

void normalize(ParamImage& image, WindowSettings& settings) {
    normalizeSpeedAxis(image, Field::rpmAdv);
    capAt(image.tps0(), kCalibrationCap);
    capAt(image.tps100(), kCalibrationCap);
    normalizeSpeedAxis(image, Field::servoRpm);
    settings.language = languageNumber(static_cast<int>(settings.language));
    resetWhenAtLeast(settings.portSelection, kPortSelections);
    resetWhenAtLeast(settings.scanIndex, kScanPositions);
    normalizeChannels(image);
}

} // namespace varko
