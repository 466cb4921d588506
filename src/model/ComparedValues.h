#pragma once
// Two parameter images compared by the values the window shows: a number pair, a check box or a
// list, each standing for its own byte. The bytes no control shows count as one value, "other
// bytes", so that a difference there is neither hidden nor spread over many lines.

#include "model/ImageDiff.h"
#include "model/ParamImage.h"

#include <vector>

namespace varko {

enum class ValueKind { Pair, Check, List, OtherBytes };

// The lists of the window, each with its one byte.
enum class ListValue { Bike, SynchroMethod, IgnitionsPerRev, Input1, Input2 };
constexpr int kListValueCount = 5;

struct ComparedValue {
    ValueKind kind;
    int index; // into the pair or check table, a ListValue, or 0 for the other bytes

    bool operator==(const ComparedValue&) const = default;
};

// The image bytes the value stands for, in increasing order.
std::vector<int> bytesOfValue(const ComparedValue& value);

// The values with a byte that differs between a and b or that either lacks: pairs in table
// order, then check boxes, lists and the other bytes.
std::vector<ComparedValue> differingValues(const ComparedSet& a, const ComparedSet& b);

// Whether set lacks a byte of the value: it does not hold the value.
bool lacksValue(const ComparedSet& set, const ComparedValue& value);

// Copies the value's bytes from "from" into "into".
void takeValue(ParamImage& into, const ParamImage& from, const ComparedValue& value);

} // namespace varko
