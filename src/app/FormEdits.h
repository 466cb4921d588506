#pragma once
// The edits made in the form itself: a value typed or stepped, a box ticked, a list or a radio
// choice. Each goes to the document as one change, with the pending edit of every control.

#include <QObject>
#include <functional>

class FormBinder;
class QMainWindow;
struct MainWindowUi;
namespace varko {
class Document;
}

class FormEdits final : public QObject {
    Q_OBJECT
public:
    // Connects the controls; the control tables must be built.
    // moveFocusOn moves the focus to the next control, as Tab would.
    FormEdits(QMainWindow& window, MainWindowUi& ui, FormBinder& form, varko::Document& document,
              std::function<void()> moveFocusOn);

    // An arrow click, or the focus leaving an edit or the ignitions list.
    void commitEditedValue();
    // Enter in an edit: the value is taken and the focus moves on.
    void commitAndMoveOn();
    void checkBoxReleased();
    // The read-out lock is taken as it is: no normalization, no undo step, nothing programmed.
    void noReadingToggled();
    void inputChosen(int field, int position);
    void modelChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindowUi& ui_;
    FormBinder& form_;
    varko::Document& document_;
    std::function<void()> moveFocusOn_;
};
