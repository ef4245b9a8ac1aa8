// Book editing with its filter buttons and the pop-up of a chosen card.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "books/books.h"
#include "books/card_list.h"
#include "data/capacity.h"
#include "menu/menu.h"
#include "persist/presets.h"
#include "render/message_log.h"
#include "screens/card_references.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr CardReference kBasicDungeonCard = CardWithId(1, CardKind::Dungeon, "book editing: filling a short dungeon book");
constexpr CardReference kBasicBattleCard = CardWithId(1000, CardKind::Battle, "book editing: filling a short battle book");

int32_t& InBook(Game& g, int id) { return g.player.BookContents[static_cast<size_t>(id)]; }
int Owned(const Game& g, int id) { return g.player.CardCollection[static_cast<size_t>(id)]; }

// The selected card, when there is one to act on.
int Selected(const Game& g) {
    const int id = g.menus.choices.selected;
    return id > 0 && CardDatabase::ValidId(id) && g.cards[id].Exists() ? id : 0;
}

// Why a copy of the card cannot go in, the full book first; empty when it can.
std::string_view InsertRefusal(Game& g, int id) {
    if (BookCardCount(g) >= BookCapacity(g)) return "full";
    if (InBook(g, id) >= g.cards[id].maxCopies) return "このカードはこれ以上ブックには入れられません";
    if (InBook(g, id) >= Owned(g, id)) return "カードがありません";
    return {};
}

// Logs a refusal; true when the card may go in.
bool MayInsert(Game& g, int id) {
    const std::string_view why = InsertRefusal(g, id);
    if (why.empty()) return true;
    if (why == "full") {
        std::string line = "ブックが一杯です。ブックは合計";
        AppendInt(line, BookCapacity(g));
        line += "枚までです。";
        Log(g, line);
    } else {
        Log(g, why);
    }
    return false;
}

void InsertOne(Game& g, int id) {
    if (!MayInsert(g, id)) return;
    ++InBook(g, id);
    PlayEffect(g, "card0.wav");
}

void InsertAll(Game& g, int id) {
    // A card short of copies still says so, as the single insert does.
    if (!MayInsert(g, id)) return;
    const int b = InBook(g, id);
    const int n = std::min({Owned(g, id) - b, g.cards[id].maxCopies - b, BookCapacity(g) - BookCardCount(g)});
    InBook(g, id) += n;
    std::string line;
    AppendInt(line, n);
    line += "枚投入した";
    Log(g, line);
    PlayEffect(g, "card.wav");
}

void RemoveOne(Game& g, int id) {
    if (InBook(g, id) <= 0) return;
    PlayEffect(g, "card_out.wav");
    --InBook(g, id);
    Log(g, "このカードを1枚離脱した");
}

void RemoveAll(Game& g, int id) {
    if (InBook(g, id) <= 0) return;
    PlayEffect(g, "card_out.wav");
    InBook(g, id) = 0;
    Log(g, "このカードを全て離脱した");
}

// Counts above what a card allows (left by an older file or a lowered grade) are mended.
void RepairOverfullCounts(Game& g, Book book) {
    for (int id = 0; id < kCardIds; ++id) {
        const titem& c = g.cards[id];
        if (!c.Exists() || c.kind != static_cast<int32_t>(book) || InBook(g, id) <= c.maxCopies) continue;
        std::string line = "　※【";
        line += c.name;
        line += "】のカードが最大ブック収納数より多く収納されていたため修正";
        Log(g, line);
        InBook(g, id) = std::max(0, std::min(Owned(g, id), c.maxCopies));
    }
}

// False when the book is short and the player keeps editing.
bool FillShortBook(Game& g, Book book) {
    const int capacity = BookCapacity(g);
    const int count = BookCardCount(g, book);
    if (count >= capacity) return true;
    std::string question = "【!】ブックは";
    AppendInt(question, capacity);
    question += "枚以上なければなりません\r\r現在 ";
    AppendInt(question, count);
    question += "枚\r\rひとまず、空いたブックに初期カードを入れて、完了としますか？";
    if (!g.os.Confirm(question)) return false;
    const int basic = book == Book::Dungeon ? kBasicDungeonCard.id : kBasicBattleCard.id;
    const int shortfall = capacity - count;
    InBook(g, basic) += shortfall;
    std::string line = "空いたブックにひとまず【";
    line += g.cards[basic].name;
    line += "】のカードを";
    AppendInt(line, shortfall);
    line += "枚入れておきました";
    Log(g, line);
    PlayEffect(g, "card.wav");
    return true;
}

AfterAction EndEdit(Game& g) {
    const Book book = CurrentBook(g);
    RepairOverfullCounts(g, book);
    if (!FillShortBook(g, book)) {
        RefreshCardList(g);
        return AfterAction::Rebuild;
    }
    g.screen.editBookKind = 0;
    ClearChoiceList(g);
    OpenScreen(g, Screen::MainMenu);
    return AfterAction::Keep;
}

void ChooseFilter(Game& g, const tmenu& item) {
    ChoiceList& list = g.menus.choices;
    std::string line = "＞";
    line += item.caption;
    LogColour(g, line, "white");
    list.filter = item.action - FilterAction(0);
    list.page = 0;
    BuildCardList(g, static_cast<ListKind>(g.screen.editBookKind));
    line = "　デッキ内";
    AppendInt(line, list.bookSum);
    line += "枚";
    Log(g, line);
}

}  // namespace

std::span<const CardReference> BookEditCardReferences() {
    static constexpr std::array kReferences = {kBasicDungeonCard, kBasicBattleCard};
    return kReferences;
}

