#pragma once
// What the file functions need of the operating system beyond Qt. The platform's file
// (PosixFileIo.cpp) supplies these, isRegularFile, createRegularFile, saveObstacle and
// currentFolder; the rest of FileIo and FileNames is built on them.

#include <QFile>
#include <QString>

namespace varko {

// Opens path into file for reading when it is a regular file of at most maxSize bytes, without
// waiting for a writer (a named pipe) or a device. False otherwise; when missing is given it then
// tells whether nothing at all is at path.
bool openRegularFile(const QString& path, qint64 maxSize, QFile& file, bool* missing);

// Whether the file system has kept everything written to file so far: it may still refuse a
// write it took (a full disk found late, a network file system).
bool writtenToTheFileSystem(QFileDevice& file);

enum class RenameResult { Renamed, NameTaken, Failed };

// Renames from to to, never replacing what is at to.
RenameResult renameWithoutReplacing(const QString& from, const QString& to);

} // namespace varko
