#include "cli/CliMain.h"
#include "cli/print/PrintCommand.h"
#include "storage/BrokenPipes.h"
#include "storage/FileNames.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    varko::treatBrokenPipesAsWriteErrors();
    // Only print draws the window, and offscreen; every other command runs without a display.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && qstrcmp(argv[1], "print") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Not app->arguments(): a file name that is not UTF-8 would name another file there.
    return varko::cli::runCli(varko::commandLineArguments(argc, argv), varko::cli::printCommands());
}
