#include "storage/LastStateFile.h"

#include "storage/FileIo.h"
#include "storage/NumberField.h"
#include "storage/TokenScanner.h"

namespace varko {

namespace {

// Byte index of the file's sequence: the image, then the reserved bytes.
template <typename State> auto& stateByte(State& state, int index) {
    return index < kImageSize ? state.image.bytes[index] : state.reserved[index - kImageSize];
}

constexpr int kNumbersPerLine = 10;
constexpr int kNumbersPerBlock = 100;

} // namespace

QByteArray writeLastState(const LastState& state) {
    QByteArray text;
    for (int index = 0; index < kLastStateCount; ++index) {
        if (index > 0 && index % kNumbersPerLine == 0)
            text += index % kNumbersPerBlock == 0 ? "\r\n\r\n" : "\r\n";
        appendNumberField(text, stateByte(state, index));
    }
    return text;
}

int readLastState(const QByteArray& text, LastState& state) {
    TokenScanner scanner(text);
    int index = 0;
    for (; index < kLastStateCount; ++index) {
        const std::optional<int> value = scanner.nextNumber();
        if (!value)
            break;
        stateByte(state, index) = static_cast<std::uint8_t>(*value & 0xFF);
    }
    return index;
}

bool saveLastStateFile(const QString& path, const LastState& state) {
    return replaceFile(path, writeLastState(state), MissingFolder::Create);
}

bool loadLastStateFile(const QString& path, LastState& state) {
    const std::optional<QByteArray> text = readSmallFile(path);
    if (!text)
        return false;
    readLastState(*text, state);
    return true;
}

} // namespace varko
