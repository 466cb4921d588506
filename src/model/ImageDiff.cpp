#include "model/ImageDiff.h"

#include "model/FieldNames.h"

namespace varko {

namespace {

QByteArray byteText(const ComparedSet& set, int offset) {
    return set.lacking.test(offset) ? QByteArray("-") : QByteArray::number(set.image[offset]);
}

} // namespace

std::vector<int> differingBytes(const ParamImage& a, const ParamImage& b) {
    std::vector<int> offsets;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (a[offset] != b[offset])
            offsets.push_back(offset);
    }
    return offsets;
}

ImageBytes unequalBytes(const ComparedSet& a, const ComparedSet& b) {
    ImageBytes unequal = a.lacking | b.lacking;
    for (const int offset : differingBytes(a.image, b.image))
        unequal.set(offset);
    return unequal;
}

QByteArray diffLines(const ComparedSet& a, const ComparedSet& b) {
    const ImageBytes unequal = unequalBytes(a, b);
    QByteArray lines;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (unequal.test(offset))
            lines += QByteArray::number(offset) + '\t' + fieldName(offset).toLatin1() + '\t' +
                     byteText(a, offset) + '\t' + byteText(b, offset) + '\n';
    }
    return lines;
}

} // namespace varko
