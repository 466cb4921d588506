#include "cli/CliMain.h"

#include <QTextStream>

namespace varko::cli {
int Run(const QStringList& arguments) {
    QTextStream err(stderr);
    err << "usage: " << arguments.value(0) << " --help\n";
    return 1;
}
} // namespace varko::cli
