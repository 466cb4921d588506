#include "app/CommandLine.h"
#include "app/ProgramWindow.h"
#include "app/SecondStart.h"
#include "app/StopSignals.h"
#include "app/VarkoApplication.h"
#include "app/WindowInstance.h"
#include "storage/BrokenPipes.h"
#include "storage/ConfigPaths.h"
#include "storage/FileNames.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    varko::treatBrokenPipesAsWriteErrors();
    // Answered before the application exists, so that they need no display.
    if (const std::optional<QString> information =
            informationRequest(varko::commandLineArguments(argc, argv))) {
        // Into a full disk or a closed pipe: say so, as varko-cli does, instead of a silent 0.
        if (std::fputs(information->toLocal8Bit().constData(), stdout) < 0 ||
            std::fflush(stdout) != 0) {
            std::fprintf(stderr, "varko: write error: %s\n", std::strerror(errno));
            return 1;
        }
        return 0;
    }
    VarkoApplication app(argc, argv);
    // Not app.arguments(): a file name that is not UTF-8 would name another file there.
    const QStringList arguments = varko::commandLineArguments(argc, argv);
    WindowInstance instance(varko::windowInstancePath());
    if (const std::optional<int> exitCode = handToRunningWindow(instance, arguments))
        return *exitCode;
    // Caught from here on; the window acts on them once it has started.
    StopSignals stopSignals;
    try {
        const auto window = startProgramWindow(arguments, {&instance, &stopSignals});
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
