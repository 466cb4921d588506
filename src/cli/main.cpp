#include "cli/CliMain.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return varko::cli::Run(app.arguments());
}
