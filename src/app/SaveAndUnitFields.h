#pragma once
// Two permanent fields of the status bar that tell where the window's set also is: whether it
// differs from the file last opened or saved ("Not saved"), and from what the unit last confirmed
// by a read, a program or a verify ("Not in unit"). Each shows its other state too, so a glance
// tells both.

#include <QObject>

class QLabel;
class QMainWindow;
namespace varko {
class Document;
}

class SaveAndUnitFields final : public QObject {
    Q_OBJECT
public:
    // Adds the fields to the window's status bar; they follow the document.
    SaveAndUnitFields(QMainWindow& window, const varko::Document& document);

private:
    void show();

    const varko::Document& document_;
    QLabel* fileField_;
    QLabel* unitField_;
};
