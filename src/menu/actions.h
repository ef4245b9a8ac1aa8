#pragma once
// Action codes of the menu items, one enum per screen or family of screens, valued by the
// game's numbers. The item record keeps the number; ActionCode and ActionOf convert.
#include <cstdint>

#include "state/menu_state.h"

namespace kestrilon {

template <class Action>
constexpr int32_t ActionCode(Action action) {
    return static_cast<int32_t>(action);
}
template <class Action>
constexpr Action ActionOf(const tmenu& item) {
    return static_cast<Action>(item.action);
}

enum class MainAction : int32_t {
    DungeonBookEdit = 1,
    BattleBookEdit = 2,
    Shop = 3,
    Synthesis = 4,
    SubMenu = 8,
    EnterDungeon = 10,
    Satori = 12,
    Slot = 13,
    Call = 14,
    Darkness = 15,
    Orbs = 16,
    Altar = 17,
    SpecialSlot = 18,
};

enum class QuitAction : int32_t { Yes = 1, No = 2 };
enum class OptionAction : int32_t { Sound = 1, Back = 2, Pictures = 3, OfficialSite = 4, Wiki = 5 };
enum class VolumeAction : int32_t { Down = 1, Up = 2, Back = 3 };
enum class TitleAction : int32_t { Opening = 1, Start = 2 };
enum class PictureAction : int32_t { On = 1, Off = 2, Back = 3 };
enum class SubMenuAction : int32_t { Options = 1, Ranking = 2, Catalogue = 3, MainMenu = 99 };

// Book editing: a filter button's action is the first filter action plus the filter index
// (0 .. 11), whatever position the button takes in the row.
enum class BookEditAction : int32_t { EndEdit = 2, Presets = 3, FirstFilter = 10, LastFilter = 21 };
constexpr int32_t FilterAction(int index) { return ActionCode(BookEditAction::FirstFilter) + index; }
constexpr bool IsFilterAction(int32_t action) {
    return action >= ActionCode(BookEditAction::FirstFilter) && action <= ActionCode(BookEditAction::LastFilter);
}
enum class CardAction : int32_t { Insert = 1, Remove = 2, InsertAll = 3, RemoveAll = 4, Cancel = 9 };
enum class ExportAction : int32_t { Order = 1, Back = 99 };

// The dungeon list screens: an entry's action is the dungeon it stands for.
enum class ListAction : int32_t { Previous = 97, Next = 98, Back = 99 };
constexpr bool IsDungeonEntry(int32_t action) { return action >= 1 && action < ActionCode(ListAction::Previous); }
enum class CatalogueAction : int32_t { Back = 99 };

enum class HandAction : int32_t { Menu = 9 };
// The walk menu and the fight menu share their codes.
enum class RunMenuAction : int32_t { Discard = 1, Retire = 2, Back = 3 };
enum class TargetAction : int32_t { Back = 2 };
enum class FightWonAction : int32_t { EndFight = 1, DungeonCleared = 2 };
enum class GameOverAction : int32_t { Return = 1 };
enum class EscapeAction : int32_t { Escape = 1 };
enum class ScoreAction : int32_t { Send = 1, EndUnsent = 2 };
enum class ScoreSentAction : int32_t { Ok = 1 };
// Shop, synthesis and altar: "戻る".
enum class CollectionAction : int32_t { Back = 1 };

}  // namespace kestrilon
