#pragma once
// The enemy table: filled once at start-up from the rows of the enemies_*.cpp files, read by
// every encounter, which copies templates into the enemy slots of the combatant table.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "state/combatant.h"

namespace kestrilon {

struct Game;

constexpr int kEnemyDungeons = 21;  // dungeons 1 .. 21 have enemies and special encounters

// Writes ids 1 .. 47 from their rows (every other template stays blank), then sets the
// template id of ids 0 .. 99.
void FillEnemyTable(Game& g);

// Copies the blank record into all 19 enemy slots.
void ClearEnemySlots(Game& g);

// True when one of the template's home dungeons is `dungeon`; an empty entry (0) never
// matches, so no template lives "outside" a dungeon.
bool LivesIn(const EnemyTemplate& enemy, int dungeon);

// One attribute flag of the record, in record order, with the card element it stands for
// (0 for the resistances and the poison immunity).
struct AttributeField {
    std::string_view name;
    int32_t tenemy::*member;
    int32_t element;
};
std::span<const AttributeField> EnemyAttributeFields();

// The card element of the enemy's first elemental attribute; 0 when it has none.
int EnemyElement(const EnemyTemplate& enemy);

// Every picture the enemy table and the special encounters name, once each, with the
// name and element of the first enemy that shows it; `special` marks the faces of the
// boss, EX and extreme leaders. The asset generator draws exactly these.
struct EnemyPictureRow {
    std::string_view image;
    std::string_view name;
    int element = 0;
    bool special = false;
};
std::vector<EnemyPictureRow> EnemyPictures();

}  // namespace kestrilon
