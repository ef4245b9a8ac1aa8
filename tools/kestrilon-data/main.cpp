// kestrilon-data: prints the game's tables as TSV, for content authors checking their work.
#include <array>
#include <iostream>
#include <string_view>
#include <vector>

#include "commands.h"

namespace {

using kestrilon::data_tool::Args;

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(Args, std::ostream&, std::ostream&);
};

constexpr std::array kCommands = {
    Command{"cards", "cards [--altar]   every named card after a new game's fill", kestrilon::data_tool::RunCards},
    Command{"save", "save FILE         the values of a save file by name", kestrilon::data_tool::RunSave},
    Command{"enemies", "enemies           every enemy template", kestrilon::data_tool::RunEnemies},
    Command{"encounters", "encounters [--summary]  the boss, EX and extreme encounters of every dungeon",
            kestrilon::data_tool::RunEncounters},
};

int Usage(std::ostream& out) {
    out << "usage: kestrilon-data COMMAND [ARGS]\n";
    for (const Command& command : kCommands) out << "  " << command.usage << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(std::cerr);
    const std::string_view name = argv[1];
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name == name) return command.run(args, std::cout, std::cerr);
    }
    std::cerr << "kestrilon-data: unknown command " << name << '\n';
    return Usage(std::cerr);
}
