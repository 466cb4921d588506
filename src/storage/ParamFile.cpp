#include "storage/ParamFile.h"

#include "storage/FileIo.h"
#include "storage/NumberField.h"
#include "storage/TokenScanner.h"

#include <bitset>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varko {

namespace {

constexpr QByteArrayView kFileKey = "KALUBREN_KEY";
constexpr const char* kContinuation = "            "; // twelve blanks

// Numbers for the bytes offset, offset + stride, ... each converted through scale. A flag is
// written as 0 or 1 whatever its byte holds, and read back as the number read.
struct Run {
    int offset;
    int count = 1;
    int stride = 1;
    FieldScale scale = Scale::unit;
    bool flag = false;
};

// One key with its numbers. The writer puts each entry of lines on a line of its own, the first
// behind the key field and the others behind twelve blanks; the reader takes the numbers of all
// lines in that order, then those of readerExtra.
struct Record {
    const char* keyField; // the key as the writer pads it
    bool emptyLineBefore = false;
    std::vector<std::vector<Run>> lines;
    std::vector<Run> readerExtra = {};
};

// Lobe, 2nd edge and 2nd pick-up of one channel point lie this far apart.
constexpr int kPointStride = Field::maxAdvEdge2 - Field::maxAdvLobe;

std::vector<std::vector<Run>> bikeLines() {
    std::vector<std::vector<Run>> lines{{{Field::bike}},
                                        {{.offset = Field::synchroMethod, .count = 3}}};
    for (int n = 0; n < kChannels; ++n) {
        lines.push_back({{.offset = Field::maxAdvLobe + n, .count = 3, .stride = kPointStride}});
        lines.push_back({{.offset = Field::startAdvLobe + n, .count = 3, .stride = kPointStride}});
    }
    lines.push_back({});
    lines.push_back({{Field::revsWithoutIgnition}, {.offset = Field::compensation, .count = 4}});
    return lines;
}

std::vector<std::vector<Run>> advanceLines() {
    std::vector<std::vector<Run>> lines;
    for (int row = 0; row < 10; ++row)
        lines.push_back({{.offset = Field::advance + 10 * row, .count = 10}});
    lines.push_back({});
    return lines;
}

// The whole file after its first line, in the writer's order.
const std::vector<Record>& records() {
    constexpr int pickupStride = Field::pickup2Inverse - Field::pickup1Inverse;
    static const std::vector<Record> records{
        // Files of version 48 carry the pick-up polarities at the end of this record.
        {"BIKE        ",
         true,
         bikeLines(),
         {{.offset = Field::pickup1Inverse, .count = 2, .stride = pickupStride}}},
        {"GEBER_MODE  ", false, {{{Field::ignitionsPerRev}}}},
        {"INPUT       ",
         false,
         {{{.offset = Field::pickup1Inverse, .count = 2, .stride = pickupStride},
           {.offset = Field::input1, .count = 3}}}},
        {"PICKUPS_INTERCHANGE     ", false, {{{Field::pickupsInterchange}}}},
        {"NO_LOBE_CHECK     ", false, {{{Field::noLobeCheck}}}},
        {"BASE_ADV    ", false, {{{Field::baseAdv}}}},
        {"LIMITER     ", false, {{{Field::limiter}}}},
        {"PILOT_LIGHT ", false, {{{.offset = Field::pilotLight, .scale = Scale::rpm}}}},
        {"CLUTCH      ",
         false,
         {{{.offset = Field::clutchTime, .count = 2, .scale = Scale::tens}}}},
        {"TPS         ",
         true,
         {{{.offset = Field::tps0, .scale = Scale::tens},
           {.offset = Field::tps100, .scale = Scale::tps100}}}},
        {"RPM         ",
         false,
         {{{Field::tachoPulses},
           {.offset = Field::tachoCorrection, .scale = Scale::tachoCorrection}}}},
        {"EXCITATION  ", false, {{{.offset = Field::excitation, .flag = true}}}},
        {"TPS_MAPA    ", false, {{{.offset = Field::throttleMap, .flag = true}}}},
        {"RPM_ADV     ", true, {{{.offset = Field::rpmAdv, .count = 10, .scale = Scale::rpm}}}},
        {"ADVANCE     ", true, advanceLines()},
        {"SERVO_ENABLE", true, {{{.offset = Field::servoEnable, .flag = true}}}},
        {"SERVO_HYSTER", false, {{{.offset = Field::servoHyster, .scale = Scale::servoHyster}}}},
        {"SERVO_RPM   ", false, {{{.offset = Field::servoRpm, .count = 10, .scale = Scale::rpm}}}},
        {"SERVO_MV    ",
         false,
         {{{.offset = Field::servoMv, .count = 10, .scale = Scale::servoMv}}}},
        {"NO_READING  ", false, {{{.offset = Field::noReading, .flag = true}}}},
    };
    return records;
}

QByteArrayView keyOf(const Record& record) {
    return QByteArrayView(record.keyField).trimmed();
}

// Looked up for every word of a file, which may hold millions of them. Most words are no key:
// their length or first character settles that before the hash lookup.
class RecordIndex {
public:
    RecordIndex() {
        for (const Record& record : records()) {
            const QByteArrayView key = keyOf(record);
            byKey_.emplace(std::string_view(key.data(), std::size_t(key.size())), &record);
            firstChars_.set(static_cast<unsigned char>(key.front()));
            shortest_ = std::min(shortest_, key.size());
            longest_ = std::max(longest_, key.size());
        }
    }
    const Record* find(QByteArrayView token) const {
        if (token.size() < shortest_ || token.size() > longest_ ||
            !firstChars_.test(static_cast<unsigned char>(token.front())))
            return nullptr;
        const auto found = byKey_.find(std::string_view(token.data(), std::size_t(token.size())));
        return found == byKey_.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::string_view, const Record*> byKey_;
    std::bitset<256> firstChars_;
    qsizetype shortest_ = std::numeric_limits<qsizetype>::max();
    qsizetype longest_ = 0;
};

const Record* findRecord(QByteArrayView token) {
    static const RecordIndex index;
    return index.find(token);
}

void appendNumbers(QByteArray& text, const ParamImage& image, const Run& run) {
    for (int i = 0; i < run.count; ++i) {
        const std::uint8_t byte = image[run.offset + i * run.stride];
        if (run.flag)
            text += byte ? "    1" : "    0";
        else
            appendNumberField(text, run.scale.decode(byte));
    }
}

// The bytes of every line of every record, those a flag run writes among them.
struct WrittenBytes {
    ImageBytes all;
    ImageBytes flags;
};

const WrittenBytes& writtenBytes() {
    static const WrittenBytes written = [] {
        WrittenBytes bytes;
        for (const Record& record : records())
            for (const std::vector<Run>& line : record.lines)
                for (const Run& run : line)
                    for (int i = 0; i < run.count; ++i) {
                        bytes.all.set(run.offset + i * run.stride);
                        bytes.flags.set(run.offset + i * run.stride, run.flag);
                    }
        return bytes;
    }();
    return written;
}

// A number that is missing leaves its byte alone; as nothing was consumed, every later number of
// the key is missing too and the offending token is left to the key loop.
void readNumbers(TokenScanner& scanner, ParamImage& image, const Run& run, ImageBytes& given) {
    for (int i = 0; i < run.count; ++i) {
        const std::optional<int> value = scanner.nextNumber();
        if (!value)
            return;
        const int offset = run.offset + i * run.stride;
        image[offset] = run.scale.encode(*value);
        given.set(offset);
    }
}

void reportMessage(const std::function<void(FileMessage)>& report, FileMessage message) {
    if (report)
        report(message);
}

// Skips to the first file key with a version this reader understands; 0 when there is none
// (fileKeySeen tells whether there was a file key at all). A file with a thousand wrong keys says
// so once: every message would be a box to click away.
int findAcceptedVersion(TokenScanner& scanner, const std::function<void(FileMessage)>& report,
                        bool& fileKeySeen) {
    bool unmatchedReported = false;
    while (const std::optional<QByteArrayView> token = scanner.nextToken()) {
        if (*token != kFileKey)
            continue;
        fileKeySeen = true;
        const std::optional<int> version = scanner.nextNumber();
        if (version == kProtocolVersion)
            return *version;
        if (version == 54 || version == 48) {
            reportMessage(report, FileMessage::OlderVersion);
            return *version;
        }
        if (!unmatchedReported)
            reportMessage(report, FileMessage::UnmatchedVersion);
        unmatchedReported = true;
    }
    return 0;
}

// Older files lack these fields or hold them in another structure; the version gives them.
void setOlderVersionDefaults(ParamImage& image, int version, ImageBytes& given) {
    const auto set = [&](int offset, std::uint8_t value) {
        image[offset] = value;
        given.set(offset);
    };
    set(Field::pickupsInterchange, 0);
    set(Field::noLobeCheck, 0);
    if (version == 48) {
        set(Field::ignitionsPerRev, 1);
        set(Field::input1, 2);
        set(Field::input2, 3);
        set(Field::neutralStandInputs, 0);
    }
}

} // namespace

QByteArray writeParamFile(const ParamImage& image) {
    QByteArray text =
        "KALUBREN_KEY  " + QByteArray::number(kProtocolVersion).rightJustified(3) + ' ';
    text.reserve(4096);
    for (const Record& record : records()) {
        if (record.emptyLineBefore)
            text += "\r\n";
        for (std::size_t i = 0; i < record.lines.size(); ++i) {
            text += "\r\n";
            text += i == 0 ? record.keyField : kContinuation;
            for (const Run& run : record.lines[i])
                appendNumbers(text, image, run);
        }
    }
    return text;
}

std::uint8_t readParamFile(const QByteArray& text, ParamImage& image,
                           const std::function<void(FileMessage)>& report, FileGaps* gaps) {
    TokenScanner scanner(text);
    bool fileKeySeen = false;
    const int version = findAcceptedVersion(scanner, report, fileKeySeen);
    if (version == 0) {
        if (gaps)
            gaps->noFileKey = !fileKeySeen;
        return 0;
    }
    ImageBytes given;
    if (version != kProtocolVersion)
        setOlderVersionDefaults(image, version, given);

    std::vector<bool> found(records().size());
    while (const std::optional<QByteArrayView> token = scanner.nextToken()) {
        const Record* record = findRecord(*token);
        if (!record)
            continue;
        found[record - records().data()] = true;
        for (const std::vector<Run>& line : record->lines)
            for (const Run& run : line)
                readNumbers(scanner, image, run, given);
        for (const Run& run : record->readerExtra)
            readNumbers(scanner, image, run, given);
    }
    if (gaps) {
        for (std::size_t r = 0; r < found.size(); ++r)
            if (!found[r])
                gaps->keys.append(keyOf(records()[r]).toByteArray());
        gaps->bytes = fileBytes() & ~given;
    }
    return static_cast<std::uint8_t>(version);
}

const ImageBytes& fileBytes() {
    return writtenBytes().all;
}

bool savesAs(const ParamImage& image, const ParamImage& set) {
    const WrittenBytes& written = writtenBytes();
    for (int offset = 0; offset < kImageSize; ++offset) {
        const std::uint8_t saved = written.flags.test(offset) ? image[offset] != 0 : image[offset];
        if (written.all.test(offset) && saved != set[offset])
            return false;
    }
    return true;
}

bool saveParamFile(const QString& path, const ParamImage& image, QString* reason) {
    return replaceFile(path, writeParamFile(image), MissingFolder::Fail, reason);
}

bool loadParamFile(const QString& path, ParamImage& image, std::uint8_t& version,
                   const std::function<void(FileMessage)>& report, FileGaps* gaps) {
    const std::optional<QByteArray> text = readSmallFile(path);
    if (!text)
        return false;
    version = readParamFile(*text, image, report, gaps);
    return true;
}

} // namespace varko
