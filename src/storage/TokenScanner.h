#pragma once
// Reads white-space-separated words and decimal numbers from text held in memory, the way a
// stream scanner does. Nothing is copied: a token of any length is only a view into the text,
// so an endless word costs no memory.

#include <QByteArrayView>
#include <optional>

namespace varko {

class TokenScanner {
public:
    // Numbers of larger magnitude read as this limit with their sign. It keeps every later
    // scaling and offset of a number far inside the range of int.
    static constexpr int kNumberLimit = 999'999'999;

    explicit TokenScanner(QByteArrayView text) : text_(text) {}

    // The next run of characters other than blank, tab, CR, LF, VT and FF; nullopt at the end.
    std::optional<QByteArrayView> nextToken();

    // A decimal number at the start of the next token: an optional sign, then digits. The sign
    // and digits are consumed and the rest of the token stays for the next read. When the next
    // token does not start that way (or the text has ended) nothing of it is consumed.
    std::optional<int> nextNumber();

private:
    void skipSpace();

    QByteArrayView text_;
    qsizetype pos_ = 0;
};

} // namespace varko
