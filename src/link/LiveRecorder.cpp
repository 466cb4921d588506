#include "link/LiveRecorder.h"

#include "link/LiveDataCsv.h"

namespace varko {

bool LiveRecorder::start(const QString& path) {
    stop();
    path_ = path;
    frames_ = 0;
    stoppedAtMs_ = 0;
    failure_ = Failure::None;
    error_.clear();
    if (!file_.create(path)) {
        error_ = file_.errorString();
        return false;
    }
    clock_.start(); // QElapsedTimer is monotonic where the system has such a clock
    return writeLine(liveCsvHeader(LiveCsvColumns::Recording));
}

bool LiveRecorder::record(LiveRecord record) {
    if (!isRecording())
        return false;
    // Written on, a deleted file would take the frames into nothing, and a file put in its
    // place would never see them.
    if (!file_.isStillAt(path_)) {
        fail(Failure::FileGone, QString());
        return false;
    }
    record.timeMs = clock_.elapsed();
    if (!writeLine(liveCsvLine(record, LiveCsvColumns::Recording)))
        return false;
    ++frames_;
    return true;
}

void LiveRecorder::stop() {
    if (!isRecording())
        return;
    stoppedAtMs_ = clock_.elapsed();
    file_.close();
}

// Frames come about three times a second, so a write per line costs nothing and keeps the file
// whole up to the last frame.
bool LiveRecorder::writeLine(const QString& line) {
    if (file_.append((line + '\n').toUtf8()))
        return true;
    fail(Failure::WriteFailed, file_.errorString());
    return false;
}

void LiveRecorder::fail(Failure failure, const QString& reason) {
    failure_ = failure;
    error_ = reason;
    stop();
}

} // namespace varko
