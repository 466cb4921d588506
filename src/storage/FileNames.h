#pragma once
// File names as the system has them: bytes, most often UTF-8, but any bytes but '/' and NUL on
// POSIX. Qt decodes every byte that is not UTF-8 to U+FFFD and encodes U+FFFD back as three other
// bytes, so a Latin-1 "café" would be read and written as a file of another name. These functions
// keep each such byte as the lone surrogate U+DC80..U+DCFF instead, so a name survives the trip
// through a QString (the command line, the settings file, the history) byte for byte. Every name
// the program hands to the system goes through encodeFileName, in the platform's file functions.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace varko {

// UTF-8 as QString::fromUtf8 decodes it, but for a leading byte-order mark, which is kept; a byte
// that is no part of a valid UTF-8 sequence (a Latin-1 letter, a cut sequence, an encoded
// surrogate) becomes U+DC00 + the byte.
QString decodeFileName(QByteArrayView bytes);

// The bytes decodeFileName took the name from; any other name in UTF-8.
QByteArray encodeFileName(QStringView name);

// Whether Qt's own file classes (QFile, QSaveFile, QDir) reach the file of this name. Not for a
// name with a byte that is not UTF-8: Qt would reach another file.
bool qtReaches(QStringView name);

// The program's command line as the system gave it (after QCoreApplication has taken its own
// options out of argv), each argument decoded as a file name.
QStringList commandLineArguments(int argc, const char* const* argv);

// The current folder, every byte of its name kept (the platform's file supplies it).
QString currentFolder();

// path, when relative, after the current folder; both cleaned of "." and ".." as QDir::cleanPath
// does. Unlike QFileInfo::absoluteFilePath it keeps every byte of the name.
QString absoluteFileName(const QString& path);

} // namespace varko
