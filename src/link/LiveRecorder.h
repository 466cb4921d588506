#pragma once
// Writes live-data records to a CSV file while a recording runs: the time of each since the
// recording began from a monotonic clock, and the file flushed with every frame, so a crash or
// a pulled cable loses at most the frame being written.

#include "link/LiveMonitor.h"

#include <QElapsedTimer>
#include <QFile>

namespace varko {

class LiveRecorder {
public:
    ~LiveRecorder() { stop(); }

    // Creates (or empties) the file and writes the header; false when it cannot, with the
    // reason in errorString(). Only a regular file is written: a named pipe, whose reader may go
    // away in the middle, or a device is refused.
    bool start(const QString& path);
    // Appends the record stamped with the recording's time; false when the file can no longer
    // be written, which ends the recording.
    bool record(LiveRecord record);
    // Closes the file; nothing happens when no recording runs.
    void stop();

    bool isRecording() const { return file_.isOpen(); }
    qint64 elapsedMs() const { return isRecording() ? clock_.elapsed() : 0; }
    int frameCount() const { return frames_; }
    QString errorString() const { return error_; } // why the last start or write failed
    QString fileName() const { return path_; }

private:
    bool writeLine(const QString& line);

    QFile file_;
    QString path_;
    QElapsedTimer clock_;
    int frames_ = 0;
    QString error_;
};

} // namespace varko
