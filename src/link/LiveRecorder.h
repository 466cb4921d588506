#pragma once
// Writes live-data records to a CSV file while a recording runs: the time of each since the
// recording began from a monotonic clock, and every line handed to the system as it comes, so a
// crash or a pulled cable loses at most the frame being written. The file always ends on a whole
// line, also when the disk fills up.

#include "link/LiveMonitor.h"
#include "storage/GrowingFile.h"

#include <QElapsedTimer>

namespace varko {

class LiveRecorder {
public:
    // Why a recording ended by itself.
    enum class Failure { None, WriteFailed, FileGone };

    ~LiveRecorder() { stop(); }

    // Creates (or empties) the file and writes the header; false when it cannot, with the
    // reason in errorString(). Only a regular file is written: a named pipe, whose reader may go
    // away in the middle, or a device is refused.
    bool start(const QString& path);
    // Appends the record stamped with the recording's time; false when the file can no longer
    // be written or is no longer at its path (deleted, or replaced by another), which ends the
    // recording: failure() says which.
    bool record(LiveRecord record);
    // Closes the file; nothing happens when no recording runs.
    void stop();

    bool isRecording() const { return file_.isOpen(); }
    qint64 elapsedMs() const { return isRecording() ? clock_.elapsed() : stoppedAtMs_; }
    int frameCount() const { return frames_; }
    Failure failure() const { return failure_; }
    QString errorString() const { return error_; } // why the last start or write failed
    QString fileName() const { return path_; }

private:
    // Ends the recording for the reason; false, for record() to return.
    bool fail(Failure failure, const QString& reason);

    GrowingFile file_;
    QString path_;
    QElapsedTimer clock_;
    qint64 stoppedAtMs_ = 0;
    int frames_ = 0;
    Failure failure_ = Failure::None;
    QString error_;
};

} // namespace varko
