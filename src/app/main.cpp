#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/SecondStart.h"
#include "app/StopSignals.h"
#include "app/VarkoApplication.h"
#include "app/WindowInstance.h"
#include "storage/ConfigPaths.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    // Answered before the application exists, so that they need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> information = informationRequest(arguments)) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }
    VarkoApplication app(argc, argv);
    WindowInstance instance(varko::windowInstancePath());
    if (const std::optional<int> exitCode = handToRunningWindow(instance, app.arguments()))
        return *exitCode;
    // Caught from here on; the window acts on them once it has started.
    StopSignals stopSignals;
    try {
        const auto window = startProgramWindow(app.arguments(), {&instance, &stopSignals});
        // A signal that came while a box of the start-up was open has closed the window.
        if (!stopSignals.stopped()) {
            window->show();
            app.exec();
        }
    } catch (...) {
        // Whatever escaped the start-up (an exception in a handler is shown by notify and the
        // program goes on).
        showCurrentException();
    }
    return 0;
}
