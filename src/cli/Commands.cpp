#include "cli/Commands.h"

namespace varko::cli {

void printWriteError(QTextStream& err, const QString& reason) {
    err << "varko-cli: write error: " << reason << "\n";
}

std::vector<Command> allCommands() {
    std::vector<Command> commands;
    for (auto group : {fileCommands, linkCommands})
        for (const Command& command : group())
            commands.push_back(command);
    return commands;
}

} // namespace varko::cli
