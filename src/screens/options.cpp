// The option screen, the sound volume and the card-picture option.
#include <string>
#include <string_view>

#include "menu/menu.h"
#include "render/message_log.h"
#include "screens/item_numbers.h"
#include "screens/screens.h"
#include "screens/volume.h"
#include "sound/sound.h"
#include "state/game.h"

namespace kestrilon {
namespace {

// The game's own server is the one web address a build knows; it carries the pages too.
constexpr std::string_view kOfficialSite = KESTRILON_RANK_SERVER "/";
constexpr std::string_view kWikiSite = KESTRILON_RANK_SERVER "/wiki/";

void OpenWebPage(Game& g, std::string_view question, std::string_view url) {
    if (!g.os.Confirm(std::string(question))) return;
    PlayEffect(g, "1.wav");
    if (!g.os.OpenUrl(std::string(url))) Log(g, "エラー＞開けませんでした....");
}

}  // namespace

void BuildOptions(Game& g) {
    const Screen s = Screen::Options;
    SetItem(g, kOptionFirst, s, "SOUND", OptionAction::Sound);
    SetItem(g, kOptionFirst + 1, s, "戻る", OptionAction::Back, true);
    SetItem(g, kOptionFirst + 2, s, "絵", OptionAction::Pictures);
    SetItem(g, kOptionFirst + 3, s, "公式サイト(ﾌﾞﾗｳｻﾞ)", OptionAction::OfficialSite);
    SetItem(g, kOptionFirst + 4, s, "攻略Wiki(ﾌﾞﾗｳｻﾞ)", OptionAction::Wiki);
}

AfterAction RunOptions(Game& g, const tmenu& item) {
    switch (ActionOf<OptionAction>(item)) {
    case OptionAction::Sound: OpenScreen(g, Screen::SoundVolume); return AfterAction::Keep;
    case OptionAction::Back: OpenScreen(g, Screen::SubMenu); return AfterAction::Keep;
    case OptionAction::Pictures: OpenScreen(g, Screen::CardPictures); return AfterAction::Keep;
    case OptionAction::OfficialSite:
        OpenWebPage(g, "設定されているブラウザで『公式サイト』を開きますか？\r(最新verはこちらからDLして下さい)", kOfficialSite);
        return AfterAction::Rebuild;
    default:
        OpenWebPage(g, "設定されているブラウザで『攻略Wiki』を開きますか？", kWikiSite);
        return AfterAction::Rebuild;
    }
}

void BuildSoundVolume(Game& g) {
    const Screen s = Screen::SoundVolume;
    SetItem(g, kSoundFirst, s, "音量を下げる", VolumeAction::Down);
    SetItem(g, kSoundFirst + 1, s, "音量を上げる", VolumeAction::Up);
    SetItem(g, kSoundFirst + 2, s, "戻る", VolumeAction::Back, true);
}

AfterAction RunSoundVolume(Game& g, const tmenu& item) {
    switch (ActionOf<VolumeAction>(item)) {
    case VolumeAction::Down: VolumeDown(g); return AfterAction::Rebuild;
    case VolumeAction::Up: VolumeUp(g); return AfterAction::Rebuild;
    case VolumeAction::Back: OpenScreen(g, Screen::Options); return AfterAction::Keep;
    }
    return AfterAction::Rebuild;
}

void BuildCardPictures(Game& g) {
    const Screen s = Screen::CardPictures;
    SetItem(g, kPictureFirst, s, "カード絵有り", PictureAction::On);
    SetItem(g, kPictureFirst + 1, s, "カード絵無し", PictureAction::Off);
    SetItem(g, kPictureFirst + 2, s, "戻る", PictureAction::Back, true);
}

AfterAction RunCardPictures(Game& g, const tmenu& item) {
    const PictureAction a = ActionOf<PictureAction>(item);
    if (a == PictureAction::Back) {
        OpenScreen(g, Screen::Options);
        return AfterAction::Keep;
    }
    g.menus.cardPictures = a == PictureAction::On;
    Log(g, g.menus.cardPictures ? "カード絵　有り" : "カード絵　無し");
    PlayEffect(g, "1.wav");
    return AfterAction::Rebuild;
}

}  // namespace kestrilon
