#include "model/ComparedValues.h"

#include "model/FormMapping.h"

#include <algorithm>
#include <array>

namespace varko {

namespace {

constexpr std::array<int, kListValueCount> kListOffsets = {
    Field::bike, Field::synchroMethod, Field::ignitionsPerRev, Field::input1, Field::input2};

// The bytes some control shows; every other byte belongs to the other bytes.
std::array<bool, kImageSize> shownBytes() {
    std::array<bool, kImageSize> shown{};
    for (const PairSpec& pair : pairTable())
        shown[pair.offset] = true;
    for (const CheckSpec& check : checkTable())
        shown[check.offset] = true;
    for (const int offset : kListOffsets)
        shown[offset] = true;
    return shown;
}

std::vector<int> otherBytes() {
    static const std::array<bool, kImageSize> shown = shownBytes();
    std::vector<int> offsets;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (!shown[offset])
            offsets.push_back(offset);
    }
    return offsets;
}

bool anyByteOf(const ComparedValue& value, const ImageBytes& bytes) {
    const std::vector<int> offsets = bytesOfValue(value);
    return std::any_of(offsets.begin(), offsets.end(),
                       [&](int offset) { return bytes.test(offset); });
}

} // namespace

std::vector<int> bytesOfValue(const ComparedValue& value) {
    switch (value.kind) {
    case ValueKind::Pair:
        return {pairTable()[value.index].offset};
    case ValueKind::Check:
        return {checkTable()[value.index].offset};
    case ValueKind::List:
        return {kListOffsets[value.index]};
    case ValueKind::OtherBytes:
        break;
    }
    static const std::vector<int> others = otherBytes();
    return others;
}

std::vector<ComparedValue> differingValues(const ComparedSet& a, const ComparedSet& b) {
    const ImageBytes unequal = unequalBytes(a, b);
    std::vector<ComparedValue> values;
    const auto add = [&](ValueKind kind, int count) {
        for (int i = 0; i < count; ++i) {
            const ComparedValue value{kind, i};
            if (anyByteOf(value, unequal))
                values.push_back(value);
        }
    };
    add(ValueKind::Pair, kPairCount);
    add(ValueKind::Check, kCheckCount);
    add(ValueKind::List, kListValueCount);
    add(ValueKind::OtherBytes, 1);
    return values;
}

bool lacksValue(const ComparedSet& set, const ComparedValue& value) {
    return anyByteOf(value, set.lacking);
}

void takeValue(ParamImage& into, const ParamImage& from, const ComparedValue& value) {
    for (const int offset : bytesOfValue(value))
        into[offset] = from[offset];
}

} // namespace varko
