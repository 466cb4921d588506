#include "storage/FileNames.h"

#include "storage/PlatformFileIo.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace varko {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], 0 when there is none: no overlong form, no
// surrogate, nothing beyond U+10FFFF.
qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype i) {
    const auto byteAt = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byteAt(i);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        const unsigned char low = k == 1 ? secondLow : 0x80;
        const unsigned char high = k == 1 ? secondHigh : 0xBF;
        if (byteAt(i + k) < low || byteAt(i + k) > high)
            return 0;
    }
    return length;
}

// Valid UTF-8 as text; unlike QString::fromUtf8, which drops one, a byte-order mark is text too.
QString fromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// A lone U+DC80..U+DCFF stands for its byte; after a high surrogate it is half of a character.
bool isEscapedByte(QStringView name, qsizetype i) {
    const char16_t unit = name[i].unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (i == 0 || !name[i - 1].isHighSurrogate());
}

} // namespace

QString decodeFileName(QByteArrayView bytes) {
    QString name;
    qsizetype runStart = 0; // of the valid UTF-8 not yet decoded
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = utf8SequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        name += fromUtf8(bytes.sliced(runStart, i - runStart));
        name += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        runStart = ++i;
    }
    return name + fromUtf8(bytes.sliced(runStart));
}

QByteArray encodeFileName(QStringView name) {
    QByteArray bytes;
    qsizetype runStart = 0; // of the characters not yet encoded
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i))
            continue;
        bytes += name.sliced(runStart, i - runStart).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    return bytes + name.sliced(runStart).toUtf8();
}

bool qtReaches(QStringView name) {
    return QFile::encodeName(name.toString()) == encodeFileName(name);
}

QStringList commandLineArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodeFileName(argv[i]);
    return arguments;
}

QString absoluteFileName(const QString& path) {
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : currentFolder() + '/' + path);
}

} // namespace varko
