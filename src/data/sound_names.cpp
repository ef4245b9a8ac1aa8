#include "data/sound_names.h"

#include <algorithm>

namespace kestrilon {
namespace {

// Names are case-sensitive file names: "item_get.wav" and "item_Get.wav" are two effects.
constexpr std::string_view kWaves[] = {
    // Shell and menus
    "1.wav", "b.wav", "start.wav", "try.wav", "map_clear.wav", "card0.wav", "card_out.wav", "item_lost.wav",
    "reaitem1.wav",
    // Collection and rewards
    "item_get.wav", "new.wav", "quest_item.wav", "gousei_lvup.wav", "bp.wav", "coin.wav", "kinkai.wav", "taberu.wav",
    "card.wav", "save.wav", "gaku.wav", "happy.wav", "make.wav", "katan.wav",
    // Dungeon
    "walk.wav", "walk2.wav", "foot.wav", "door.wav", "keyopen.wav", "trap.wav", "hazure.wav", "home.wav", "night.wav",
    "water.wav", "tisou.wav", "undou.wav", "moji.wav", "no.wav", "rare.wav", "item_Get.wav", "hanmer.wav",
    "gaku2.wav", "coin_many_in.wav", "great.wav", "keikoku.wav", "kaminari.wav", "learn.wav", "blood.wav",
    "holl.wav", "ok2.wav",
    // Battle
    "enemy.wav", "boss.wav", "dragon.wav", "turn.wav", "turn2.wav", "target.wav", "damage.wav", "damage2.wav",
    "damage3.wav", "miss.wav", "bougyo.wav", "kaifuku.wav", "kaijyo.wav", "up.wav", "down.wav", "fire.wav",
    "wind.wav", "denki.wav", "dark.wav", "awa.wav", "bress.wav", "ken.wav", "gun.wav", "punch.wav", "yari.wav",
    "yari2.wav", "magic.wav", "mono.wav", "sin.wav", "ren.wav", "rp.wav", "tel.wav", "core.wav", "zoku.wav",
    "combo6.wav", "baria.wav", "baria2.wav", "hansya.wav", "kyuusyuu.wav", "hissatu.wav", "syoukan.wav",
    "syoukan_turn.wav", "nigeru.wav", "senmetu.wav", "death.wav", "gameover.wav",
    // Heard only through the cards that name them
    "muti.wav", "ya.wav",
};

constexpr std::string_view kMusic[] = {
    "始まりの調べ-3.mp3",  // opening and title
    "呼び声-41.mp3",       // story pages
    "遠方より来る-34.mp3",  // story pages
    "聖戦-4.mp3",          // battles against particular enemies
    "未知-34.mp3",         // battles against particular enemies
};

bool Listed(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::span<const std::string_view> WaveNames() { return kWaves; }
std::span<const std::string_view> MusicNames() { return kMusic; }

bool IsWaveName(std::string_view name) { return Listed(kWaves, name); }
bool IsMusicName(std::string_view name) { return Listed(kMusic, name); }

}  // namespace kestrilon
