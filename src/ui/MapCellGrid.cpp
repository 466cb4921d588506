#include "ui/MapCellGrid.h"

#include "model/FormMapping.h"
#include "ui/MainWindowUi.h"
#include "ui/NumberPair.h"
#include "ui/PaletteColour.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

using namespace varko;

// The outline around the chosen cells, drawn over the map and blind to the mouse.
class SelectionFrame final : public QWidget {
public:
    explicit SelectionFrame(QWidget* group) : QWidget(group) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(group->rect());
    }
    void setFrame(const QRect& frame) {
        if (frame == frame_)
            return;
        frame_ = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (frame_.isNull())
            return;
        QPainter painter(this);
        const Shade line = kSelectionShade;
        painter.setPen(QPen(QColor(line.red, line.green, line.blue), 2));
        painter.drawRect(frame_.adjusted(-3, -3, 2, 2));
    }

private:
    QRect frame_;
};

namespace {

QColor colourOf(const Shade& shade) {
    return QColor(shade.red, shade.green, shade.blue);
}

int arrowRows(int key) {
    return key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
}

int arrowColumns(int key) {
    return key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
}

} // namespace

MapCellGrid::MapCellGrid(MainWindowUi& ui) : QObject(ui.mapGroup), group_(ui.mapGroup) {
    for (int k = 0; k < 100; ++k) {
        edits_[k] = ui.pairs[Pair::advance + k]->edit();
        upDowns_[k] = ui.pairs[Pair::advance + k]->upDown();
        edits_[k]->installEventFilter(this);
    }
    group_->installEventFilter(this);
    frame_ = new SelectionFrame(group_);
    frame_->raise();
    selectionMoved();
}

void MapCellGrid::selectCell(MapCell cell) {
    selection_.selectCell(cell);
    selectionMoved();
}

void MapCellGrid::selectAll() {
    selection_.selectAll();
    selectionMoved();
}

void MapCellGrid::setThrottleRowsShown(bool shown) {
    const int firstRow = shown ? 0 : kBreakpoints - 1;
    if (firstRow != selection_.firstRow()) {
        selection_.setFirstRow(firstRow);
        selectionMoved();
    }
    // The rules move the last row up under the speeds when it is the only one.
    placeFrame();
}

void MapCellGrid::setOperatingCell(const std::array<bool, 100>& marked) {
    operating_ = marked;
    repaint();
}

void MapCellGrid::setScale(CellScale scale) {
    scale_ = scale;
    repaint();
    for (int k = 0; k < 100; ++k)
        updateHint(k);
}

void MapCellGrid::showValues(const ParamImage& image) {
    for (int k = 0; k < 100; ++k)
        values_[k] = image[Field::advance + k];
    if (scale_ == CellScale::Value)
        repaint();
}

void MapCellGrid::showTimes(const CellTime& times) {
    const CellTime before = times_;
    times_ = times;
    if (scale_ != CellScale::Time)
        return;
    repaint();
    // A frame changes one cell's count; only a reset changes more.
    for (int k = 0; k < 100; ++k)
        if (times_.frames(k / 10, k % 10) != before.frames(k / 10, k % 10))
            updateHint(k);
}

void MapCellGrid::setPrinting(bool printing) {
    printing_ = printing;
    frame_->setVisible(!printing);
    repaint();
}

void MapCellGrid::setHintTexts(const QString& moving, const QString& timeAtCell) {
    movingHint_ = moving;
    timeHint_ = timeAtCell;
    for (int k = 0; k < 100; ++k)
        updateHint(k);
}

void MapCellGrid::updateHint(int cell) {
    QString hint = movingHint_;
    if (scale_ == CellScale::Time) {
        const std::uint32_t frames = times_.frames(cell / 10, cell % 10);
        hint += QLatin1Char('\n') +
                QString(timeHint_).arg(frames).arg(CellTime::secondsOf(frames), 0, 'f', 1);
    }
    QLineEdit* edit = edits_[cell];
    if (edit->toolTip() != hint)
        edit->setToolTip(hint);
    if (edit->statusTip() != movingHint_)
        edit->setStatusTip(movingHint_);
}

