#include "screens/menu.h"

#include <algorithm>
#include <string>

#include "data/card_database.h"
#include "data/stats.h"
#include "dungeon/run.h"
#include "persist/save_file.h"
#include "render/message_log.h"
#include "render/pictures.h"
#include "screens/menu_items.h"
#include "screens/volume.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

// The game's own server is the one web address a build knows; it carries the pages too.
constexpr std::string_view kOfficialSite = KESTRILON_RANK_SERVER "/";
constexpr std::string_view kWikiSite = KESTRILON_RANK_SERVER "/wiki/";
constexpr int kCardOfDecoding = 222;

void Hint(Game& g, std::string_view text) { LogIcon(g, text, "hint", "hint.bmp"); }

// Difficulty of the dungeon an entry of a list screen stands for.
int EntryDifficulty(const Game& g, const tmenu& item) {
    const int d = item.param;
    if (d < 1 || d >= static_cast<int>(g.dungeon.table.size())) return 0;
    return g.dungeon.table[static_cast<size_t>(d)].difficulty;
}

// How far a long list moves its grid up: 100 for each threshold passed, 97 for the last.
int ListLift(int entries, int t1, int t2, int t3, int t4) {
    int lift = 0;
    if (entries > t1) lift += 100;
    if (entries > t2) lift += 100;
    if (entries > t3) lift += 100;
    if (entries > t4) lift += 97;
    return lift;
}

void PlaceItems(Game& g, int screen) {
    MenuTable& m = g.menus;
    std::array<int, kMenuItems> order{};
    int count = 0;
    for (int i = 0; i < kMenuItems; ++i) {
        const tmenu& item = m.items[static_cast<size_t>(i)];
        if (item.screen == screen && !item.caption.empty()) order[static_cast<size_t>(count++)] = i;
    }
    if (IsListScreen(screen)) {
        // Dungeons by difficulty, then the page buttons, the way back last.
        auto rank = [&](int i) {
            const tmenu& item = m.items[static_cast<size_t>(i)];
            if (item.action == kListBack) return 2;
            return item.action == kListPrevious || item.action == kListNext ? 1 : 0;
        };
        std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) {
            const int ra = rank(a), rb = rank(b);
            if (ra != rb) return ra < rb;
            if (ra != 0) return false;
            return EntryDifficulty(g, m.items[static_cast<size_t>(a)]) < EntryDifficulty(g, m.items[static_cast<size_t>(b)]);
        });
        // The log column above the list moves with the grid.
        g.screen.listEntries = count;
    }

    // Every button of the list counts, the page buttons and the way back too, so the
    // grid keeps its last row on the surface.
    int lift = 0;
    if (screen == 8 || screen == 19 || screen == 26) lift = ListLift(count, 8, 12, 16, 20);
    if (!IsListScreen(screen)) g.screen.listEntries = 0;
    if (screen == 21) {
        int defined = 0;
        for (int d = 1; d <= 30; ++d) defined += g.dungeon.table[static_cast<size_t>(d)].name.empty() ? 0 : 1;
        lift = ListLift(defined, 6, 10, 14, 18);
    }
    const int drop = screen == 6 || screen == 7 || screen == 23 ? 100 : 0;

    m.placedCount = count;
    m.cancelItem = -1;
    for (int k = 0; k < count; ++k) {
        tmenu& item = m.items[static_cast<size_t>(order[static_cast<size_t>(k)])];
        item.x = (k % 4) * 200;
        item.y = (k / 4) * 99 + 400 - lift + drop;
        item.width = 200;
        item.height = 100;
        if (screen == 6 && item.action >= 10 && item.action <= 21) {
            const int index = item.param;
            item.width = 80;
            item.height = 30;
            item.x = (index % 5) * 80;
            item.y = (index / 5) * 30 + 425;
        }
        item.slideX = screen == 9 ? item.x + 100 : item.x - 100;
        item.slideY = item.y;
        item.curX = item.slideX;
        item.curY = item.slideY;
        item.visible = 1;
        if (item.cancel == 1) m.cancelItem = order[static_cast<size_t>(k)];
    }
}

void ShowHints(Game& g, int screen) {
    PlayerState& p = g.player;
    auto& flags = p.unlockFlags;
    if (screen == 1) {
        if (flags[kFlagFirstCardHint] == 1) {
            flags[kFlagFirstCardHint] = 2;
            Hint(g, "→新しいカードを入手したら、[カード編集]でブックに挿入してみましょう！ ちなみにカードには[D.カード]と[バトルカード]の２種類があります");
        }
        if (flags[kFlagShop] >= 1 && flags[kFlagShopHintStep] == 0) {
            ++flags[kFlagShopHintStep];
            Hint(g, "→【SHOP】を発見しています。カードを買ってみましょう！");
        }
        if (flags[kFlagShopHintStep] == 2) {
            ++flags[kFlagShopHintStep];
            Hint(g, "→買ったカードは、カード編集でブックに挿入しましょう。");
        }
    }
    if (screen == 15) {
        if (flags[kFlagShopHintStep] == 1) {
            ++flags[kFlagShopHintStep];
            Hint(g, "→最初のお薦めは[脱出ポッド]です。");
        } else if (flags[kFlagShopHintStep] == 3 && p.CardCollection[kCardOfDecoding] < 1) {
            ++flags[kFlagShopHintStep];
            Hint(g, "→[解読]のカードはお薦めです。これをダンジョン内で使用することでしか入手できないカードもあります");
        }
    }
    if (screen == 9 && g.battle.battleOn == 0 && p.hp <= 1 && flags[kFlagDyingHint] == 0) {
        flags[kFlagDyingHint] = 1;
        Hint(g, "→おっと死にそう！ 右クリックを押すと、サブメニューが開きます。そこから[リタイア]することで、金塊の半分を持ち帰れます。");
    }
}

