#pragma once
// Where two parameter images differ, byte by byte.

#include "model/ParamImage.h"

#include <QByteArray>
#include <vector>

namespace varko {

// A verify compares every byte but the unit's reading flag.
constexpr bool verifyCompares(int offset) {
    return offset != Field::noReading;
}

// The offsets at which a and b differ, in increasing order.
std::vector<int> differingBytes(const ParamImage& a, const ParamImage& b);

// One line "offset<TAB>name<TAB>a<TAB>b\n" per differing byte, in offset order, with the raw
// byte values; empty when the images are equal.
QByteArray diffLines(const ParamImage& a, const ParamImage& b);

} // namespace varko
