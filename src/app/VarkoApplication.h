#pragma once
// The GUI application with the program's last line of defence: an exception that escapes an
// event handler is shown in a message box and the event loop goes on.

#include <QApplication>

class VarkoApplication final : public QApplication {
    Q_OBJECT
public:
    // Sets the program's icon for all its windows.
    VarkoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows what the exception that is being handled says (call it from a catch block).
void showCurrentException();
