#include "LineFaults.h"

#include <algorithm>

namespace varko::sim {
namespace {

bool hits(int every, int number) {
    return every > 0 && number % every == 0;
}

// Stray bytes as a line picks up, for instance while the unit's line driver powers up.
constexpr std::uint8_t kStrayBytes[] = {0x00, 0xFF, 0x55};

} // namespace

std::vector<LineChunk> shapeAnswer(const LinkFrame& answer, int answerNumber,
                                   const LineFaults& faults) {
    std::vector<std::uint8_t> bytes;
    if (hits(faults.garbageEvery, answerNumber))
        bytes.assign(std::begin(kStrayBytes), std::end(kStrayBytes));
    const int copies = hits(faults.doubleEvery, answerNumber) ? 2 : 1;
    for (int copy = 0; copy < copies; ++copy)
        bytes.insert(bytes.end(), answer.bytes.begin(), answer.bytes.end());
    if (hits(faults.truncateEvery, answerNumber))
        bytes.resize(kFrameSize / 2);

    const int pieces = std::clamp(faults.pieces, 1, int(bytes.size()));
    const std::size_t pieceSize = (bytes.size() + pieces - 1) / pieces;
    std::vector<LineChunk> chunks;
    int atMs = faults.delayMs;
    for (std::size_t start = 0; start < bytes.size(); start += pieceSize) {
        const std::size_t end = std::min(bytes.size(), start + pieceSize);
        chunks.push_back({atMs, {bytes.begin() + long(start), bytes.begin() + long(end)}});
        atMs += faults.pieceGapMs;
    }
    return chunks;
}

} // namespace varko::sim
