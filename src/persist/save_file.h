#pragma once
// The save file "my.dat" below dat2/, its five numbered backups and the record file
// beside the program: one value per line, CP932, CR LF, in a fixed order of lines.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;
struct PlayerState;

constexpr int kSaveLines = 78043;
constexpr int kCurrentSaveVersion = 10;
constexpr int kBackups = 5;

// dat2/my.dat for 0, dat2/my.dat_bak<n> for a backup number.
std::filesystem::path SavePath(const Game& g, int number);

// Writes the file through a temporary file of its own that replaces the old one only once
// it is complete on disk, then rewrites the record file. A failure keeps the old file and
// tells the player; false then, and false when the run may not write this file (Load).
bool Save(Game& g, int number);

// At the window's close: my.dat, and one time in ten backup 4; one notice if any fails.
void SaveOnClose(Game& g);

// At start-up: reads my.dat and brings an older file up to the current version. Without a
// my.dat the newest readable backup is offered, else a new game starts and is written. A
// file that reads but is damaged is moved aside, never overwritten, and a backup offered.
// A file that cannot be read at all (permissions, a broken folder) is left where it is,
// and the run then writes nothing; so does a run whose start-up notice or question was
// closed unanswered.
void Load(Game& g);

// Start-up made the current game itself: it replaces no backup until it has been played.
void HoldBackupsUntilPlayed(Game& g);

// The whole file as it would be written, and its lines read back into a player record.
// Reading fails (false, the record untouched) on a short file or an integer line that does
// not begin with a number. Values outside the range the game produces are clamped and
// characters that are not CP932 become "?"; each mend is described in `mended` if given.
std::string SaveText(const Game& g);
bool ReadSaveText(std::string_view bytes, PlayerState& into, std::vector<std::string>* mended = nullptr);

// Brings a freshly read record from its SaveVersion up to the current version.
void MigrateSave(Game& g);

// The cards the migrations give or repair.
std::span<const CardReference> SaveFileCardReferences();

}  // namespace kestrilon
