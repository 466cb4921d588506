#pragma once
// The English name of each byte of the parameter image, for listings meant to be read and
// compared by people and scripts alike: the field's name with its indices for arrays
// ("maxAdvLobe[2]", "advance[3][7]" by throttle row and speed column), and "reserved[14]" for
// the bytes that carry no meaning of their own.

#include <QString>

namespace varko {

QString fieldName(int offset); // offset 0..199

} // namespace varko
