#include "cli/Commands.h"

namespace varko::cli {

std::vector<Command> AllCommands() {
    std::vector<Command> commands;
    for (auto group : {FileCommands})
        for (const Command& command : group())
            commands.push_back(command);
    return commands;
}

} // namespace varko::cli
