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

// What a file lacks of a whole set of its version.
struct FileGaps {
    // No "KALUBREN_KEY" at all: not a parameter file (the fields below say nothing then).
    bool noFileKey = false;
    // The keys (as "LIMITER") that the text lacks, in the writer's order.
    QByteArrayList keys;
    // The bytes a whole file gives (fileBytes) that neither the text's numbers nor its version
    // gave: a key or a number that is not there. They kept what they held before.
    ImageBytes bytes;
};

// Parses text onto image and returns the accepted format version, 0 when nothing was accepted
// (the image is then untouched). Messages are reported in the order they arise, each at most
// once, however many keys raise it. When gaps is given it receives what the text lacks.
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
                           FileGaps* gaps = nullptr);

// The bytes a whole file gives: every byte but 14, 18, 19, 29 and 59..69, which no file holds.
const ImageBytes& fileBytes();

// Whether a file saved from image reads back as set: alike in every byte a file gives, a flag
// as the 0 or 1 the writer makes of any byte. The window's Saved: saving would change nothing.
bool savesAs(const ParamImage& image, const ParamImage& set);

// File-level helpers. Saving replaces the old file only once every byte is written; false when
// the file cannot be written (why in reason, when given), and the old file is then as it was.
// The folder must exist.
bool saveParamFile(const QString& path, const ParamImage& image, QString* reason = nullptr);
// False when the file cannot be read, is no regular file or is larger than any parameter file
// can be (FileIo.h); otherwise version and gaps as readParamFile.
bool loadParamFile(const QString& path, ParamImage& image, std::uint8_t& version,
                   const std::function<void(FileMessage)>& report = {}, FileGaps* gaps = nullptr);

} // namespace varko
