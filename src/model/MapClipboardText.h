#pragma once
// The advance map's cells as tab-separated text, the way spreadsheets copy and paste a range:
// one line per throttle row, the cells of a row separated by tabs.

#include "model/MapSelection.h"
#include "model/ParamImage.h"

#include <QString>
#include <optional>
#include <vector>

namespace varko {

// The cells of rect, each line ended by a line feed.
QString mapCellsText(const ParamImage& image, const MapRect& rect);

// A pasted number in whole degrees, brought into 0..60 when it lay outside.
struct PastedValue {
    int degrees = 0;
    bool broughtIntoRange = false;
    bool operator==(const PastedValue&) const = default;
};

struct PastedGrid {
    std::vector<std::vector<PastedValue>> rows;
};

struct PasteRefusal {
    int line = 0;  // from 1
    int field = 0; // from 1
};

// The numbers of a pasted text. Lines may end in CR LF, LF or CR; a trailing tab, blanks around a
// number and empty lines at the end are allowed. A decimal comma or point is taken and rounded.
// Anything else that is not a number refuses the whole text, naming where.
struct ParsedPaste {
    std::optional<PastedGrid> grid;
    PasteRefusal refusal;
};
ParsedPaste parsePastedText(const QString& text);

struct PasteResult {
    int written = 0;          // cells the paste covered
    int changed = 0;          // of those, cells whose value changed
    int dropped = 0;          // pasted values that did not fit
    int broughtIntoRange = 0; // written values that lay outside 0..60
};

// Writes the grid with its first value at the target's top-left cell. A single-cell target
// takes as much of the grid as fits in the map from there;
// a larger target takes only what fits inside it. The rest is dropped and counted.
PasteResult pasteGrid(ParamImage& image, const PastedGrid& grid, const MapRect& target);

} // namespace varko