void BeginBookEdit(Game& g, Book book) {
    g.screen.editBookKind = static_cast<int>(book);
    OpenScreen(g, Screen::BookEdit);
    Log(g, book == Book::Dungeon ? "ダンジョン移動中に使用するカードの編集です" : "バトル中に使用するカードの編集です");
    ChoiceList& list = g.menus.choices;
    list = ChoiceList{};
    BuildCardList(g, book == Book::Dungeon ? ListKind::DungeonBook : ListKind::BattleBook);
    g.menus.editBackup = g.player.BookContents;
    RebuildMenus(g);
}

AfterAction RunBookEdit(Game& g, const tmenu& item) {
    if (IsFilterAction(item.action)) {
        ChooseFilter(g, item);
        return AfterAction::Rebuild;
    }
    switch (ActionOf<BookEditAction>(item)) {
    case BookEditAction::EndEdit: return EndEdit(g);
    case BookEditAction::Presets: OpenPresetPanel(g); return AfterAction::Rebuild;
    case BookEditAction::ExportOptions: OpenScreen(g, Screen::ExportOptions); return AfterAction::Keep;
    default: return AfterAction::Rebuild;
    }
}

AfterAction RunCardActions(Game& g, const tmenu& item) {
    const int id = Selected(g);
    const CardAction action = ActionOf<CardAction>(item);
    if (action == CardAction::Cancel || id == 0) {
        g.menus.choices.selected = 0;
        OpenScreen(g, Screen::BookEdit);
        return AfterAction::Keep;
    }
    switch (action) {
    case CardAction::Insert: InsertOne(g, id); break;
    case CardAction::Remove: RemoveOne(g, id); break;
    case CardAction::InsertAll: InsertAll(g, id); break;
    case CardAction::RemoveAll: RemoveAll(g, id); break;
    case CardAction::Cancel: break;
    }
    RefreshCardList(g);
    return AfterAction::Rebuild;
}

AfterAction BookEditListClick(Game& g, int card) {
    ChoiceList& list = g.menus.choices;
    if (g.screen.editBookKind == 0) return AfterAction::Keep;
    if (g.screen.Current() == Screen::CardActions && card == list.selected) {
        InsertOne(g, card);
        RefreshCardList(g);
        return AfterAction::Rebuild;
    }
    list.selected = card;
    OpenScreen(g, Screen::CardActions);
    return AfterAction::Keep;
}

void BuildBookEdit(Game& g) {
    const Screen s = Screen::BookEdit;
    if (g.player.level >= 5) SetItem(g, kEditPresets, s, "＞ブック管理", BookEditAction::Presets);
    SetItem(g, kEditEnd, s, "編集終了", BookEditAction::EndEdit);
    if (g.player.unlockFlags[kFlagBookSorting] < 1) return;
    // Positions 2, 3 (dungeon book) and 8, 7 (battle book) hold the <Ability> and
    // recently-obtained filters, whose indices are 10 and 11.
    struct Filter {
        std::string_view caption;
        int index;
    };
    static constexpr std::array<Filter, 10> kDungeonFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"Ability", 10},
        {"最近入手", 11}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"移動系", 7}, {"探索系", 8}, {"スロット系", 9}}};
    static constexpr std::array<Filter, 10> kBattleFilters = {{{"全表示", 0}, {"6大ｽﾃｰﾀｽ", 1}, {"近接物理", 2},
        {"遠隔物理", 3}, {"魔法", 4}, {"属性順", 5}, {"回復系", 6}, {"最近入手", 11}, {"Ability", 10}, {"スロット系", 9}}};
    const auto& filters = g.screen.editBookKind == 2 ? kBattleFilters : kDungeonFilters;
    for (int i = 0; i < static_cast<int>(filters.size()); ++i) {
        const Filter& f = filters[static_cast<size_t>(i)];
        tmenu& button = SetItem(g, kEditFilterFirst + i, s, f.caption, FilterAction(f.index));
        button.param = i;
        // The filter in use stands out.
        if (f.index == g.menus.choices.filter) button.emphasis = 3;
    }
}

void BuildCardActions(Game& g) {
    const Screen s = Screen::CardActions;
    const int id = Selected(g);
    const bool cannotInsert = id == 0 || !InsertRefusal(g, id).empty();
    const bool cannotRemove = id == 0 || InBook(g, id) <= 0;
    SetItem(g, kCardActionFirst, s, "<■←>ブック投入", CardAction::Insert).disabled = cannotInsert;
    SetItem(g, kCardActionFirst + 1, s, "<■→>ブック離脱", CardAction::Remove).disabled = cannotRemove;
    SetItem(g, kCardActionFirst + 2, s, "このカードを全て投入", CardAction::InsertAll).disabled = cannotInsert;
    SetItem(g, kCardActionFirst + 3, s, "このカードを全て離脱", CardAction::RemoveAll).disabled = cannotRemove;
    SetItem(g, kCardActionFirst + 4, s, "キャンセル", CardAction::Cancel, true);
}

void CardActionsOpened(Game& g) {
    auto& flags = g.player.unlockFlags;
    const int capacity = BookCapacity(g);
    if (flags[kFlagBookFullHint] != 0 || BookCardCount(g) < capacity) return;
    flags[kFlagBookFullHint] = 1;
    std::string hint = "→ブックに入れられるのは最初は";
    AppendInt(hint, capacity);
    hint += "枚まで。　　既に挿入済みのカードをまず減らしましょう";
    ShowHint(g, hint);
}

}  // namespace kestrilon
