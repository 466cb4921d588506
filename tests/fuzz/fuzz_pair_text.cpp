// Any text typed into a number pair's edit, with any of the thousands separators a desktop may
// use: no crash, and a value taken is within the pair's range and is what the digits say.
//
// Input: the pair, the separator, then the typed text as UTF-8.

#include "model/FormMapping.h"

#include "FuzzSupport.h"

using namespace varko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static const QString kSeparators[] = {
        QString(),           QStringLiteral(","),    QStringLiteral("."),   QStringLiteral(" "),
        QStringLiteral("'"), QString(QChar(0x00A0)), QString(QChar(0x202F))};
    const PairSpec& pair = pairTable()[data[0] % kPairCount];
    const QString& separator = kSeparators[data[1] % std::size(kSeparators)];
    const QString typed = QString::fromUtf8(fuzzText(data + 2, size - 2));

    const std::optional<int> value = parsePairText(typed, separator, pair);
    if (!value)
        return 0;
    FUZZ_REQUIRE(*value >= pair.min && *value <= pair.max);
    // Without separators and blanks the text is the number's digits with an optional sign and
    // leading zeros.
    QString digits = typed.trimmed();
    if (!separator.isEmpty())
        digits.remove(separator);
    bool ok = false;
    FUZZ_REQUIRE(digits.toLongLong(&ok) == *value && ok);
    return 0;
}
