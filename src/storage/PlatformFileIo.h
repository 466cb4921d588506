#pragma once
// What the file functions need of the operating system beyond Qt. The platform's file
// (PosixFileIo.cpp) supplies these, isRegularFile, openRegularFile, saveObstacle and
// currentFolder; the rest of FileIo and FileNames is built on them.

#include <QFile>
#include <QString>

namespace varko {
// Why a device, a named pipe or a folder is refused where a file is wanted.
inline constexpr char kNotARegularFile[] = "Not a regular file";

// Whether the file system has kept everything written to file so far: it may still refuse a
// write it took (a full disk found late, a network file system). False with the system's reason.
bool writtenToTheFileSystem(QFileDevice& file, QString& reason);

enum class RenameResult { Renamed, NameTaken, Failed };

// Renames from to to, never replacing what is at to.
RenameResult renameWithoutReplacing(const QString& from, const QString& to);

} // namespace varko
