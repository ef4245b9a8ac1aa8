#pragma once
// The record shared by enemy templates and the live combatants of a battle, the table of
// enemy templates, and the table of the player's row and the 19 enemy slots.
#include <array>
#include <cstdint>
#include <string>

#include "base/expects.h"

namespace kestrilon {

// One status: turns or charges left (> 0 = active) and, where it has one, its strength.
struct Status {
    int32_t counter = 0;
    int32_t strength = 0;

    bool Active() const { return counter >= 1; }
};

// Buffs first, then ailments, each in the order the status texts list them.
struct StatusBlock {
    Status foot;           // <足: heal per turn
    Status autoHeal;       // <癒
    Status autoMagic;      // <魔: MP per turn
    Status autoTechnical;  // <精: TP per turn
    Status decoy;          // <分身: melee miss charges
    Status veil;           // <ﾍﾞｰﾙ: ranged miss charges
    Status charge;         // <ためる
    Status chant;          // <詠唱
    Status shield;         // <盾
    Status magicGuard;     // <魔防
    Status reflect;        // <反射
    Status barrier;        // <ﾊﾞﾘｱ
    Status drain;          // <吸
    Status maxHpUp;        // MaxHP+
    Status attackUp;       // <攻↑
    Status defenceUp;      // <防↑
    Status knowledgeUp;    // <知↑
    Status spiritUp;       // <精↑
    Status evasionUp;      // <避↑
    Status accuracyUp;     // <命↑
    Status fireArmour;     // <火鎧: counter damage
    Status thunderArmour;  // <雷鎧: counter damage
    Status earthArmour;    // <土鎧: damage cut
    Status waterArmour;    // <水鎧: heal
    Status invincible;     // <無敵
    Status fireUp;         // <火↑>
    Status thunderUp;      // <雷↑>
    Status guard;          // <守>: strength is the protector row
    Status speedUp;        // <速↑
    Status promise;        // <約>

    Status dazzle;        // <眩
    Status aging;         // <老: the counter is the aging level
    Status poison;        // <毒
    Status sickness;      // <病気
    Status melt;          // <溶解
    Status airPressure;   // <空圧
    Status cut;           // <切傷
    Status bruise;        // <打撲
    Status gunWound;      // <銃傷
    Status stun;          // <気絶
    Status chain;         // <鎖
    Status shock;         // <感電
    Status apathy;        // <無気力
    Status attackDown;    // <攻↓
    Status defenceDown;   // <防↓
    Status spiritDown;    // <精↓
    Status accuracyDown;  // <命↓
    Status evasionDown;   // <避↓
    Status speedDown;     // <速↓
    Status frostbite;     // <凍傷: accuracy and evasion down
    Status cold;          // <風邪: attack and knowledge down
    Status darkness;      // <暗黒: spirit halved
    Status burn;          // <火傷>
    Status transparency;  // <透過: defence halved
    Status bomb;          // <爆↓: countdown to self-destruction
};

constexpr int kSummonSlots = 10;

// A spirit beast; the slot index is its kind.
struct tseirei {
    int32_t flash = 0;  // 10 when hit, counted down by the renderer
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t x = 0;
    int32_t y = 0;
    std::string name;
    std::string image;

    bool Present() const { return hp > 0 && !name.empty(); }
};

enum BattleKind : int32_t { kOrdinaryEnemy = 0, kBossEnemy = 1, kExEnemy = 2, kExtremeEnemy = 3 };

// An enemy template, and the same record as a live combatant. Field order is the
// template order; copying a template copies every field including its statuses.
struct tenemy {
    std::string image;
    std::string name;
    StatusBlock status;
    int32_t kind = kOrdinaryEnemy;
    int32_t pictureHeight = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t targetX = 0;
    int32_t targetY = 0;
    int32_t shake = 0;
    int32_t alive = 0;
    int32_t noRandom = 0;
    int32_t level = 0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t mp = 0;
    int32_t maxMp = 0;
    int32_t tp = 0;
    int32_t attack = 0;
    int32_t defence = 0;
    int32_t intelligence = 0;
    int32_t spirit = 0;
    int32_t accuracy = 0;
    int32_t evasion = 0;
    int32_t gauge = 0;
    std::array<int32_t, 4> drops{};
    int32_t light = 0;
    int32_t thunder = 0;
    int32_t ice = 0;
    int32_t physicalResistance = 0;
    int32_t poisonImmunity = 0;
    int32_t fire = 0;
    int32_t magicResistance = 0;
    int32_t wind = 0;
    int32_t dark = 0;
    int32_t earth = 0;
    int32_t water = 0;
    int32_t meleeResistance = 0;
    int32_t rangedResistance = 0;
    std::array<int32_t, 4> homeDungeons{};
    std::array<int32_t, 5> actions{};  // 0..3 ordinary moves, 4 the special move
    int32_t magicWeakness = 0;
    int32_t templateId = 0;
    std::array<tseirei, kSummonSlots> summons;

    // A template exists, and a slot is occupied, when its name is set.
    bool Exists() const { return !name.empty(); }
};

using EnemyTemplate = tenemy;
using Combatant = tenemy;

constexpr int kCombatantRows = 20;  // row 0 the player, 1 .. 19 enemy slots
constexpr int kPlayerRow = 0;
constexpr int kFirstEnemyRow = 1;
constexpr int kLastEnemyRow = 19;
constexpr int kEnemyTemplates = 1000;  // template ids 0 .. 999

// Every enemy the game knows, filled once at start-up and never changed afterwards.
struct EnemyTable {
    EnemyTemplate blank;  // all zero, copied over an enemy slot to clear it
    std::array<EnemyTemplate, kEnemyTemplates> templates;

    EnemyTemplate& operator[](int id) {
        EXPECTS(ValidId(id));
        return templates[static_cast<size_t>(id)];
    }
    const EnemyTemplate& operator[](int id) const {
        EXPECTS(ValidId(id));
        return templates[static_cast<size_t>(id)];
    }
    static bool ValidId(int id) { return id >= 0 && id < kEnemyTemplates; }
};

struct CombatantTable {
    tenemy blank;  // all zero, copied over a row to clear it
    std::array<tenemy, kCombatantRows> rows;

    tenemy& operator[](int row) {
        EXPECTS(row >= 0 && row < kCombatantRows);
        return rows[static_cast<size_t>(row)];
    }
    const tenemy& operator[](int row) const {
        EXPECTS(row >= 0 && row < kCombatantRows);
        return rows[static_cast<size_t>(row)];
    }
};

}  // namespace kestrilon
