#include "link/LiveRecorder.h"

#include "link/LiveDataCsv.h"
#include "storage/FileIo.h"

namespace varko {

bool LiveRecorder::start(const QString& path) {
    stop();
    path_ = path;
    frames_ = 0;
    if (!createRegularFile(path, file_, error_))
        return false;
    clock_.start(); // QElapsedTimer is monotonic where the system has such a clock
    return writeLine(liveCsvHeader(LiveCsvColumns::Recording));
}

bool LiveRecorder::record(LiveRecord record) {
    if (!isRecording())
        return false;
    record.timeMs = clock_.elapsed();
    if (!writeLine(liveCsvLine(record, LiveCsvColumns::Recording)))
        return false;
    ++frames_;
    return true;
}

void LiveRecorder::stop() {
    if (isRecording())
        file_.close();
}

// Frames come about three times a second, so a flush per line costs nothing and keeps the
// file whole up to the last frame.
bool LiveRecorder::writeLine(const QString& line) {
    const QByteArray bytes = (line + '\n').toUtf8();
    if (file_.write(bytes) != bytes.size() || !file_.flush()) {
        error_ = file_.errorString();
        file_.close();
        return false;
    }
    return true;
}

} // namespace varko
