#include "storage/TokenScanner.h"

#include <algorithm>

namespace varko {

namespace {

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void TokenScanner::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_]))
        ++pos_;
}

std::optional<QByteArrayView> TokenScanner::nextToken() {
    skipSpace();
    if (pos_ == text_.size())
        return std::nullopt;
    const qsizetype start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_]))
        ++pos_;
    return text_.sliced(start, pos_ - start);
}

std::optional<int> TokenScanner::nextNumber() {
    skipSpace();
    qsizetype end = pos_;
    const bool hasSign = end < text_.size() && (text_[end] == '+' || text_[end] == '-');
    const bool negative = hasSign && text_[end] == '-';
    if (hasSign)
        ++end;
    if (end == text_.size() || !isDigit(text_[end]))
        return std::nullopt;

    qint64 magnitude = 0;
    for (; end < text_.size() && isDigit(text_[end]); ++end)
        magnitude = std::min<qint64>(kNumberLimit, magnitude * 10 + (text_[end] - '0'));
    pos_ = end;
    const int value = static_cast<int>(magnitude);
    return negative ? -value : value;
}

} // namespace varko
