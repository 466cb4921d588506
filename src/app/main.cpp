#include "app/MainWindow.h"
#include "app/VarkoApplication.h"

int main(int argc, char* argv[]) {
    VarkoApplication app(argc, argv);
    try {
        MainWindow window;
        window.startUp();
        window.show();
        app.exec();
    } catch (...) {
        // Whatever escaped the start-up (an exception in a handler is shown by notify and the
        // program goes on).
        showCurrentException();
    }
    return 0;
}
