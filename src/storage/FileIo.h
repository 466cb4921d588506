#pragma once
// Reading and replacing the program's small files as a whole.

#include <QByteArray>
#include <QString>
#include <optional>

namespace varko {

// Far above any file the program writes; a larger file is not one of its files, and refusing it
// keeps a wrong choice (a disk image, a device) from filling the memory.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The whole content; nullopt when the file cannot be opened or read or exceeds kMaxFileSize.
std::optional<QByteArray> readSmallFile(const QString& path);

enum class MissingFolder { Fail, Create };

// Writes bytes to a temporary file beside path and renames it over path only once every byte is
// written and the file system has confirmed it, so a failed or interrupted save (a full disk
// among them) leaves the old file as it was. False on any failure.
bool replaceFile(const QString& path, const QByteArray& bytes, MissingFolder missingFolder);

} // namespace varko
