#include "cli/CliMain.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return varko::cli::runCli(app.arguments());
}
