#pragma once
// The subcommands of kestrilon-data. Each prints one table of the game to `out` and
// returns the process exit code; a new table is one more function and one more row in
// the command list of main.cpp.
#include <ostream>
#include <span>
#include <string_view>

namespace kestrilon::data_tool {

using Args = std::span<const std::string_view>;

// Every named card after a fill with a new game's state, as TSV. "--altar" fills with
// the altar unlocked, so the altar-only cards are listed too.
int RunCards(Args args, std::ostream& out, std::ostream& err);

// Every enemy template as TSV, then any fault of the enemy content on stderr.
int RunEnemies(Args args, std::ostream& out, std::ostream& err);

// Every slot of the 63 special encounters as TSV; "--summary" prints instead the mean level
// and hit points of each dungeon's ordinary, boss, EX and extreme encounters.
int RunEncounters(Args args, std::ostream& out, std::ostream& err);

// The values of a save file by name: the player's numbers, the non-empty entries of the
// per-dungeon tables and flags, the preset names, then one row per card held or seen.
int RunSave(Args args, std::ostream& out, std::ostream& err);

}  // namespace kestrilon::data_tool
