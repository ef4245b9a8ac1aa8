#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "data/card_database.h"
#include "persist/save_file.h"
#include "scripted_platform.h"
#include "state/game.h"

namespace kestrilon::data_tool {
namespace {

void Value(std::ostream& out, std::string_view name, int64_t value) { out << name << '\t' << value << '\n'; }
void Text(std::ostream& out, std::string_view name, const std::string& value) { out << name << '\t' << value << '\n'; }

// Only the entries that hold something: most of every table is 0.
template <class Table>
void Entries(std::ostream& out, std::string_view name, const Table& table) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] != 0) out << name << '[' << i << "]\t" << table[i] << '\n';
}

}  // namespace

int RunSave(Args args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: kestrilon-data save FILE\n";
        return 2;
    }
    const std::filesystem::path file(args[0]);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        err << "kestrilon-data: cannot read " << file.string() << '\n';
        return 1;
    }
    tools::ScriptedPlatform platform(std::filesystem::current_path());
    auto game = std::make_unique<Game>(platform);
    std::vector<std::string> mended;
    if (!ReadSaveText(bytes.str(), game->player, &mended)) {
        err << "kestrilon-data: " << file.string() << " is not a complete save file of " << kSaveLines << " lines\n";
        return 1;
    }
    // What the game would clamp or repair on loading it.
    for (const std::string& line : mended) err << "kestrilon-data: " << file.string() << " " << line << '\n';
    FillCardDatabase(*game);
    const PlayerState& p = game->player;

    out << "value\tcontent\n";
    Text(out, "playerName", p.playerName);
    Text(out, "playerComment", p.playerComment);
    Value(out, "playerNumber", p.playerNumber);
    Value(out, "SaveVersion", p.SaveVersion);
    Value(out, "soundVolume", p.soundVolume);
    Value(out, "level", p.level);
    Value(out, "money", p.money);
    Value(out, "ark", p.ark);
    Value(out, "hunger", p.hunger);
    Value(out, "hp", p.hp);
    Value(out, "baseMaxHp", p.baseMaxHp);
    Value(out, "mp", p.mp);
    Value(out, "baseMaxMp", p.baseMaxMp);
    Value(out, "tp", p.tp);
    Value(out, "baseAttack", p.baseAttack);
    Value(out, "baseDefence", p.baseDefence);
    Value(out, "baseKnowledge", p.baseKnowledge);
    Value(out, "baseSpirit", p.baseSpirit);
    Value(out, "baseAccuracy", p.baseAccuracy);
    Value(out, "baseEvasion", p.baseEvasion);
    Value(out, "distanceWalked", p.distanceWalked);
    Value(out, "deathCount", p.deathCount);
    Value(out, "storyPagesRead", p.storyPagesRead);
    Value(out, "slotRights", p.slotRights);
    Value(out, "spSlotRights", p.spSlotRights);
    Value(out, "bloodMarkNuggets", p.bloodMarkNuggets);
    Value(out, "compatibilityFlag", p.compatibilityFlag);
    Value(out, "cardKindsOwned", static_cast<int64_t>(std::count_if(p.CardCollection.begin(), p.CardCollection.end(),
                                                                     [](int32_t n) { return n >= 1; })));
    Entries(out, "unlockFlags", p.unlockFlags);
    Entries(out, "dungeonClears", p.dungeonClears);
    Entries(out, "highScores", p.highScores);
    Entries(out, "exCounts", p.exCounts);
    Entries(out, "treasureCounts", p.treasureCounts);
    Entries(out, "campPositions", p.campPositions);
    Entries(out, "exchangePositions", p.exchangePositions);
    Entries(out, "bloodMarks", p.bloodMarks);
    Entries(out, "battleOrbs", p.battleOrbs);
    Entries(out, "orbWins", p.orbWins);
    for (size_t i = 0; i < kPresets; ++i) {
        Text(out, "dungeonPresetNames[" + std::to_string(i + 1) + "]", p.dungeonPresetNames[i]);
        Text(out, "battlePresetNames[" + std::to_string(i + 1) + "]", p.battlePresetNames[i]);
    }

    out << "\ncard\tname\towned\tobtainedEver\tinBooks\tlevel\trecentlyObtained\n";
    for (int id = 0; id < kCardIds; ++id) {
        const size_t i = static_cast<size_t>(id);
        if (p.CardCollection[i] == 0 && p.obtainedEver[i] == 0 && p.BookContents[i] == 0 && p.CardLevel[i] == 0 &&
            p.recentlyObtained[i] == 0)
            continue;
        out << id << '\t' << game->cards[id].name << '\t' << p.CardCollection[i] << '\t' << p.obtainedEver[i] << '\t'
            << p.BookContents[i] << '\t' << p.CardLevel[i] << '\t' << p.recentlyObtained[i] << '\n';
    }
    return 0;
}

}  // namespace kestrilon::data_tool
