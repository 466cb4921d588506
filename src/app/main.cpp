#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/VarkoApplication.h"
#include "storage/FileNames.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    // Answered before the application exists, so that they need no display.
    if (const std::optional<QString> information =
            informationRequest(varko::commandLineArguments(argc, argv))) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }
    VarkoApplication app(argc, argv);
    try {
        // Not app.arguments(): a file name that is not UTF-8 would name another file there.
        const auto window = startProgramWindow(varko::commandLineArguments(argc, argv));
        window->show();
        app.exec();
    } catch (...) {
        // Whatever escaped the start-up (an exception in a handler is shown by notify and the
        // program goes on).
        showCurrentException();
    }
    return 0;
}
