#pragma once
// The number field of the program's text files: a decimal number right-aligned in five columns,
// then one blank (a minus sign when negative; wider numbers simply take more columns).

#include <QByteArray>
#include <charconv>

namespace varko {

inline void appendNumberField(QByteArray& text, int value) {
    constexpr int kWidth = 5;
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int length = static_cast<int>(end - digits);
    if (length < kWidth)
        text.append(kWidth - length, ' ');
    text.append(digits, length);
    text.append(' ');
}

} // namespace varko
