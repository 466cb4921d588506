#include "storage/History.h"

#include "storage/FileIo.h"
#include "storage/FileNames.h"
#include "storage/ParamFile.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <array>

namespace varko {
namespace {

constexpr const char* kIndexName = "index.tsv";
constexpr const char* kNameTime = "yyyy-MM-dd_HH-mm-ss";
constexpr std::array<const char*, 3> kEventWords = {"read", "programmed", "before-programming"};

QString eventWord(HistoryEvent event) {
    return kEventWords[static_cast<std::size_t>(event)];
}

std::optional<HistoryEvent> eventOfWord(const QString& word) {
    for (std::size_t e = 0; e < kEventWords.size(); ++e) {
        if (word == kEventWords[e])
            return static_cast<HistoryEvent>(e);
    }
    return std::nullopt;
}

// What the name of an entry's file tells: when and what. nullopt for any other file.
std::optional<HistoryEntry> entryOfName(const QString& fileName) {
    static const QRegularExpression pattern(
        "^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)_([a-z-]+)(_\\d+)?\\.ign$");
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const auto event = eventOfWord(match.captured(2));
    const QDateTime when = QDateTime::fromString(match.captured(1), kNameTime);
    if (!event || !when.isValid())
        return std::nullopt;
    HistoryEntry entry;
    entry.fileName = fileName;
    entry.when = when;
    entry.event = *event;
    return entry;
}

// Fields are percent-encoded, so a tab or a line end in a file name or a unit's name cannot
// break the index's lines. The open file's name is encoded from its own bytes, whatever they are
// (FileNames.h).
QByteArray encoded(const QString& field) {
    return QUrl::toPercentEncoding(field);
}

QString decoded(const QByteArray& field) {
    return QUrl::fromPercentEncoding(field);
}

QByteArray indexLine(const HistoryEntry& entry) {
    const QByteArrayList fields = {encoded(entry.fileName),
                                   encoded(entry.when.toString(Qt::ISODateWithMs)),
                                   encoded(eventWord(entry.event)),
                                   encoded(entry.unit.name),
                                   encoded(entry.unit.date),
                                   QByteArray::number(entry.unit.programmingCount),
                                   encodeFileName(entry.openFile).toPercentEncoding()};
    return fields.join('\t') + '\n';
}

// The index's knowledge by file name; a damaged line is passed over.
QHash<QString, HistoryEntry> readIndex(const QString& path) {
    QHash<QString, HistoryEntry> known;
    const auto text = readSmallFile(path);
    if (!text)
        return known;
    for (const QByteArray& line : text->split('\n')) {
        const QByteArrayList fields = line.split('\t');
        if (fields.size() != 7)
            continue;
        HistoryEntry entry;
        entry.fileName = decoded(fields[0]);
        entry.when = QDateTime::fromString(decoded(fields[1]), Qt::ISODate);
        const auto event = eventOfWord(decoded(fields[2]));
        bool countOk = false;
        entry.unit = {decoded(fields[3]), decoded(fields[4]), fields[5].toInt(&countOk)};
        entry.openFile = decodeFileName(QByteArray::fromPercentEncoding(fields[6]));
        if (!event || !entry.when.isValid() || !countOk)
            continue;
        entry.event = *event;
        known.insert(entry.fileName, entry);
    }
    return known;
}

// The index keeps the milliseconds, so that a read and the program that follows it within the
// same second (programming after change) still list in the order they happened.
bool newerFirst(const HistoryEntry& a, const HistoryEntry& b) {
    if (a.when != b.when)
        return a.when > b.when;
    return a.fileName > b.fileName;
}

} // namespace

QList<HistoryEntry> entriesBeyondCap(const QList<HistoryEntry>& newestFirst, const QDateTime& now) {
    QList<HistoryEntry> beyond;
    const QDateTime keepSince = now.addDays(-kKeepDays);
    for (qsizetype i = kKeepNewest; i < newestFirst.size(); ++i) {
        if (newestFirst[i].when < keepSince)
            beyond << newestFirst[i];
    }
    return beyond;
}

History::History(QString folder) : folder_(std::move(folder)) {}

QString History::filePath(const HistoryEntry& entry) const {
    return folder_ + '/' + entry.fileName;
}

QList<HistoryEntry> History::entries() const {
    const QHash<QString, HistoryEntry> known = readIndex(folder_ + '/' + kIndexName);
    QList<HistoryEntry> entries;
    for (const QString& name : QDir(folder_).entryList({"*.ign"}, QDir::Files)) {
        const auto fromName = entryOfName(name);
        if (fromName)
            entries << known.value(name, *fromName);
    }
    std::sort(entries.begin(), entries.end(), newerFirst);
    return entries;
}

bool History::writeIndex(const QList<HistoryEntry>& entries) const {
    QByteArray text;
    for (const HistoryEntry& entry : entries)
        text += indexLine(entry);
    return replaceFile(folder_ + '/' + kIndexName, text, MissingFolder::Create);
}

std::optional<HistoryEntry> History::add(const ParamImage& image, HistoryEvent event,
                                         const UnitIdentity& unit, const QString& openFile,
                                         const QDateTime& now) {
    HistoryEntry entry;
    entry.when = now;
    entry.event = event;
    entry.unit = unit;
    entry.openFile = openFile;
    // Seconds apart is the rule; a second entry within the same second gets a number.
    const QString stem = now.toString(kNameTime) + '_' + eventWord(event);
    entry.fileName = stem + ".ign";
    for (int n = 2; QFileInfo::exists(filePath(entry)); ++n)
        entry.fileName = QString("%1_%2.ign").arg(stem).arg(n);
    if (!replaceFile(filePath(entry), writeParamFile(image), MissingFolder::Create))
        return std::nullopt;

    QList<HistoryEntry> kept = entries();
    const QList<HistoryEntry> beyond = entriesBeyondCap(kept, now);
    QSet<QString> dropped;
    for (const HistoryEntry& old : beyond)
        dropped << old.fileName;
    kept.removeIf([&](const HistoryEntry& e) { return dropped.contains(e.fileName); });
    // The new entry's file is listed from its name; the index gives it its unit and open file.
    for (HistoryEntry& e : kept) {
        if (e.fileName == entry.fileName)
            e = entry;
    }
    if (!writeIndex(kept)) {
        QFile::remove(filePath(entry));
        return std::nullopt;
    }
    for (const HistoryEntry& old : beyond)
        QFile::remove(filePath(old));
    return entry;
}

} // namespace varko
