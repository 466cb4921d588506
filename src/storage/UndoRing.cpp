#include "storage/UndoRing.h"

namespace varko {
namespace {

std::uint16_t nextSlot(std::uint16_t slot) {
    return static_cast<std::uint16_t>((slot + 1) % UndoRing::kSlots);
}

std::uint16_t previousSlot(std::uint16_t slot) {
    return static_cast<std::uint16_t>((slot + UndoRing::kSlots - 1) % UndoRing::kSlots);
}

} // namespace

void UndoRing::init(const ParamImage& image, std::uint8_t page) {
    oldest = current = newest = 0;
    ring[current] = {image, page};
}

bool UndoRing::record(const ParamImage& image, std::uint8_t page) {
    if (image == ring[current].image)
        return false;
    current = nextSlot(current);
    newest = current; // whatever redo could have reached is gone
    if (oldest == current)
        oldest = nextSlot(oldest); // the ring is full: drop the oldest snapshot
    ring[current] = {image, page};
    return true;
}

bool UndoRing::push(const ParamImage& image, std::uint8_t page, bool programAfterChange) {
    const bool changed = record(image, page);
    // Once armed, every push while the box stays ticked programs, changed or not.
    const bool program = programAfterChange && (changed || autoProgramArmed);
    autoProgramArmed = programAfterChange;
    return program;
}

void UndoRing::pushUnitSet(const ParamImage& image, std::uint8_t page) {
    record(image, page);
    autoProgramArmed = false;
}

const UndoSnapshot* UndoRing::undo() {
    if (!canUndo())
        return nullptr;
    current = previousSlot(current);
    return &ring[current];
}

const UndoSnapshot* UndoRing::redo() {
    if (!canRedo())
        return nullptr;
    current = nextSlot(current);
    return &ring[current];
}

} // namespace varko
