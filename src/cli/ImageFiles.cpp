#include "cli/ImageFiles.h"

#include "model/Messages.h"
#include "storage/ParamFile.h"

namespace varko::cli {
namespace {

void printMessage(int n, CliIo& io) {
    io.err << messageText(n, Language::English) << "\n";
}

} // namespace

bool readImageFile(const QString& path, ParamImage& image, CliIo& io, ImageBytes* lacking) {
    const auto report = [&](FileMessage message) {
        const bool older = message == FileMessage::OlderVersion;
        printMessage(older ? Msg::olderFileVersion : Msg::unmatchedFileVersion, io);
    };
    std::uint8_t version = 0;
    FileGaps gaps;
    if (!loadParamFile(path, image, version, report, &gaps)) {
        printMessage(Msg::openFileError, io);
        return false;
    }
    if (version == 0) {
        // A file without any key says nothing while it is read, but is no parameter file either.
        if (gaps.noFileKey)
            printMessage(Msg::unmatchedFileVersion, io);
        return false;
    }
    if (!gaps.keys.isEmpty())
        io.err << "varko-cli: " << path << " lacks the keys " << gaps.keys.join(", ") << "\n";
    if (lacking)
        *lacking = gaps.bytes;
    return true;
}

bool writeImageFile(const QString& path, const ParamImage& image, CliIo& io) {
    QString reason;
    if (saveParamFile(path, image, &reason))
        return true;
    printWriteError(io.err, path + ": " + reason);
    return false;
}

} // namespace varko::cli
