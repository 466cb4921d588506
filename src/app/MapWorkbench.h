#pragma once
// The map as a workbench in the main window: bulk edits on the selected cells (Tools > Map and
// the map's context menu), copy and paste as spreadsheet text, and the choice of the cells'
// colour scale. Every edit takes the pending edit of the controls with it as one change of the
// document: one undo step, programmed when programming after change is on.

#include "model/CellShades.h"
#include "model/MapBulkEdits.h"

#include <QObject>
#include <array>
#include <functional>

class FormBinder;
class QMainWindow;
class WindowLink;
struct MainWindowUi;
namespace varko {
class Document;
}

class MapWorkbench final : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and the map's cells; the window's link must exist.
    MapWorkbench(QMainWindow& window, MainWindowUi& ui, varko::Document& document, FormBinder& form,
                 WindowLink& link);

    // Asks for the number where the edit takes one (cancelling changes nothing), then edits.
    void askAndEdit(varko::BulkEdit edit);
    void applyEdit(varko::BulkEdit edit, double number);
    void copy();
    // Text that is not numbers is refused with a message, and nothing changes.
    void paste();
    void setScale(varko::CellScale scale);
    void resetTime();

private:
    // The pending edit, normalized, then the edit on it as one undo step.
    void applyToMap(const std::function<void(varko::ParamImage&)>& edit);

    QMainWindow& window_;
    MainWindowUi& ui_;
    varko::Document& document_;
    FormBinder& form_;
    WindowLink& link_;
    // The last number given to each edit; the dialog starts from it.
    std::array<double, varko::kBulkEditCount> lastNumbers_{30, 1, 100, 0, 0, 0, 50};
};
