// Any text pasted into the advance map: no crash; a refused text names a place in it and changes
// nothing; a taken one holds whole degrees within 0..60, and pasting it writes only cells of
// the map inside the target, every value either written or counted as dropped, and counts only
// written values as brought into range.
//
// Input: the target's corner and size (4 bytes), then the pasted text as UTF-8.

#include "model/MapClipboardText.h"

#include "FuzzSupport.h"

using namespace varko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    MapRect target;
    target.top = data[0] % 10;
    target.left = data[1] % 10;
    target.bottom = target.top + data[2] % (10 - target.top);
    target.right = target.left + data[3] % (10 - target.left);
    const ParsedPaste parsed = parsePastedText(QString::fromUtf8(fuzzText(data + 4, size - 4)));
    if (!parsed.grid) {
        FUZZ_REQUIRE(parsed.refusal.line >= 1 && parsed.refusal.field >= 1);
        return 0;
    }
    int values = 0;
    for (const std::vector<PastedValue>& row : parsed.grid->rows) {
        for (const PastedValue& value : row)
            FUZZ_REQUIRE(value.degrees >= 0 && value.degrees <= 60);
        values += int(row.size());
    }

    ParamImage image;
    for (std::size_t i = 0; i < image.bytes.size(); ++i)
        image.bytes[i] = std::uint8_t(i * 7);
    const ParamImage before = image;
    const PasteResult result = pasteGrid(image, *parsed.grid, target);
    FUZZ_REQUIRE(result.written + result.dropped == values);
    FUZZ_REQUIRE(result.changed <= result.written);
    FUZZ_REQUIRE(result.broughtIntoRange <= result.written);
    // A single cell takes what fits in the map from there; a larger target only what is inside.
    const bool toMapEdge = target.cells() == 1;
    const MapRect reach = toMapEdge ? MapRect{target.top, target.left, 9, 9} : target;
    for (std::size_t i = 0; i < image.bytes.size(); ++i) {
        const int cell = int(i) - Field::advance;
        const bool inReach = cell >= 0 && cell < 100 && cell / 10 >= reach.top &&
                             cell / 10 <= reach.bottom && cell % 10 >= reach.left &&
                             cell % 10 <= reach.right;
        if (!inReach)
            FUZZ_REQUIRE(image.bytes[i] == before.bytes[i]);
        else
            FUZZ_REQUIRE(image.bytes[i] == before.bytes[i] || image.bytes[i] <= 60);
    }
    return 0;
}
