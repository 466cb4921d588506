#include "cli/Commands.h"

namespace varko::cli {

std::vector<Command> AllCommands() {
    std::vector<Command> commands;
    for (auto group : {FileCommands, LinkCommands})
        for (const Command& command : group())
            commands.push_back(command);
    return commands;
}

} // namespace varko::cli
