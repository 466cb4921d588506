#pragma once
// Reading and replacing the program's small files as a whole. What this needs of the operating
// system is in PlatformFileIo.h.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace varko {

// Far above any file the program writes; a larger file is not one of its files, and refusing it
// keeps a wrong choice (a disk image, a device) from filling the memory.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The system's words for an error number ("No space left on device").
QString systemReason(int error);

// Why a file was not opened for reading.
struct ReadRefusal {
    bool missing = false;  // nothing at all is at the path
    bool tooLarge = false; // a regular file, larger than the limit
    QString reason;        // in the system's words, or "Not a regular file"
};

// Opens path into file for reading when it is a regular file of at most maxSize bytes. Opening
// never waits for a writer (a named pipe) or a device. False, with why, otherwise.
bool openRegularFile(const QString& path, qint64 maxSize, QFile& file, ReadRefusal& refusal);

// The whole content; nullopt when the file cannot be opened or read, is not a regular file (a
// named pipe, a device, a folder) or exceeds maxSize. When missing is given it tells whether
// nothing at all is at path.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize,
                                          bool* missing = nullptr);
// readRegularFile for the program's own small files.
std::optional<QByteArray> readSmallFile(const QString& path, bool* missing = nullptr);

// Whether path names a regular file, or a symbolic link to one.
bool isRegularFile(const QString& path);

enum class MissingFolder { Fail, Create };

// Writes bytes to a temporary file beside path and renames it over path only once every byte is
// written and the file system has confirmed it, so a failed or interrupted save (a full disk
// among them) leaves the old file as it was. False on any failure, with the system's words for
// it in reason when given ("No space left on device"). A name that is not UTF-8 (FileNames.h) is
// refused rather than written as another name.
bool replaceFile(const QString& path, const QByteArray& bytes, MissingFolder missingFolder,
                 QString* reason = nullptr);

// Why a new file could not be saved at path, in the system's words ("Is a directory", "No such
// file or directory", "Permission denied", ...); empty when nothing is known to stand in the way.
// Lets a caller refuse before it does a long piece of work whose result would be lost.
QString saveObstacle(const QString& path);

// Renames path to the first free name of path.bad, path.bad2, path.bad3, ... so that whatever it
// holds is kept and the name is free again; never replaces an earlier one. The new name, or
// nullopt when it could not be renamed.
std::optional<QString> moveAside(const QString& path);

} // namespace varko
