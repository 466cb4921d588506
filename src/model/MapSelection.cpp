#include "model/MapSelection.h"

#include <algorithm>

namespace varko {

MapRect MapSelection::rect() const {
    return {std::min(anchor_.row, cursor_.row), std::min(anchor_.column, cursor_.column),
            std::max(anchor_.row, cursor_.row), std::max(anchor_.column, cursor_.column)};
}

MapCell MapSelection::clamped(MapCell cell) const {
    return {std::clamp(cell.row, firstRow_, kBreakpoints - 1),
            std::clamp(cell.column, 0, kBreakpoints - 1)};
}

void MapSelection::setFirstRow(int row) {
    firstRow_ = std::clamp(row, 0, kBreakpoints - 1);
    anchor_ = clamped(anchor_);
    cursor_ = clamped(cursor_);
}

void MapSelection::selectCell(MapCell cell) {
    anchor_ = cursor_ = clamped(cell);
}

void MapSelection::extendTo(MapCell cell) {
    cursor_ = clamped(cell);
}

void MapSelection::extendBy(int rows, int columns) {
    extendTo({cursor_.row + rows, cursor_.column + columns});
}

MapCell MapSelection::moveBy(int rows, int columns) {
    selectCell({anchor_.row + rows, anchor_.column + columns});
    return anchor_;
}

void MapSelection::selectAll() {
    anchor_ = {firstRow_, 0};
    cursor_ = {kBreakpoints - 1, kBreakpoints - 1};
}

} // namespace varko
