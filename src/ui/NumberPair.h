#pragma once
// A number edit with its attached up-down buttons. The edit keeps whatever the user types; the
// typed text becomes the value only when the pair is read, and is replaced when it is written.

#include "model/FormMapping.h"

#include <QObject>

class QLineEdit;
class QWidget;

class NumberPair : public QObject {
    Q_OBJECT
public:
    // Creates the edit at the given place in parent and the up-down right beside it, both named
    // as the pair's table row says.
    NumberPair(const varko::PairSpec& spec, QWidget* parent, int x, int y, int editWidth);

    QLineEdit* edit() const { return editor; }
    QWidget* upDown() const { return arrows; }
    int value() const { return current; }

    // The typed text when it is a number within range, else the value held before.
    int readPair();
    // The value clamped to the range, and its text, rewritten even when the value is unchanged.
    void writePair(int value);
    // One step up (+1) or down (-1), clamped, then stepped() is emitted.
    void stepBy(int direction);

    // A value as the pair's edit shows it: large speeds and voltages with the thousands
    // separator of the locale.
    static QString textOf(const varko::PairSpec& spec, int value);

signals:
    void stepped();
    // The edit lost the focus to another control of the same window.
    void left();
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const varko::PairSpec& spec;
    QLineEdit* editor;
    QWidget* arrows;
    int current;
};
