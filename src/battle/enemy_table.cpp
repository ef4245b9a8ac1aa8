#include "battle/enemy_table.h"

#include <algorithm>
#include <array>

#include "battle/enemy_rows.h"
#include "state/card_codes.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr int kIdsWithTemplateId = 100;

// Record order of the 13 flags; the element is the card element each attribute stands for.
constexpr std::array<AttributeField, 13> kAttributeFields = {{
    {"light", &tenemy::light, CodeOf(Element::Light)},
    {"thunder", &tenemy::thunder, CodeOf(Element::Thunder)},
    {"ice", &tenemy::ice, CodeOf(Element::Ice)},
    {"physicalResistance", &tenemy::physicalResistance, CodeOf(Element::None)},
    {"poisonImmunity", &tenemy::poisonImmunity, CodeOf(Element::None)},
    {"fire", &tenemy::fire, CodeOf(Element::Fire)},
    {"magicResistance", &tenemy::magicResistance, CodeOf(Element::None)},
    {"wind", &tenemy::wind, CodeOf(Element::Wind)},
    {"dark", &tenemy::dark, CodeOf(Element::Dark)},
    {"earth", &tenemy::earth, CodeOf(Element::Earth)},
    {"water", &tenemy::water, CodeOf(Element::Water)},
    {"meleeResistance", &tenemy::meleeResistance, CodeOf(Element::None)},
    {"rangedResistance", &tenemy::rangedResistance, CodeOf(Element::None)},
}};

void WriteRow(const EnemyRow& row, EnemyTemplate& out) {
    out.name.assign(row.name);
    out.image.assign(row.image);
    out.level = row.level;
    out.hp = row.hp;
    out.attack = row.stats.attack;
    out.defence = row.stats.defence;
    out.intelligence = row.stats.intelligence;
    out.spirit = row.stats.spirit;
    out.accuracy = row.stats.accuracy;
    out.evasion = row.stats.evasion;
    out.drops = {row.drops[0], row.drops[1], 0, 0};
    for (size_t bit = 0; bit < kAttributeFields.size(); ++bit) {
        out.*kAttributeFields[bit].member = static_cast<int32_t>((row.attributes >> bit) & 1u);
    }
    out.magicWeakness = (row.attributes & kAttrMagicWeak) != 0 ? 1 : 0;
    out.homeDungeons = row.dungeons;
    out.actions = row.actions;
    for (const PresetStatus& preset : row.presets) {
        if (preset.status != nullptr) out.status.*preset.status = preset.value;
    }
}

const EnemyRow* FindRow(int id) {
    for (auto rows : {EnemyRowsFirst(), EnemyRowsSecond()}) {
        for (const EnemyRow& row : rows) {
            if (row.id == id) return &row;
        }
    }
    return nullptr;
}

int RowElement(uint32_t attributes) {
    for (size_t bit = 0; bit < kAttributeFields.size(); ++bit) {
        if (((attributes >> bit) & 1u) != 0 && kAttributeFields[bit].element != 0) return kAttributeFields[bit].element;
    }
    return 0;
}

}  // namespace

void FillEnemyTable(Game& g) {
    EnemyTable& table = g.enemies;
    for (EnemyTemplate& enemy : table.templates) enemy = table.blank;
    for (auto rows : {EnemyRowsFirst(), EnemyRowsSecond()}) {
        for (const EnemyRow& row : rows) WriteRow(row, table[row.id]);
    }
    for (int id = 0; id < kIdsWithTemplateId; ++id) table[id].templateId = id;
}

void ClearEnemySlots(Game& g) {
    for (int row = kFirstEnemyRow; row <= kLastEnemyRow; ++row) g.combatants[row] = g.enemies.blank;
}

bool LivesIn(const EnemyTemplate& enemy, int dungeon) {
    if (dungeon == 0) return false;
    return std::find(enemy.homeDungeons.begin(), enemy.homeDungeons.end(), dungeon) != enemy.homeDungeons.end();
}

std::span<const AttributeField> EnemyAttributeFields() { return kAttributeFields; }

int EnemyElement(const EnemyTemplate& enemy) {
    for (const AttributeField& field : kAttributeFields) {
        if (enemy.*field.member > 0 && field.element != 0) return field.element;
    }
    return 0;
}

std::vector<EnemyPictureRow> EnemyPictures() {
    std::vector<EnemyPictureRow> pictures;
    auto add = [&pictures](std::string_view image, std::string_view name, int element, bool special) {
        for (const EnemyPictureRow& known : pictures) {
            if (known.image == image) return;
        }
        pictures.push_back({image, name, element, special});
    };
    for (auto rows : {EnemyRowsFirst(), EnemyRowsSecond()}) {
        for (const EnemyRow& row : rows) add(row.image, row.name, RowElement(row.attributes), false);
    }
    for (auto encounters : {BossEncounters(), ExEncounters(), ExtremeEncounters()}) {
        for (const SpecialEncounter& encounter : encounters) {
            const EnemyRow* base = FindRow(encounter.base);
            if (base == nullptr || encounter.image.empty()) continue;
            add(encounter.image, encounter.name.empty() ? base->name : encounter.name, RowElement(base->attributes),
                true);
        }
    }
    return pictures;
}

}  // namespace kestrilon
