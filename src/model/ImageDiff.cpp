#include "model/ImageDiff.h"

#include "model/FieldNames.h"

namespace varko {

std::vector<int> differingBytes(const ParamImage& a, const ParamImage& b) {
    std::vector<int> offsets;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (a[offset] != b[offset])
            offsets.push_back(offset);
    }
    return offsets;
}

QByteArray diffLines(const ParamImage& a, const ParamImage& b) {
    QByteArray lines;
    for (const int offset : differingBytes(a, b)) {
        lines += QByteArray::number(offset) + '\t' + fieldName(offset).toLatin1() + '\t' +
                 QByteArray::number(a[offset]) + '\t' + QByteArray::number(b[offset]) + '\n';
    }
    return lines;
}

} // namespace varko
