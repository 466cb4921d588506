#include "link/LiveRecorder.h"

#include "link/LiveDataCsv.h"

namespace varko {

namespace {

// Frames come about three times a second, so a write per line costs nothing and keeps the file
// whole up to the last frame.
QByteArray recordingLine(const QString& text) {
    return (text + '\n').toUtf8();
}

} // namespace

bool LiveRecorder::start(const QString& path) {
    stop();
    path_ = path;
    frames_ = 0;
    stoppedAtMs_ = 0;
    failure_ = Failure::None;
    error_.clear();
    if (!file_.create(path) ||
        !file_.append(recordingLine(liveCsvHeader(LiveCsvColumns::Recording)))) {
        error_ = file_.errorString();
        file_.close();
        return false;
    }
    clock_.start(); // QElapsedTimer is monotonic where the system has such a clock
    return true;
}

bool LiveRecorder::record(LiveRecord record) {
    if (!isRecording())
        return false;
    // Written on, a deleted file would take the frames into nothing, and a file put in its
    // place would never see them.
    if (!file_.isStillAt(path_))
        return fail(Failure::FileGone, QString());
    record.timeMs = clock_.elapsed();
    if (!file_.append(recordingLine(liveCsvLine(record, LiveCsvColumns::Recording))))
        return fail(Failure::WriteFailed, file_.errorString());
    ++frames_;
    return true;
}

void LiveRecorder::stop() {
    if (!isRecording())
        return;
    stoppedAtMs_ = clock_.elapsed();
    file_.close();
}

bool LiveRecorder::fail(Failure failure, const QString& reason) {
    failure_ = failure;
    error_ = reason;
    stop();
    return false;
}

} // namespace varko
