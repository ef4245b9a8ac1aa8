#include <string>
#include <string_view>
#include <vector>

#include "battle/encounters.h"
#include "enemy_fixture.h"
#include "render/colour.h"

namespace kestrilon {
namespace {

class EncounterTest : public testing::EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        for (const char* name : {"dat/boss.wav", "dat/dragon.wav", "dat/聖戦-4.mp3", "dat/未知-34.mp3"}) {
            os.WriteFile(name, "RIFF");
        }
    }
    void Enter(int dungeon) { g.dungeon.number = g.dungeon.entered = dungeon; }
    const LogEntry& NewestLine() const { return g.log.entries[0]; }
};

struct Party {
    std::string_view name;  // the base template's name where the encounter keeps it
    int templateId, count, level, hp;
};

struct TellingEncounter {
    SpecialBattle kind;
    int dungeon;
    int base;
    std::string_view name, image;
    int level, hp;
    std::vector<Party> escorts;  // level and hp -1: the template's own
};

const std::vector<TellingEncounter> kTellingEncounters = {
    {SpecialBattle::Boss, 1, 2, "自我", "unit1.bmp", 2, 4, {{"訓練生", 1, 2, 1, 2}}},
    {SpecialBattle::Ex, 1, 1, "ﾁｮｺﾁｮｺ", "choco.bmp", 3, 10, {{"訓練二年生", 2, 2, 2, 3}}},
    {SpecialBattle::Extreme, 1, 1, "訓練生", "choco.bmp", 7, 50, {{"フライリーフ", 3, 5, 7, 15}}},
    {SpecialBattle::Boss, 5, 9, "ガンマン", "unit4.bmp", 6, 18, {{"精霊の子", 10, 2, 4, 5}}},
    {SpecialBattle::Ex, 5, 7, "幻影リリア", "riria.bmp", 7, 50, {{"ガンマン", 9, 2, 6, 15}}},
    {SpecialBattle::Extreme, 5, 7, "リリア", "riria.bmp", 11, 90, {}},
    {SpecialBattle::Boss, 12, 27, "忘却の召喚士", "unit18.bmp", 11, 80, {{"ワーウルフ", 26, 4, 9, 30}}},
    {SpecialBattle::Ex, 12, 25, "忘却の旅人", "unit18.bmp", 11, 130, {{"ワーウルフ", 26, 4, 11, 60}}},
    {SpecialBattle::Extreme, 12, 27, "忘却の霊人", "unit18.bmp", 16, 150, {}},
    {SpecialBattle::Boss, 16, 36, "黄昏た戦士", "unit51.bmp", 15, 200,
     {{"光の術者", 35, 1, -1, -1}, {"DRAGOON!!", 31, 1, -1, -1}}},
    {SpecialBattle::Ex, 16, 36, "黄昏た大戦士", "unit51.bmp", 15, 250, {}},
    {SpecialBattle::Extreme, 16, 36, "黄昏た超戦士", "unit51.bmp", 19, 300, {{"ダークネス魔", 37, 1, 15, 100}}},
    {SpecialBattle::Boss, 20, 44, "手を振る人", "unit_tel.bmp", 18, 350,
     {{"ロボット", 45, 1, 17, 300}, {"大召喚士", 38, 1, 16, 250}, {"ガンマン", 41, 1, 15, 200},
      {"大呪術士", 40, 1, -1, -1}}},
    {SpecialBattle::Ex, 20, 44, "ミスターグッバイ", "unit_tel.bmp", 18, 400, {}},
    {SpecialBattle::Extreme, 20, 44, "テレパス", "unit_tel.bmp", 18, 450, {}},
    {SpecialBattle::Boss, 21, 47, "アイスマン", "unit110.bmp", 8, 35, {{"スノウリーフ", 46, 3, 6, 20}}},
    {SpecialBattle::Ex, 21, 47, "アイストロール", "unit110.bmp", 9, 80, {{"スノウリーフ", 46, 3, 8, 60}}},
    {SpecialBattle::Extreme, 21, 47, "アイスマン", "unit110.bmp", 13, 100, {}},
};

TEST_F(EncounterTest, WrittenEncountersHoldTheirLeadersAndEscortsAsListed) {
    for (const TellingEncounter& t : kTellingEncounters) {
        SCOPED_TRACE(std::string(SpecialBattleName(t.kind)) + " " + std::to_string(t.dungeon));
        ASSERT_TRUE(FillSpecialEncounter(g, t.kind, t.dungeon));
        const Combatant& leader = Slot(1);
        EXPECT_EQ(leader.templateId, t.base);
        EXPECT_EQ(leader.name, t.name);
        EXPECT_EQ(leader.image, t.image);
        EXPECT_EQ(leader.level, t.level);
        EXPECT_EQ(leader.hp, t.hp);
        EXPECT_EQ(leader.kind, static_cast<int>(t.kind));
        for (int drop : leader.drops) EXPECT_NE(drop, 0);
        int row = 2;
        for (const Party& party : t.escorts) {
            const EnemyTemplate& own = Enemy(party.templateId);
            for (int n = 0; n < party.count; ++n, ++row) {
                const Combatant& escort = Slot(row);
                EXPECT_EQ(escort.templateId, party.templateId) << row;
                EXPECT_EQ(escort.name, party.name) << row;
                EXPECT_EQ(escort.kind, kOrdinaryEnemy) << row;
                EXPECT_EQ(escort.level, party.level < 0 ? own.level : party.level) << row;
                EXPECT_EQ(escort.hp, party.hp < 0 ? own.hp : party.hp) << row;
            }
        }
        EXPECT_EQ(Occupied(), row - 1);
    }
}

