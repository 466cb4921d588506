#include "model/Normalize.h"

namespace varko {
namespace {

constexpr std::uint8_t kCalibrationCap = 250;
constexpr std::uint8_t kLanguageCap = 3;
constexpr std::uint8_t kPortSelections = 21; // COM1..COM20 and automatic
constexpr std::uint8_t kScanPositions = 20;
constexpr int kLowestBreakpoint = 3;    // 300 rpm for breakpoint 0
constexpr int kHighestBreakpoint = 191; // 19100 rpm for breakpoint 0

// A speed axis of ten breakpoints: each within its own bounds first, then strictly rising. The
// predecessor of entry i is at most 190 + i, so lifting never leaves the bounds or wraps.
void NormalizeSpeedAxis(ParamImage& image, int firstByte) {
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

void CapAt(std::uint8_t& value, std::uint8_t cap) {
    if (value > cap)
        value = cap;
}

void ResetWhenAtLeast(std::uint8_t& value, std::uint8_t limit) {
    if (value >= limit)
        value = 0;
}

bool UsesSecondPickup(std::uint8_t synchroMethod) {
    return synchroMethod == 0 || synchroMethod == 4;
}

void NormalizeChannels(ParamImage& image) {
    if (image.synchroMethod() == 0)
        image.lobeCount() = 1;
    for (int n = 0; n < kChannels; ++n) {
        for (std::uint8_t* lobe : {&image.maxAdvLobe(n), &image.startAdvLobe(n)}) {
            CapAt(*lobe, image.lobeCount());
            if (*lobe == 0)
                *lobe = 1;
        }
        if (!UsesSecondPickup(image.synchroMethod())) {
            image.maxAdvPickup2(n) = 0;
            image.startAdvPickup2(n) = 0;
        }
    }
    CapAt(image.channelCount(), kChannels);
}

} // namespace

void Normalize(ParamImage& image, WindowSettings& settings) {
    NormalizeSpeedAxis(image, Field::rpmAdv);
    CapAt(image.tps0(), kCalibrationCap);
    CapAt(image.tps100(), kCalibrationCap);
    NormalizeSpeedAxis(image, Field::servoRpm);
    if (settings.language > kLanguageCap)
        settings.language = 0;
    ResetWhenAtLeast(settings.portSelection, kPortSelections);
    ResetWhenAtLeast(settings.scanIndex, kScanPositions);
    NormalizeChannels(image);
}

} // namespace varko
