#pragma once
// The parameter set being edited and what the program keeps about it: the window settings, the
// file it belongs to, the sets last known to be in that file and in the unit, the undo history,
// test mode and programming after change. Every change of the set goes through apply() or
// replace(), which normalize it, record it for undo and ask for programming as the change's
// origin has it; whoever shows any of this follows the signals instead of being told by hand.

#include "model/ParamImage.h"
#include "model/WindowSettings.h"
#include "storage/UndoRing.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace varko {

// What a change of the image is taken with.
enum class ChangeOrigin {
    Edit,   // a control, a tool, a bulk edit, a compare take: normalized, one undo step, and
            // programmed when programming after change asks for it
    Commit, // the pending edit taken before the set is saved, sent or kept: normalized, no step
    AsIs,   // the read-out lock box: taken as it is, without an undo step or a program
};

// Where a whole new set comes from.
enum class SetOrigin {
    New,     // the model's defaults: one undo step, no longer the file's
    Open,    // a file: one undo step; the caller names the file with setFile
    History, // a kept copy: one undo step; the file stays the window's
    Read,    // the unit's set as read and normalized, while its verify runs: no undo step yet
    // The set a read brought, once the read has ended: one undo step, never programmed (the unit
    // holds it), and the next step is programmed only when it changes the set.
    ReadEnded,
};

class Document final : public QObject {
    Q_OBJECT
public:
    using Change = std::function<void(ParamImage&)>;

    explicit Document(QObject* parent = nullptr);

    const ParamImage& image() const { return image_; }
    // The link changes the port choice and the scan position in place.
    WindowSettings& settings() { return settings_; }
    const WindowSettings& settings() const { return settings_; }
    Language language() const { return settings_.language; }
    void setLanguage(Language language);

    void apply(const Change& change, ChangeOrigin origin);
    void replace(const ParamImage& image, SetOrigin origin);
    // The set at start-up (from the last state, or the start-up model), shown but not recorded.
    void startWith(const ParamImage& image);
    // The history starts again from the set as it is now, with the page shown.
    void startHistory();
    void undo();
    void redo();
    bool canUndo() const { return ring_.canUndo(); }
    bool canRedo() const { return ring_.canRedo(); }

    // The page shown, kept with each undo step and restored with it.
    std::uint8_t page() const { return page_; }
    void setPage(int page);

    // The file the set belongs to; empty for none.
    const QString& file() const { return file_; }
    void setFile(const QString& path);

    // The file holds this set as it reads, before the window takes it: opened, saved or found so
    // at start. A file that lacks bytes (FileGaps) holds no whole set, so nothing is saved in it
    // until it is saved. Saved: saving the image would give a file that reads as that set.
    void fileHolds(const ParamImage& set, const ImageBytes& lacking = {});
    // The unit confirmed holding this set; in unit: the image is that set, as a verify compares.
    void unitHolds(const ParamImage& set);
    // Whichever unit answers next, nothing is known of its set.
    void unitUnknown();
    bool isSaved() const;
    bool isInUnit() const;

    bool testMode() const { return testMode_; }
    void setTestMode(bool on) { testMode_ = on; }
    bool programAfterChange() const { return programAfterChange_; }
    void setProgramAfterChange(bool on) { programAfterChange_ = on; }

signals:
    void imageChanged();
    void fileChanged();
    // Whether the set is saved or in the unit may have changed (with the image, or the sets).
    void knownSetsChanged();
    void languageChanged();
    void undoStateChanged();
    // An undo step restored a step taken on another page.
    void pageRestored(int page);
    // The set is to be programmed into the unit as it is.
    void programRequested();

private:
    // How a change of the image is recorded for undo.
    enum class Step { None, Recorded, UnitSet };
    void changed(Step step);
    void record();
    void restore(const UndoSnapshot& snapshot);

    ParamImage image_;
    WindowSettings settings_;
    QString file_;
    std::optional<ParamImage> fileSet_;
    std::optional<ParamImage> unitSet_;
    UndoRing ring_;
    std::uint8_t page_ = 0;
    bool testMode_ = false;
    bool programAfterChange_ = false;
};

} // namespace varko
