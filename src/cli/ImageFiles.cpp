#include "cli/ImageFiles.h"

#include "model/Messages.h"
#include "storage/ParamFile.h"

namespace varko::cli {
namespace {

constexpr std::uint8_t kEnglish = 0;

void PrintMessage(int n, CliIo& io) {
    io.err << MessageText(n, kEnglish) << "\n";
}

} // namespace

bool ReadImageFile(const QString& path, ParamImage& image, CliIo& io) {
    bool unmatchedShown = false;
    const auto report = [&](FileMessage message) {
        const bool older = message == FileMessage::OlderVersion;
        PrintMessage(older ? Msg::olderFileVersion : Msg::unmatchedFileVersion, io);
        unmatchedShown = unmatchedShown || !older;
    };
    std::uint8_t version = 0;
    if (!LoadParamFile(path, image, version, report)) {
        PrintMessage(Msg::openFileError, io);
        return false;
    }
    if (version == 0) {
        // A file without any key says nothing while it is read, but is no parameter file either.
        if (!unmatchedShown)
            PrintMessage(Msg::unmatchedFileVersion, io);
        return false;
    }
    return true;
}

bool WriteImageFile(const QString& path, const ParamImage& image, CliIo& io) {
    if (SaveParamFile(path, image))
        return true;
    PrintMessage(Msg::openFileError, io);
    return false;
}

} // namespace varko::cli
