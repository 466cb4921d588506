#pragma once
// The history: every parameter set read from a unit or programmed into one, kept as a .ign file
// named by its date and time and what happened, with the unit's identity and the file that was
// open in a small index beside them. Every file is replaced atomically. The folder is the truth:
// a file the index does not know (the index lost or damaged) is still listed, from its name.

#include "model/ParamImage.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace varko {

enum class HistoryEvent { Read, Programmed, BeforeProgramming };

struct UnitIdentity {
    QString name;              // the firmware's name
    QString date;              // the firmware's date
    int programmingCount = -1; // -1: not known
};

struct HistoryEntry {
    QString fileName; // within the history folder
    QDateTime when;
    HistoryEvent event = HistoryEvent::Read;
    UnitIdentity unit;
    QString openFile; // the file open in the window then; empty for none
};

// How many entries the folder keeps: the newest kKeepNewest and everything younger than
// kKeepDays, whichever is more.
constexpr int kKeepNewest = 500;
constexpr int kKeepDays = 30;

// The entries to delete from a list sorted newest first.
QList<HistoryEntry> entriesBeyondCap(const QList<HistoryEntry>& newestFirst, const QDateTime& now);

class History {
public:
    explicit History(QString folder);

    // Keeps image as a new entry, then deletes what lies beyond the cap. nullopt when the entry
    // could not be written (nothing of it is left behind then).
    std::optional<HistoryEntry> add(const ParamImage& image, HistoryEvent event,
                                    const UnitIdentity& unit, const QString& openFile,
                                    const QDateTime& now);
    QList<HistoryEntry> entries() const; // newest first
    QString filePath(const HistoryEntry& entry) const;

private:
    bool writeIndex(const QList<HistoryEntry>& entries) const;

    QString folder_;
};

} // namespace varko
