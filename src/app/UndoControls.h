#pragma once
// Undo and redo in the window: the menu items and toolbar buttons step through the document's
// history, enabled as far as it reaches; the value edits pass their own undo shortcuts on.

#include <QObject>

class QMainWindow;
struct MainWindowUi;
namespace varko {
class Document;
}

class UndoControls final : public QObject {
    Q_OBJECT
public:
    // The control tables must be built.
    UndoControls(QMainWindow& window, MainWindowUi& ui, varko::Document& document);

private:
    void updateControls();

    MainWindowUi& ui_;
    varko::Document& document_;
};
