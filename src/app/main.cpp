#include "app/TFormHlav.h"
#include "app/VarkoApplication.h"

int main(int argc, char* argv[]) {
    VarkoApplication app(argc, argv);
    try {
        TFormHlav window;
        window.FormCreate();
        window.show();
        app.exec();
    } catch (...) {
        // Whatever escaped the start-up (an exception in a handler is shown by notify and the
        // program goes on).
        ShowCurrentException();
    }
    return 0;
}
