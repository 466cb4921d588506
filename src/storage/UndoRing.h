#pragma once
// The undo history: a fixed ring of 200 snapshots (image + page shown), up to 199 undo steps.
// It also decides whether a recorded change is programmed into the unit at once.

#include "model/ParamImage.h"

#include <array>
#include <cstdint>

namespace varko {

struct UndoSnapshot {
    ParamImage image;
    std::uint8_t page = 0;
};

class UndoRing {
public:
    static constexpr int kSlots = 200;

    void init(const ParamImage& image, std::uint8_t page);

    // Records the image when it differs from the current snapshot. Returns whether the caller
    // must start a program transfer under the program-after-change rule.
    bool push(const ParamImage& image, std::uint8_t page, bool programAfterChange);
    // Records a set the unit holds (one it sent): never programmed, and nothing is owed to the
    // unit afterwards, so the next push programs only when it changes the set.
    void pushUnitSet(const ParamImage& image, std::uint8_t page);

    // Move one step; nullptr when there is nothing to move to.
    const UndoSnapshot* undo();
    const UndoSnapshot* redo();

    bool canUndo() const { return current != oldest; }
    bool canRedo() const { return current != newest; }

private:
    // Records the image when it differs from the current snapshot; whether it did.
    bool record(const ParamImage& image, std::uint8_t page);

    std::array<UndoSnapshot, kSlots> ring{};
    std::uint16_t oldest = 0;
    std::uint16_t current = 0;
    std::uint16_t newest = 0;
    bool autoProgramArmed = false;
};

} // namespace varko
