#pragma once
// Every file the game can ask for, with what each picture shows. Names come from the
// game's own tables where a table holds them (card faces, the card frame rule, the size
// rule of the picture cache, the game's list of sound names) and from the fixed lists of
// the tool for pictures the game code spells out itself.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/card.h"

namespace kestrilon {
struct Game;
}

namespace kestrilon::assets {

enum class PictureKind : uint8_t {
    Splash,             // behind the splash text at start-up
    TitleScreen,        // the title picture and the ones shown over it
    MenuScreen,         // the main menu and the screens between dungeons
    DungeonBackground,  // shown on entering a dungeon
    CardFace,           // 198 x 98, drawn in hand buttons and card panels
    CardFrame,          // 16 x 16 icon of a card line
    HintIcon,           // 16 x 16 icon of a hint line
    Enemy,              // battle sprite, also zoomed in on appearance
    Death,              // the sprite of a fallen enemy
    SpiritBeast,        // summoned beast, kept at its own size
    Event,              // zoomed object of a dungeon event
};

// Card marks that choose a frame picture, in the order the frame rule tests them.
enum class FrameMark : uint8_t { None, UltraRare, Rare, Treasure, Secret, Paid, Calling, Lure };

struct PictureJob {
    std::string name;
    PictureKind kind = PictureKind::Splash;
    int width = 0;
    int height = 0;
    std::string label;  // the card, enemy or dungeon name the picture belongs to
    int element = 0;    // attribute code 0..10 (cards, enemies, beasts)
    int variant = 0;    // card id of a face, FrameMark of a frame, beast kind, boss flag
    bool dungeonCard = false;
    titem card;  // the face's card as the database holds it
};

struct AssetPlan {
    std::vector<PictureJob> pictures;
    std::vector<std::string> waves;
    std::vector<std::string> music;
};

// A row of a table as far as its picture goes.
struct EnemyPicture {
    std::string_view image;
    std::string_view name;
    int element = 0;
    bool special = false;  // boss, EX and extreme faces
};
struct DungeonPicture {
    std::string_view picture;
    std::string_view name;
};

// Side of a sprite as its file stores it: the picture cache doubles most sprites at
// load, so those are drawn at half the size they take on screen.
int SpriteSide(std::string_view name, int onScreen);

// Collects the whole set. The card database is read filled with every feature unlocked,
// so that every card exists, and is refilled for the player's state afterwards.
// Pictures are unique by name, in a fixed order; waves and music are the game's sound list.
AssetPlan PlanAssets(Game& g);
// Adds the pictures of table rows; names already planned are skipped.
void AddEnemyPictures(AssetPlan& plan, std::span<const EnemyPicture> enemies);
void AddDungeonPictures(AssetPlan& plan, std::span<const DungeonPicture> dungeons);

}  // namespace kestrilon::assets
