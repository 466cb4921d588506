#include "storage/FileIo.h"

#include "storage/FileNames.h"
#include "storage/PlatformFileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace varko {

namespace {

// Enough for every start with a broken file that anybody would let pile up.
constexpr int kAsideNames = 1000;

bool replaceSayingWhy(const QString& path, const QByteArray& bytes, MissingFolder missingFolder,
                      QString& why) {
    // QSaveFile would write a name that is not UTF-8 as another (saveObstacle says why).
    if (!qtReaches(path)) {
        why = saveObstacle(path);
        return false;
    }
    if (missingFolder == MissingFolder::Create && !QDir().mkpath(QFileInfo(path).absolutePath())) {
        why = saveObstacle(path);
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so a write the file system refuses (a full disk) fails here: a buffered one
    // would fail in the flush inside commit(), which does not report it and renames a truncated
    // file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        why = file.errorString();
    } else if (writtenToTheFileSystem(file, why)) {
        if (file.commit())
            return true;
        why = file.errorString();
        return false;
    }
    file.cancelWriting();
    return false;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize, bool* missing) {
    QFile file;
    ReadRefusal refusal;
    const bool opened = openRegularFile(path, maxSize, file, refusal);
    if (missing != nullptr)
        *missing = refusal.missing;
    if (!opened)
        return std::nullopt;
    // The size may have changed since the file was opened: the limit holds for what is read.
    QByteArray content = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > maxSize)
        return std::nullopt;
    return content;
}

std::optional<QByteArray> readSmallFile(const QString& path, bool* missing) {
    return readRegularFile(path, kMaxFileSize, missing);
}

bool replaceFile(const QString& path, const QByteArray& bytes, MissingFolder missingFolder,
                 QString* reason) {
    QString why;
    const bool replaced = replaceSayingWhy(path, bytes, missingFolder, why);
    if (reason != nullptr)
        *reason = why;
    return replaced;
}

std::optional<QString> moveAside(const QString& path) {
    for (int n = 1; n <= kAsideNames; ++n) {
        const QString to = path + ".bad" + (n > 1 ? QString::number(n) : QString());
        switch (renameWithoutReplacing(path, to)) {
        case RenameResult::Renamed:
            return to;
        case RenameResult::NameTaken:
            continue;
        case RenameResult::Failed:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace varko
