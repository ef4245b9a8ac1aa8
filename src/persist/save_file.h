#pragma once
// The save file "my.dat" below dat2/, its five numbered backups and the record file
// beside the program: one value per line, CP932, CR LF, in a fixed order of lines.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "data/card_reference.h"

namespace kestrilon {

struct Game;
struct PlayerState;

constexpr int kSaveLines = 78043;
constexpr int kCurrentSaveVersion = 10;
constexpr int kBackups = 5;

// dat2/my.dat for 0, dat2/my.dat_bak<n> for a backup number.
std::filesystem::path SavePath(const Game& g, int number);

// Writes the file through a temporary file that replaces the old one only once it is
// complete on disk, then rewrites the record file. A failure keeps the old file and tells
// the player; false then.
bool Save(Game& g, int number);

// At start-up: reads my.dat (a missing one starts and writes a new game), then brings an
// older file up to the current version. A file that cannot be read completely is moved
// aside, never overwritten; the newest complete backup is offered in its place.
void Load(Game& g);

// The whole file as it would be written, and its lines read back into a player record.
// Reading fails (false, the record untouched) on a short file or a non-number where a
// number belongs.
std::string SaveText(const Game& g);
bool ReadSaveText(std::string_view bytes, PlayerState& into);

// Brings a freshly read record from its SaveVersion up to the current version.
void MigrateSave(Game& g);

// The cards the migrations give or repair.
std::span<const CardReference> SaveFileCardReferences();

}  // namespace kestrilon
