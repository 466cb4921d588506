#include "storage/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace varko {

std::optional<QByteArray> readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > kMaxFileSize)
        return std::nullopt;
    return content;
}

bool replaceFile(const QString& path, const QByteArray& bytes, MissingFolder missingFolder) {
    if (missingFolder == MissingFolder::Create && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace varko
