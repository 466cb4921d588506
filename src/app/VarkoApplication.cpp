#include "app/VarkoApplication.h"

#include "ui/Logo.h"
#include "ui/MessageBoxes.h"

#include <exception>

void showCurrentException() {
    QString text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Unknown error.");
    }
    MessageBoxes::current().warn(QApplication::activeWindow(), text);
}

VarkoApplication::VarkoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(logoIcon());
}

bool VarkoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return false;
    }
}
