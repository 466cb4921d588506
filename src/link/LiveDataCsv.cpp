#include "link/LiveDataCsv.h"

#include "storage/FileIo.h"

#include <QFile>
#include <QHash>
#include <QIODevice>

#include <cerrno>
#include <limits>
#include <type_traits>
#include <utility>

namespace varko {
namespace {

// How a frame field is written: its integer as it is, as a 0/1 flag, as the millivolts of a
// 0..1023 sensor reading, or as an advance in degrees (the frame holds degrees + 100).
enum class Kind { Plain, Flag, Millivolts, Advance };

enum class Group { Time, Monitor, Recording };

struct CsvColumn {
    const char* name;
    Group group;
    Kind kind;
    qint64 (*get)(const LiveRecord&);
    void (*set)(LiveRecord&, qint64);
    qint64 largest; // the field's largest stored value
};

template <auto field, int index> auto& fieldOf(auto& data) {
    if constexpr (index < 0)
        return data.*field;
    else
        return (data.*field)[index];
}

template <auto field, int index = -1>
constexpr CsvColumn frameColumn(const char* name, Kind kind, Group group = Group::Monitor) {
    using Value =
        std::remove_cvref_t<decltype(fieldOf<field, index>(std::declval<MonitorData&>()))>;
    return {name,
            group,
            kind,
            [](const LiveRecord& r) -> qint64 { return fieldOf<field, index>(r.data); },
            [](LiveRecord& r, qint64 v) { fieldOf<field, index>(r.data) = Value(v); },
            std::numeric_limits<Value>::max()};
}

template <auto field, int index = -1>
constexpr CsvColumn recordingColumn(const char* name, Kind kind) {
    return frameColumn<field, index>(name, kind, Group::Recording);
}

const CsvColumn kColumns[] = {
    {"time_ms", Group::Time, Kind::Plain, [](const LiveRecord& r) { return r.timeMs; },
     [](LiveRecord& r, qint64 v) { r.timeMs = v; }, std::numeric_limits<qint64>::max()},
    frameColumn<&MonitorData::rpm>("rpm", Kind::Plain),
    frameColumn<&MonitorData::tpsPercent>("tps_percent", Kind::Plain),
    frameColumn<&MonitorData::tpsRaw>("tps_mv", Kind::Millivolts),
    frameColumn<&MonitorData::supplyMillivolts>("supply_mv", Kind::Plain),
    frameColumn<&MonitorData::channelAdvance, 0>("advance1", Kind::Advance),
    frameColumn<&MonitorData::channelAdvance, 1>("advance2", Kind::Advance),
    frameColumn<&MonitorData::channelAdvance, 2>("advance3", Kind::Advance),
    frameColumn<&MonitorData::channelAdvance, 3>("advance4", Kind::Advance),
    frameColumn<&MonitorData::pickupRunning, 0>("pickup1", Kind::Flag),
    frameColumn<&MonitorData::pickupRunning, 1>("pickup2", Kind::Flag),
    frameColumn<&MonitorData::killSwitch>("kill_switch", Kind::Flag),
    frameColumn<&MonitorData::clutchMaster>("clutch_master", Kind::Flag),
    frameColumn<&MonitorData::shiftLight>("shift_light", Kind::Flag),
    frameColumn<&MonitorData::motorOff>("motor_off", Kind::Flag),
    frameColumn<&MonitorData::servoDesiredRaw>("servo_desired_mv", Kind::Millivolts),
    frameColumn<&MonitorData::servoMeasuredRaw>("servo_measured_mv", Kind::Millivolts),
    frameColumn<&MonitorData::programCount>("program_count", Kind::Plain),
    frameColumn<&MonitorData::savingCount>("saving_count", Kind::Plain),
    frameColumn<&MonitorData::dataError>("data_error", Kind::Flag),
    frameColumn<&MonitorData::protocolVersion>("protocol_version", Kind::Plain),
    {"pickup_error", Group::Monitor, Kind::Flag,
     [](const LiveRecord& r) -> qint64 { return r.pickupError; },
     [](LiveRecord& r, qint64 v) { r.pickupError = v != 0; }, 1},
    // The rest of what the live column shows, so a replay shows it as the live run did.
    recordingColumn<&MonitorData::channelMaxAdvance, 0>("max_advance1", Kind::Plain),
    recordingColumn<&MonitorData::channelMaxAdvance, 1>("max_advance2", Kind::Plain),
    recordingColumn<&MonitorData::channelMaxAdvance, 2>("max_advance3", Kind::Plain),
    recordingColumn<&MonitorData::channelMaxAdvance, 3>("max_advance4", Kind::Plain),
    recordingColumn<&MonitorData::rpmRed>("rpm_red", Kind::Flag),
    recordingColumn<&MonitorData::rpmYellow>("rpm_yellow", Kind::Flag),
    recordingColumn<&MonitorData::servoOk>("servo_ok", Kind::Flag),
    recordingColumn<&MonitorData::input1Grounded>("input1_grounded", Kind::Flag),
    recordingColumn<&MonitorData::input2Grounded>("input2_grounded", Kind::Flag),
    recordingColumn<&MonitorData::testValue, 0>("test1", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 1>("test2", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 2>("test3", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 3>("test4", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 4>("test5", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 5>("test6", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 6>("test7", Kind::Plain),
    recordingColumn<&MonitorData::testValue, 7>("test8", Kind::Plain),
};

bool written(const CsvColumn& column, LiveCsvColumns columns) {
    switch (column.group) {
    case Group::Time:
        return columns != LiveCsvColumns::Monitor;
    case Group::Monitor:
        return true;
    case Group::Recording:
        return columns == LiveCsvColumns::Recording;
    }
    return false;
}

qint64 csvValue(const CsvColumn& column, qint64 stored) {
    switch (column.kind) {
    case Kind::Plain:
        return stored;
    case Kind::Flag:
        return stored != 0 ? 1 : 0;
    case Kind::Millivolts:
        return rawToMillivolts(std::uint16_t(stored));
    case Kind::Advance:
        return stored - 100;
    }
    return stored;
}

// The stored value that writes as text; nothing when no value of the field would.
std::optional<qint64> storedValue(const CsvColumn& column, QByteArrayView text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    qint64 stored = value;
    if (column.kind == Kind::Millivolts) // rawToMillivolts never maps two readings to one value
        stored = value < 0 ? -1 : (value * 1023 + 4999) / 5000;
    else if (column.kind == Kind::Advance)
        stored = value + 100;
    else if (column.kind == Kind::Flag && value > 1)
        return std::nullopt;
    if (stored < 0 || stored > column.largest || csvValue(column, stored) != value)
        return std::nullopt;
    return stored;
}

// Where each column of the table stands in a log's header line; -1 where it is missing.
std::optional<std::vector<int>> headerPositions(const QStringList& names) {
    QHash<QString, int> position;
    for (int i = 0; i < names.size(); ++i) {
        if (position.contains(names[i]))
            return std::nullopt;
        position.insert(names[i], i);
    }
    std::vector<int> positions;
    for (const CsvColumn& column : kColumns) {
        positions.push_back(position.value(QString::fromLatin1(column.name), -1));
        if (positions.back() < 0 && column.group != Group::Recording)
            return std::nullopt;
    }
    return positions;
}

constexpr qint64 kLogChunk = 1024 * 1024;

// The lines of a log one at a time, without their line ends, read in large pieces and at most
// maxBytes in all. A line longer than kMaxLiveLogLine comes as too long and without its text,
// which is dropped as it is read.
class LogLines {
public:
    LogLines(QIODevice& device, LiveLogProgress& progress, qint64 maxBytes)
        : device_(device), progress_(progress), maxBytes_(maxBytes) {}

    // False at the end. The line stays valid until the next call.
    bool next(QByteArrayView& line, bool& tooLong) {
        tooLong = false;
        qsizetype searchFrom = start_;
        for (;;) {
            const qsizetype end = buffer_.indexOf('\n', searchFrom);
            if (end >= 0) {
                tooLong = tooLong || end - start_ > kMaxLiveLogLine;
                line = trimmed(QByteArrayView(buffer_).sliced(start_, end - start_), tooLong);
                start_ = end + 1;
                return true;
            }
            tooLong = tooLong || buffer_.size() - start_ > kMaxLiveLogLine;
            if (tooLong)
                buffer_.clear();
            else
                buffer_.remove(0, start_);
            start_ = 0;
            searchFrom = buffer_.size();
            if (!readPiece()) {
                if (buffer_.isEmpty() && !tooLong)
                    return false;
                line = trimmed(QByteArrayView(buffer_), tooLong);
                start_ = buffer_.size();
                return true;
            }
        }
    }

private:
    static QByteArrayView trimmed(QByteArrayView line, bool tooLong) {
        if (tooLong)
            return {};
        while (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    // False at the end, and once the reading is cancelled: a line without end in sight may
    // take many pieces.
    bool readPiece() {
        const qint64 wanted = std::min(kLogChunk, maxBytes_ - read_ + 1);
        if (wanted <= 0 || progress_.cancelled.load(std::memory_order_relaxed))
            return false;
        const qsizetype kept = buffer_.size();
        buffer_.resize(kept + wanted);
        const qint64 got = device_.read(buffer_.data() + kept, wanted);
        buffer_.resize(kept + std::max<qint64>(got, 0));
        if (got <= 0)
            return false;
        read_ += got;
        progress_.bytesRead.store(read_, std::memory_order_relaxed);
        return true;
    }

    QIODevice& device_;
    LiveLogProgress& progress_;
    const qint64 maxBytes_;
    QByteArray buffer_;
    qsizetype start_ = 0;
    qint64 read_ = 0;
};

// The fields of a line, split at its commas into fields (kept from line to line).
void splitFields(QByteArrayView line, std::vector<QByteArrayView>& fields) {
    fields.clear();
    for (qsizetype start = 0;;) {
        const qsizetype comma = line.indexOf(',', start);
        if (comma < 0) {
            fields.push_back(line.sliced(start));
            return;
        }
        fields.push_back(line.sliced(start, comma - start));
        start = comma + 1;
    }
}

// readLiveLog, reading at most maxBytes.
LiveLog readLog(QIODevice& device, LiveLogProgress& progress, qint64 maxBytes) {
    LiveLog log;
    LogLines lines(device, progress, maxBytes);
    QByteArrayView line; // stays empty for an empty device
    bool tooLong = false;
    lines.next(line, tooLong);
    const QStringList names = QString::fromUtf8(line).split(',');
    const auto positions = headerPositions(names);
    if (!positions || tooLong)
        return log;
    log.isLiveLog = true;
    std::vector<QByteArrayView> fields;
    for (int number = 2; lines.next(line, tooLong); ++number) {
        if (progress.cancelled.load(std::memory_order_relaxed))
            break;
        if (line.isEmpty() && !tooLong)
            continue;
        splitFields(line, fields);
        LiveRecord record;
        bool valid = !tooLong && fields.size() == std::size_t(names.size());
        for (std::size_t c = 0; valid && c < std::size(kColumns); ++c) {
            if ((*positions)[c] < 0)
                continue;
            const auto stored = storedValue(kColumns[c], fields[(*positions)[c]]);
            valid = stored.has_value();
            if (valid)
                kColumns[c].set(record, *stored);
        }
        if (valid && !log.records.empty())
            valid = record.timeMs >= log.records.back().timeMs;
        if (!valid) {
            log.malformedLines.push_back(number);
            continue;
        }
        if (record.data.protocolVersion != kProtocolVersion && !log.otherProtocolVersion)
            log.otherProtocolVersion = record.data.protocolVersion;
        log.records.push_back(record);
    }
    return log;
}

} // namespace

QString liveCsvHeader(LiveCsvColumns columns) {
    QStringList names;
    for (const CsvColumn& column : kColumns) {
        if (written(column, columns))
            names << QString::fromLatin1(column.name);
    }
    return names.join(',');
}

QString liveCsvLine(const LiveRecord& record, LiveCsvColumns columns) {
    QStringList fields;
    for (const CsvColumn& column : kColumns) {
        if (written(column, columns))
            fields << QString::number(csvValue(column, column.get(record)));
    }
    return fields.join(',');
}

LiveLog readLiveLog(QIODevice& device, LiveLogProgress* progress) {
    LiveLogProgress own;
    return readLog(device, progress != nullptr ? *progress : own,
                   std::numeric_limits<qint64>::max() - 1);
}

LiveLogFile readLiveLogFile(const QString& path, LiveLogProgress* progress) {
    LiveLogProgress own;
    LiveLogProgress& reading = progress != nullptr ? *progress : own;
    LiveLogFile result;
    QFile file;
    if (!openRegularFile(path, kMaxLiveLogSize, file, result.refusal))
        return result;
    reading.totalBytes = file.size();
    result.log = readLog(file, reading, kMaxLiveLogSize);
    // The limit holds for what was read, should the file have grown meanwhile.
    if (reading.bytesRead > kMaxLiveLogSize) {
        result.refusal.tooLarge = true;
        result.refusal.reason = systemReason(EFBIG);
    } else if (file.error() != QFileDevice::NoError) {
        result.refusal.reason = file.errorString();
    }
    if (!result.refusal.reason.isEmpty())
        result.log = {};
    return result;
}

} // namespace varko
