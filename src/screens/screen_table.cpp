// The one table of screens: entry n serves screen n. An entry without an action leaves
// its items to rebuild only, until the part that owns the screen fills it in.
#include <array>

#include "menu/screen_table.h"
#include "screens/screens.h"

namespace kestrilon {
namespace {

constexpr std::array<ScreenEntry, kScreenCount> kScreens = {{
    {.screen = Screen::None},
    {Screen::MainMenu, BuildMainMenu, RunMainMenu, MainMenuOpened},
    {Screen::QuitQuestion, BuildQuitQuestion, RunQuitQuestion},
    {Screen::Options, BuildOptions, RunOptions},
    {Screen::SoundVolume, BuildSoundVolume, RunSoundVolume},
    {Screen::TitleMenu, BuildTitleMenu, RunTitleMenu},
    {Screen::BookEdit, BuildBookEdit, RunBookEdit, nullptr, Placement::BookEdit, BookEditListClick},
    {Screen::CardActions, BuildCardActions, RunCardActions, CardActionsOpened, Placement::Lowered, BookEditListClick},
    {Screen::DungeonList, BuildDungeonList, RunDungeonList, nullptr, Placement::DungeonList},
    {Screen::DungeonHand, BuildDungeonHand, RunDungeonHand, DungeonHandOpened, Placement::Hand},
    {Screen::WalkMenu, BuildWalkMenu, RunWalkMenu},
    {Screen::FightMenu, BuildFightMenu, RunFightMenu},
    {Screen::TargetChoice, BuildTargetChoice},
    {Screen::FightWon, BuildFightWon},
    {Screen::GameOver, BuildGameOver, RunGameOver},
    {Screen::Shop, BuildShop, RunCollectionScreen, ShopOpened},
    {Screen::Synthesis, BuildSynthesis, RunCollectionScreen},
    {Screen::DungeonCleared, BuildDungeonCleared, RunDungeonCleared},
    {Screen::ScoreSent, BuildScoreSent, RunScoreSent},
    {Screen::RankingList, BuildRankingList, RunRankingList, nullptr, Placement::DungeonList},
    {Screen::DungeonEscape, BuildDungeonEscape, RunDungeonEscape},
    {Screen::OrbList, BuildOrbList, RunDungeonList, nullptr, Placement::OrbList},
    {Screen::SubMenu, BuildSubMenu, RunSubMenu},
    {Screen::Altar, BuildAltar, RunCollectionScreen, nullptr, Placement::Lowered},
    {Screen::CardPictures, BuildCardPictures, RunCardPictures},
    {Screen::ExportOptions, BuildExportOptions, RunExportOptions},
    {Screen::CatalogueList, BuildCatalogueList, RunCatalogueList, nullptr, Placement::DungeonList},
    {Screen::Catalogue, BuildCatalogue, RunCatalogue},
}};

constexpr bool InScreenOrder() {
    for (int s = 0; s < kScreenCount; ++s)
        if (kScreens[static_cast<size_t>(s)].screen != static_cast<Screen>(s)) return false;
    return true;
}
static_assert(InScreenOrder(), "entry n of the screen table must serve screen n");

}  // namespace

const ScreenEntry& ScreenEntryOf(Screen screen) {
    return kScreens[static_cast<size_t>(ScreenCode(ScreenFromCode(ScreenCode(screen))))];
}

}  // namespace kestrilon
