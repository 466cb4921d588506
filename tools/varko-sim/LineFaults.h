#pragma once
// What a real serial line does to the unit's answers on their way to the PC: an answer split in
// pieces with gaps between them, cut off half-way, preceded by stray bytes, sent late or twice.
// The unit decides what to answer; these decide how its bytes reach the line.

#include "link/LinkFrame.h"

#include <cstdint>
#include <vector>

namespace varko::sim {

struct LineFaults {
    int pieces = 1;        // each answer leaves in this many pieces
    int pieceGapMs = 0;    // with this pause between two pieces
    int delayMs = 0;       // the first byte of an answer leaves this long after its request
    int truncateEvery = 0; // every n-th answer stops half-way, and nothing follows; 0: never
    int garbageEvery = 0;  // every n-th answer comes after a few stray bytes; 0: never
    int doubleEvery = 0;   // every n-th answer is sent twice in a row; 0: never
};

// Bytes that go out on the line a given time after the request was received.
struct LineChunk {
    int atMs = 0;
    std::vector<std::uint8_t> bytes;
};

// The chunks that carry answer number `answerNumber` (counted from 1) onto the line.
std::vector<LineChunk> shapeAnswer(const LinkFrame& answer, int answerNumber,
                                   const LineFaults& faults);

} // namespace varko::sim
