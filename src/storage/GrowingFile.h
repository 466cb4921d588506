#pragma once
// A file that grows by whole pieces as it is written: a recording line by line, or what a
// command prints. A piece the system takes only in part (a full disk) is cut off again where the
// file is a regular one, so the file ends after the last whole piece. The platform's file
// (PosixGrowingFile.cpp) implements it.

#include <QByteArrayView>
#include <QString>

namespace varko {

class GrowingFile {
public:
    GrowingFile() = default;
    ~GrowingFile() { close(); }
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // Creates path, or empties it, when it is or becomes a regular file; opening never waits for
    // the reader of a named pipe, and a device or a folder is refused. False with the reason in
    // errorString() otherwise.
    bool create(const QString& path);
    // Writes to a descriptor that is open already (standard output); close() leaves it open.
    void attach(int descriptor);
    // Appends bytes as one piece; false, with the system's words in errorString() ("No space
    // left on device", "Broken pipe"), when the system did not take all of them.
    bool append(QByteArrayView bytes);
    // Whether path still names the file that create() made: false once that file was deleted,
    // or moved away, or another took its name.
    bool isStillAt(const QString& path) const;
    void close();

    bool isOpen() const { return descriptor_ >= 0; }
    QString errorString() const { return error_; }

private:
    int descriptor_ = -1;
    bool owned_ = false;
    QString error_;
};

} // namespace varko
