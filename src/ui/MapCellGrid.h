#pragma once
// The advance map's 100 cells as one grid: a rectangle of them chosen with the mouse and the
// keyboard, and their backgrounds in layers (a colour scale by value or by the engine's time
// there, the selection's tint, the operating cell's green on top) with a frame drawn around the
// selection. In a cell Ctrl+arrows move to the next cell, Shift+arrows extend the selection, and
// Up and Down keep stepping the value.

#include "link/CellTime.h"
#include "model/CellShades.h"
#include "model/MapSelection.h"
#include "model/ParamImage.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QKeyEvent;
class SelectionFrame;
class QLineEdit;
class QWidget;
struct MainWindowUi;

class MapCellGrid final : public QObject {
    Q_OBJECT
public:
    // The map's edits must be built.
    explicit MapCellGrid(MainWindowUi& ui);

    const varko::MapSelection& selection() const { return selection_; }
    void selectCell(varko::MapCell cell);
    void selectAll();
    // Only the last row can be chosen while the throttle rows are hidden.
    void setThrottleRowsShown(bool shown);

    void setOperatingCell(const std::array<bool, 100>& marked);
    varko::CellScale scale() const { return scale_; }
    void setScale(varko::CellScale scale);
    // The values the value scale colours by, after every change of the image.
    void showValues(const varko::ParamImage& image);
    // The counts the time scale colours by, and the cells' hints give; after every counted frame.
    void showTimes(const varko::CellTime& times);
    // While printing, only the operating cell keeps its colour.
    void setPrinting(bool printing);
    // The cells' hints in the language: how to move, and (with the time scale) the count.
    void setHintTexts(const QString& moving, const QString& timeAtCell);

    QLineEdit* edit(varko::MapCell cell) const { return edits_[10 * cell.row + cell.column]; }

signals:
    void copyAsked();
    void pasteAsked();
    void menuAsked(const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int cell, const QKeyEvent& key);
    void moveTo(varko::MapCell cell);
    // The shown cell nearest a point of the map's group, none when all are hidden.
    std::optional<varko::MapCell> cellNear(const QPoint& inGroup) const;
    void selectionMoved();
    void placeFrame();
    void repaint();
    void updateHint(int cell);
    std::optional<varko::Shade> scaleShade(int cell) const;

    QWidget* group_;
    std::array<QLineEdit*, 100> edits_{};
    std::array<QWidget*, 100> upDowns_{};
    SelectionFrame* frame_;
    varko::MapSelection selection_;
    std::array<bool, 100> operating_{};
    std::array<std::uint8_t, 100> values_{};
    varko::CellTime times_;
    varko::CellScale scale_ = varko::CellScale::None;
    bool printing_ = false;
    QString movingHint_;
    QString timeHint_;
};