TEST_F(EncounterTest, ASpecialNameChangesTheSlotButNeverTheTemplate) {
    const EnemyTemplate before = Enemy(27);
    const EnemyTemplate escortBefore = Enemy(26);
    Enter(12);
    ASSERT_TRUE(BuildBossBattle(g, 12));
    EXPECT_EQ(Slot(1).name, "忘却の召喚士");
    for (const auto& [now, was] : {std::pair{&Enemy(27), &before}, std::pair{&Enemy(26), &escortBefore}}) {
        EXPECT_EQ(now->name, was->name);
        EXPECT_EQ(now->image, was->image);
        EXPECT_EQ(now->level, was->level);
        EXPECT_EQ(now->hp, was->hp);
        EXPECT_EQ(now->attack, was->attack);
        EXPECT_EQ(now->drops, was->drops);
        EXPECT_EQ(now->actions, was->actions);
        EXPECT_EQ(now->kind, kOrdinaryEnemy);
    }
    // Raised escorts and leaders with extra moves or statuses copy before they change.
    ASSERT_TRUE(FillSpecialEncounter(g, SpecialBattle::Boss, 13));
    EXPECT_EQ(Slot(2).attack, Enemy(26).attack + 1);
    ASSERT_TRUE(FillSpecialEncounter(g, SpecialBattle::Extreme, 12));
    EXPECT_EQ(Slot(1).status.promise.counter, 10);
    EXPECT_EQ(Enemy(27).status.promise.counter, 0);
}

TEST_F(EncounterTest, EachBuilderMarksItsBattleAnnouncesAndPlaysItsSoundAndMusic) {
    struct Case {
        SpecialBattle kind;
        std::string_view line, sound, music;
    };
    const Case cases[] = {
        {SpecialBattle::Boss, "＜＜ BOSS BATTLE!! ＞＞", "boss.wav", "聖戦-4.mp3"},
        {SpecialBattle::Ex, "＜＜ EX Enemy BATTLE!! ＞＞", "dragon.wav", "未知-34.mp3"},
        {SpecialBattle::Extreme, "＜＜ EXTREAM BATTLE!! ＞＞", "dragon.wav", "未知-34.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SpecialBattleName(c.kind)));
        g.battle = BattleState{};
        g.sound = SoundState{};
        os.played.clear();
        os.musicStarted.clear();
        Enter(7);
        ASSERT_TRUE(BuildSpecialBattle(g, c.kind, 7));
        EXPECT_EQ(NewestLine().text, c.line);
        EXPECT_EQ(NewestLine().colourCode, ColourCode("blue"));
        EXPECT_EQ(os.played, std::vector<std::string>{std::string(c.sound)});
        EXPECT_EQ(os.musicStarted, std::vector<std::string>{std::string(c.music)});
        EXPECT_EQ(g.battle.bossBattle, c.kind == SpecialBattle::Boss ? 1 : 0);
        EXPECT_EQ(g.battle.exBattle, c.kind == SpecialBattle::Ex ? 1 : 0);
        EXPECT_EQ(g.battle.extremeMarker, c.kind == SpecialBattle::Extreme ? 7 : 0);
    }
}

// The card catalogue builds all three outside a dungeon to read the leaders' drops; that
// must leave no battle flag behind for the next fight.
TEST_F(EncounterTest, OutsideADungeonTheBuildersOnlyFillTheSlots) {
    Enter(0);
    for (auto build : {BuildBossBattle, BuildExBattle, BuildExtremeBattle}) {
        ASSERT_TRUE(build(g, 9));
        EXPECT_NE(Slot(1).drops[0], 0);
    }
    EXPECT_EQ(g.battle.bossBattle, 0);
    EXPECT_EQ(g.battle.exBattle, 0);
    EXPECT_EQ(g.battle.extremeMarker, 0);
    EXPECT_TRUE(NewestLine().text.empty());
    EXPECT_TRUE(os.played.empty());
    EXPECT_TRUE(os.musicStarted.empty());
}

TEST_F(EncounterTest, ADungeonWithoutEncountersLeavesTheSlotsEmptyAndTheBattleUnmarked) {
    Enter(3);
    g.combatants[4] = Enemy(5);
    for (int dungeon : {0, 22, 100, -1}) {
        EXPECT_FALSE(BuildBossBattle(g, dungeon)) << dungeon;
        EXPECT_EQ(Occupied(), 0);
    }
    EXPECT_EQ(g.battle.bossBattle, 0);
    EXPECT_TRUE(NewestLine().text.empty());
}

}  // namespace
}  // namespace kestrilon
