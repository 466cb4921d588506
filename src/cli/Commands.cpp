#include "cli/Commands.h"

namespace varko::cli {

std::vector<Command> allCommands() {
    std::vector<Command> commands;
    for (auto group : {fileCommands, linkCommands})
        for (const Command& command : group())
            commands.push_back(command);
    return commands;
}

} // namespace varko::cli
