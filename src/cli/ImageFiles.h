#pragma once
// Parameter files for the commands, with the program's own English messages on stderr.

#include "cli/Commands.h"
#include "model/ParamImage.h"

namespace varko::cli {

// Reads path onto image. The older-version message is a warning and loading goes on, and so is
// the line naming the keys the file lacks (their bytes keep what image held); false after
// "Open file error!" (unreadable, or no regular file) or "Unmatched version of *.ign file!"
// (nothing loaded). When lacking is given it receives the bytes the file gave no value
// (FileGaps).
bool readImageFile(const QString& path, ParamImage& image, CliIo& io,
                   ImageBytes* lacking = nullptr);

// False after "varko-cli: write error: PATH: REASON" when the file cannot be written.
bool writeImageFile(const QString& path, const ParamImage& image, CliIo& io);

} // namespace varko::cli
