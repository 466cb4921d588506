#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/VarkoApplication.h"
#include "storage/BrokenPipes.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    varko::treatBrokenPipesAsWriteErrors();
    // Answered before the application exists, so that they need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> information = informationRequest(arguments)) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }
    VarkoApplication app(argc, argv);
    try {
        const auto window = startProgramWindow(app.arguments());
        window->show();
        app.exec();
    } catch (...) {
        // Whatever escaped the start-up (an exception in a handler is shown by notify and the
        // program goes on).
        showCurrentException();
    }
    return 0;
}
