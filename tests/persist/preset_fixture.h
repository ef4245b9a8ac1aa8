#pragma once
// A game editing a book, with hand-made cards of both kinds.
#include <algorithm>
#include <string>
#include <string_view>

#include "state/game.h"
#include "support/game_fixture.h"

namespace kestrilon::testing {

class PresetTest : public GameTest {
protected:
    void SetUp() override {
        for (const char* name : {"card.wav", "1.wav", "save.wav", "gaku.wav"}) os.WriteFile(std::string("dat/") + name, "RIFF");
        g.screen.editBookKind = 1;
        g.screen.GameScene = 6;
    }
    titem& Card(int id, std::string name, int owned, int inBook = 0) {
        g.cards[id].name = std::move(name);
        g.cards[id].kind = id < kFirstBattleCard ? 1 : 2;
        g.player.CardCollection[static_cast<size_t>(id)] = owned;
        g.player.BookContents[static_cast<size_t>(id)] = inBook;
        return g.cards[id];
    }
    int32_t& Copies(int id) { return g.player.BookContents[static_cast<size_t>(id)]; }
    int32_t& Preset(int k, int id) { return g.player.presetCounts[static_cast<size_t>(k - 1)][static_cast<size_t>(id)]; }
    int LinesWith(std::string_view text) const {
        return static_cast<int>(std::count_if(g.log.entries.begin(), g.log.entries.end(),
                                              [&](const LogEntry& e) { return e.text == text; }));
    }
};

}  // namespace kestrilon::testing
