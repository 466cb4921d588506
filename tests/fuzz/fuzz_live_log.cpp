// Any text opened as a live-data log: no crash, and what the reader takes is what the writer
// would write again. Its records keep their order in time, the malformed lines are named in order
// after the header, and the records written back as a recording read back to the same lines.

#include "link/LiveDataCsv.h"

#include "FuzzSupport.h"

#include <QBuffer>

using namespace varko;

namespace {

LiveLog read(QByteArray text) {
    QBuffer device(&text);
    device.open(QIODevice::ReadOnly);
    return readLiveLog(device);
}

QStringList recordingLines(const std::vector<LiveRecord>& records) {
    QStringList lines;
    for (const LiveRecord& record : records)
        lines << liveCsvLine(record, LiveCsvColumns::Recording);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LiveLog log = read(fuzzText(data, size));
    if (!log.isLiveLog) {
        FUZZ_REQUIRE(log.records.empty() && log.malformedLines.empty());
        return 0;
    }
    for (std::size_t i = 1; i < log.records.size(); ++i)
        FUZZ_REQUIRE(log.records[i - 1].timeMs <= log.records[i].timeMs);
    for (std::size_t i = 0; i < log.malformedLines.size(); ++i)
        FUZZ_REQUIRE(log.malformedLines[i] >= 2 &&
                     (i == 0 || log.malformedLines[i - 1] < log.malformedLines[i]));

    const QStringList lines = recordingLines(log.records);
    const QString text = liveCsvHeader(LiveCsvColumns::Recording) + '\n' + lines.join('\n') + '\n';
    const LiveLog again = read(text.toUtf8());
    FUZZ_REQUIRE(again.isLiveLog && again.malformedLines.empty());
    FUZZ_REQUIRE(recordingLines(again.records) == lines);
    return 0;
}
