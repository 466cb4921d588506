#pragma once
// The rectangle of advance-map cells the user has chosen, and how clicks and the keyboard move
// it: an anchor where the choice began and a cursor at the other corner. While the map's throttle
// rows are hidden only the last row can be chosen.

#include "model/MapTools.h"
#include "model/ParamImage.h"

namespace varko {

struct MapRect {
    int top = 0;
    int left = 0;
    int bottom = 0; // inclusive
    int right = 0;  // inclusive

    int rows() const { return bottom - top + 1; }
    int columns() const { return right - left + 1; }
    int cells() const { return rows() * columns(); }
    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool operator==(const MapRect&) const = default;
};

class MapSelection {
public:
    MapRect rect() const;
    MapCell cursor() const { return cursor_; }

    // The first row that can be chosen: 0, or 9 while the throttle rows are hidden. The
    // selection is moved into the rows left.
    void setFirstRow(int row);
    int firstRow() const { return firstRow_; }

    // One cell, both anchor and cursor.
    void selectCell(MapCell cell);
    // The anchor stays; the cursor goes to the cell.
    void extendTo(MapCell cell);
    // The cursor steps by rows and columns, stopping at the map's edge.
    void extendBy(int rows, int columns);
    // The anchor steps by rows and columns, stopping at the edge, and becomes the only cell.
    MapCell moveBy(int rows, int columns);
    void selectAll();

private:
    MapCell clamped(MapCell cell) const;

    MapCell anchor_{kBreakpoints - 1, 0};
    MapCell cursor_{kBreakpoints - 1, 0};
    int firstRow_ = 0;
};

} // namespace varko