void OpenWebPage(Game& g, std::string_view question, std::string_view url) {
    if (!g.os.Confirm(std::string(question))) return;
    PlayEffect(g, "1.wav");
    if (!g.os.OpenUrl(std::string(url))) Log(g, "エラー＞開けませんでした....");
}

// Asks for the name of a new player; the form shows its name panel while nameBoxOpen is set.
void OpenNameEntry(Game& g) {
    Log(g, "この波動空間に突入するあなたの名前を入力して下さい");
    g.screen.nameBoxOpen = true;
}

// "スタート": a named player continues, a new one is asked for a name first.
void BeginPlay(Game& g) {
    PlayMusic(g, "not");
    ShowPicture(g, "1.jpg");
    if (g.player.playerName.empty()) {
        OpenNameEntry(g);
        return;
    }
    PlayEffect(g, "start.wav");
    Log(g, "旅の再開です....");
    RunReset(g);
    OpenScreen(g, 1);
}

// The page buttons and the way back of the dungeon list screens. False when the list
// screen has no such action.
bool RunListAction(Game& g, int screen, int action) {
    MenuTable& m = g.menus;
    if (action == kListPrevious || action == kListNext) {
        m.listPage = std::max(0, m.listPage + (action == kListNext ? 1 : -1));
        OpenScreen(g, screen);
        return true;
    }
    if (action != kListBack) return false;
    m.listPage = 0;
    if (screen == 8) g.dungeon.number = 0;
    OpenScreen(g, screen == 8 || screen == 21 ? 1 : 22);
    return true;
}

// Performs the action of an item; false when it has opened a screen (which rebuilt the
// table already) or ended the game.
bool RunAction(Game& g, const tmenu& item) {
    const int a = item.action;
    switch (item.screen) {
    case 1:
        switch (a) {
        case 8: OpenScreen(g, 22); return false;
        case 16: OpenScreen(g, 21); return false;
        case 13:
            if (g.player.slotRights < 1) Log(g, "スロット権がありません");
            return true;
        case 18:
            if (g.player.spSlotRights < 1) Log(g, "SPスロット権がありません");
            return true;
        default: return true;
        }
    case 2:
        if (a == 1) {
            Save(g, 0);
            g.menus.closeRequested = true;
            return false;
        }
        OpenScreen(g, 1);
        return false;
    case 3:
        switch (a) {
        case 1: OpenScreen(g, 4); return false;
        case 2: OpenScreen(g, 22); return false;
        case 3: OpenScreen(g, 24); return false;
        case 4:
            OpenWebPage(g, "設定されているブラウザで『公式サイト』を開きますか？\r(最新verはこちらからDLして下さい)", kOfficialSite);
            return true;
        default:
            OpenWebPage(g, "設定されているブラウザで『攻略Wiki』を開きますか？", kWikiSite);
            return true;
        }
    case 4:
        if (a == 1) VolumeDown(g);
        if (a == 2) VolumeUp(g);
        if (a == 3) {
            OpenScreen(g, 3);
            return false;
        }
        return true;
    case 5:
        if (a == 2) {
            BeginPlay(g);
            return false;
        }
        return true;
    case 15:
    case 16:
    case 23:
        OpenScreen(g, 1);
        return false;
    case 22:
        switch (a) {
        case 1: OpenScreen(g, 3); return false;
        case 2: OpenScreen(g, 19); return false;
        case 3: OpenScreen(g, 26); return false;
        default: OpenScreen(g, 1); return false;
        }
    case 24:
        if (a == 3) {
            OpenScreen(g, 3);
            return false;
        }
        g.menus.cardPictures = a == 1;
        Log(g, a == 1 ? "カード絵　有り" : "カード絵　無し");
        PlayEffect(g, "1.wav");
        return true;
    case 25:
        if (a == kListBack) {
            OpenScreen(g, 6);
            return false;
        }
        return true;
    case 26:
        if (a >= 1 && a < kListPrevious) {
            g.menus.catalogueDungeon = item.param;
            Log(g, g.dungeon.table[static_cast<size_t>(item.param)].name + "のカード取得状況です");
            OpenScreen(g, 27);
            return false;
        }
        return !RunListAction(g, 26, a);
    case 27:
        OpenScreen(g, 26);
        return false;
    case 8:
    case 19:
    case 21:
        return !RunListAction(g, item.screen, a);
    default:
        return true;
    }
}

}  // namespace

void RebuildMenus(Game& g) {
    FillCardDatabase(g);
    BuildMenuItems(g);
}

void OpenScreen(Game& g, int screen) {
    PlayEffect(g, "1.wav");
    for (tmenu& item : g.menus.items) item.visible = 0;
    if (g.screen.storyRunning || g.screen.openingPlaying) {
        PlayMusic(g, "not");
        g.screen.storyRunning = false;
        g.screen.openingPlaying = false;
    }
    RebuildMenus(g);
    g.screen.GameScene = screen;
    g.menus.hovered = -1;
    PlaceItems(g, screen);
    ShowHints(g, screen);
}

void CloseScreens(Game& g) {
    PlayEffect(g, "1.wav");
    for (tmenu& item : g.menus.items) item.visible = 0;
    g.screen.GameScene = 0;
    g.menus.cancelItem = -1;
    g.menus.hovered = -1;
}

void RunItem(Game& g, int item) {
    if (item < 0 || item >= kMenuItems) return;
    // A copy: the action may rebuild the table under it.
    const tmenu chosen = g.menus.items[static_cast<size_t>(item)];
    if (RunAction(g, chosen)) RebuildMenus(g);
}

}  // namespace kestrilon
