#include <gtest/gtest.h>

#include "dungeon/cards/dungeon_card.h"
#include "state/game.h"
#include "dungeon/card_fixture.h"

namespace kestrilon::testing {
namespace {

// Every dungeon card of the catalogue, used where its event allows it, has a family and
// tells the player something beyond "を使用".
TEST_F(CardTest, EveryDungeonCardHasAFamilyThatSaysWhatItDid) {
    const int foot = Id("足");
    const int ladle = Id("木の柄杓");
    int swept = 0;
    for (int id = 1; id < kFirstBattleCard; ++id) {
        const titem card = g.cards[id];
        if (!card.Exists() || card.action == 0 || card.isAbility >= 1) continue;
        ASSERT_NE(DungeonFamilyOf(card.action), nullptr) << card.name << " has effect " << card.action;

        g.Seed(static_cast<uint64_t>(id));
        At(5, 10);
        g.dungeon.event = static_cast<EventCode>(card.eventKind);
        g.dungeon.trapLevel = card.toolLevel;
        g.dungeon.table[0].secretKey = id;
        g.player.goldNuggets = 10;
        g.player.mp = MaxMp(g);
        g.player.tp = 100;
        SetPile(Ids(30, foot));
        SetDiscards({ladle, foot});
        SetHand(Book::Dungeon, {foot, ladle, foot});
        os.answers.clear();
        logged.clear();
        UseDungeonCard(g, id);
        EXPECT_GE(logged.size(), 2u) << card.name << " (" << id << ") logged nothing of its own";
        ++swept;
    }
    EXPECT_GT(swept, 200);
}

}  // namespace
}  // namespace kestrilon::testing