std::optional<Shade> MapCellGrid::scaleShade(int cell) const {
    switch (scale_) {
    case CellScale::None:
        break;
    case CellScale::Value: {
        // From the lowest to the highest cell that can be seen, so the map's own shape shows.
        const int first = 10 * selection_.firstRow();
        const auto [lowest, highest] = std::minmax_element(values_.begin() + first, values_.end());
        return varko::scaleShade(scaleFraction(values_[cell], *lowest, *highest));
    }
    case CellScale::Time: {
        const std::uint32_t frames = times_.frames(cell / 10, cell % 10);
        if (frames == 0)
            break;
        return varko::scaleShade(scaleFraction(frames, 0, times_.mostFrames()));
    }
    }
    return std::nullopt;
}

void MapCellGrid::repaint() {
    const MapRect rect = selection_.rect();
    // A single chosen cell is shown by its frame alone, as a spreadsheet shows its current cell.
    const bool tinted = !printing_ && rect.cells() > 1;
    const QColor plain = QApplication::palette().color(QPalette::Base);
    for (int k = 0; k < 100; ++k) {
        const bool selected = tinted && rect.contains(k / 10, k % 10);
        const std::optional<Shade> below = printing_ ? std::nullopt : scaleShade(k);
        const std::optional<Shade> shade = cellShade(operating_[k], selected, below);
        setPaletteColour(edits_[k], QPalette::Base, shade ? colourOf(*shade) : plain);
    }
}

void MapCellGrid::placeFrame() {
    // Around the cells with their arrows, so the frame never crosses a control.
    const MapRect rect = selection_.rect();
    const QRect corner = edit({rect.top, rect.left})->geometry();
    frame_->setFrame(corner.united(upDowns_[10 * rect.bottom + rect.right]->geometry()));
}

void MapCellGrid::selectionMoved() {
    placeFrame();
    repaint();
}

void MapCellGrid::moveTo(MapCell cell) {
    QLineEdit* target = edit(cell);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
    selectCell(cell);
}

std::optional<MapCell> MapCellGrid::cellNear(const QPoint& inGroup) const {
    std::optional<MapCell> nearest;
    int nearestDistance = 0;
    for (int k = 10 * selection_.firstRow(); k < 100; ++k) {
        if (edits_[k]->isHidden())
            continue;
        const int distance = (edits_[k]->geometry().center() - inGroup).manhattanLength();
        if (!nearest || distance < nearestDistance) {
            nearest = MapCell{k / 10, k % 10};
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool MapCellGrid::keyPressed(int cell, const QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy)) {
        emit copyAsked();
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        emit pasteAsked();
        return true;
    }
    if (key.matches(QKeySequence::SelectAll)) {
        selectAll();
        return false; // the edit selects its own text as well
    }
    const int rows = arrowRows(key.key());
    const int columns = arrowColumns(key.key());
    if (rows == 0 && columns == 0)
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        // From the cell being edited, even when the selection began elsewhere.
        selection_.selectCell({cell / 10, cell % 10});
        const MapCell target = selection_.moveBy(rows, columns);
        moveTo(target);
        return true;
    }
    if (modifiers == Qt::ShiftModifier) {
        selection_.extendBy(rows, columns);
        selectionMoved();
        return true;
    }
    return false;
}

bool MapCellGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        emit menuAsked(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    const auto found = std::find(edits_.begin(), edits_.end(), watched);
    if (found == edits_.end())
        return false;
    const int cell = int(found - edits_.begin());
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(cell, *static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (mouse->modifiers() & Qt::ShiftModifier)
            selection_.extendTo({cell / 10, cell % 10});
        else
            selection_.selectCell({cell / 10, cell % 10});
        selectionMoved();
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            break;
        const QPoint inGroup = edits_[cell]->mapTo(group_, mouse->position().toPoint());
        const std::optional<MapCell> under = cellNear(inGroup);
        // Within the pressed cell the drag selects its text; beyond it, cells.
        if (under && !edits_[cell]->geometry().contains(inGroup) &&
            !(*under == selection_.cursor())) {
            selection_.extendTo(*under);
            selectionMoved();
        }
        break;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            selectCell({cell / 10, cell % 10});
        break;
    }
    default:
        break;
    }
    return false;
}
