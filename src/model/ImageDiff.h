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

// One side of a comparison: a set and the bytes it lacks, as a file may (FileGaps); the window's
// set and the unit's lack none. A byte that either side lacks is never taken as equal: a value
// the file does not hold says nothing about the value of the other side.
struct ComparedSet {
    ComparedSet() = default;
    // A whole set, or one that lacks bytes.
    ComparedSet(const ParamImage& image, const ImageBytes& lacking = {})
        : image(image), lacking(lacking) {}

    ParamImage image;
    ImageBytes lacking;
};

// The offsets at which a and b differ, in increasing order.
std::vector<int> differingBytes(const ParamImage& a, const ParamImage& b);

// The bytes that differ or that a or b lacks.
ImageBytes unequalBytes(const ComparedSet& a, const ComparedSet& b);

// One line "offset<TAB>name<TAB>a<TAB>b\n" per unequal byte, in offset order, with the raw byte
// values and "-" for a byte that side lacks; empty when the sets are equal.
QByteArray diffLines(const ComparedSet& a, const ComparedSet& b);

} // namespace varko
