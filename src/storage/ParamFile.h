#pragma once
// The .ign parameter text file: one writer (version 75) and one tolerant reader (75, 54, 48).

#include "model/ParamImage.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <functional>

namespace varko {

enum class FileMessage {
    OlderVersion,     // a 54 or 48 file: loading goes on
    UnmatchedVersion, // a key with any other version: the key search goes on
};

// The whole file text for the image, CR LF line ends, no line end after the last line.
QByteArray writeParamFile(const ParamImage& image);

// Parses text onto image and returns the accepted format version, 0 when nothing was accepted
// (the image is then untouched). Messages are reported in the order they arise, each at most
// once, however many keys raise it. When missingKeys is given and a version was accepted, it
// receives the keys (as "LIMITER") that the text lacks, in the writer's order; their bytes kept
// what they held before.
//
// The text is read as white-space-separated tokens (blank, tab, CR, LF alike). Beyond the format:
// - A number is an optional sign and digits at the start of a token. A read that meets anything
//   else consumes nothing of it, so the token is still looked at as a key afterwards.
// - A number a key expects that is missing (end of text) or not a number leaves its byte
//   unchanged, and with it every later number of that key.
// - "KALUBREN_KEY" without a number counts as a key with an unmatched version.
// - A number beyond +-999 999 999 reads as that limit with its sign, then is scaled and cut to
//   8 bits like any other; no arithmetic can overflow.
// - Tokens are compared whole and never copied, whatever their length; one longer than 271
//   characters matches no key and is skipped whole, so no piece of it is taken for a key.
std::uint8_t readParamFile(const QByteArray& text, ParamImage& image,
                           const std::function<void(FileMessage)>& report = {},
                           QByteArrayList* missingKeys = nullptr);

// File-level helpers. Saving replaces the old file only once every byte is written; false when
// the file cannot be written (why in reason, when given), and the old file is then as it was.
// The folder must exist.
bool saveParamFile(const QString& path, const ParamImage& image, QString* reason = nullptr);
// False when the file cannot be read, is no regular file or is larger than any parameter file
// can be (FileIo.h); otherwise version and missingKeys as readParamFile.
bool loadParamFile(const QString& path, ParamImage& image, std::uint8_t& version,
                   const std::function<void(FileMessage)>& report = {},
                   QByteArrayList* missingKeys = nullptr);

} // namespace varko
