#pragma once
// The GUI application with the program's last line of defence: an exception that escapes an
// event handler is shown in a message box and the event loop goes on.

#include <QApplication>

class VarkoApplication final : public QApplication {
    Q_OBJECT
public:
    VarkoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows what the exception that is being handled says (call it from a catch block).
void showCurrentException();
