// The shop, synthesis and altar screens: their lists act on their own, the menu holds the
// way back.
#include <array>

#include "menu/menu.h"
#include "screens/card_references.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "state/game.h"

namespace kestrilon {
namespace {

constexpr CardReference kDecoder = CardWithId(222, CardKind::Dungeon, "shop hint: the decoding card");
constexpr std::array kCardReferences = {kDecoder};

}  // namespace

std::span<const CardReference> ScreenCardReferences() { return kCardReferences; }

void BuildShop(Game& g) { SetItem(g, kShopBack, Screen::Shop, "戻る", CollectionAction::Back, true); }

void ShopOpened(Game& g) {
    auto& flags = g.player.unlockFlags;
    if (flags[kFlagShopHintStep] == 1) {
        ++flags[kFlagShopHintStep];
        ShowHint(g, "→最初のお薦めは[脱出ポッド]です。");
    } else if (flags[kFlagShopHintStep] == 3 && g.player.CardCollection[kDecoder.id] < 1) {
        ++flags[kFlagShopHintStep];
        ShowHint(g, "→[解読]のカードはお薦めです。これをダンジョン内で使用することでしか入手できないカードもあります");
    }
}

void BuildSynthesis(Game& g) {
    SetItem(g, kSynthesisBack, Screen::Synthesis, "戻る", CollectionAction::Back, true);
}

void BuildAltar(Game& g) { SetItem(g, kAltarBack, Screen::Altar, "戻る", CollectionAction::Back, true); }

AfterAction RunCollectionScreen(Game& g, const tmenu&) {
    OpenScreen(g, Screen::MainMenu);
    return AfterAction::Keep;
}

}  // namespace kestrilon
