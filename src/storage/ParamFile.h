#pragma once
// The .ign parameter text file: one writer (version 75) and one tolerant reader (75, 54, 48).

#include "model/ParamImage.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace varko {

enum class FileMessage {
    OlderVersion,     // a 54 or 48 file: loading goes on
    UnmatchedVersion, // a key with any other version: the key search goes on
};

// The whole file text for the image, CR LF line ends, no line end after the last line.
QByteArray WriteParamFile(const ParamImage& image);

// Parses text onto image and returns the accepted format version, 0 when nothing was accepted
// (the image is then untouched). Messages are reported in the order they arise.
std::uint8_t ReadParamFile(const QByteArray& text, ParamImage& image,
                           const std::function<void(FileMessage)>& report = {});

// File-level helpers. Saving replaces the old file only once every byte is written.
bool SaveParamFile(const QString& path, const ParamImage& image);
// False when the file cannot be read; otherwise version as ReadParamFile.
bool LoadParamFile(const QString& path, ParamImage& image, std::uint8_t& version,
                   const std::function<void(FileMessage)>& report = {});

} // namespace varko
