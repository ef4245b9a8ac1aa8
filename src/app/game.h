#pragma once
// All state of one game. The tables have the fixed sizes the game is built around;
// tests build a fresh Game for every case.
#include "app/click_script.h"
#include "app/frame_state.h"
#include "app/input.h"
#include "app/layers.h"
#include "app/rng.h"
#include "app/screen_state.h"
#include "battle/battle_state.h"
#include "battle/combatant.h"
#include "data/card.h"
#include "data/player.h"
#include "dungeon/dungeon_state.h"
#include "dungeon/menu.h"
#include "platform/platform.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "sound/sound.h"

namespace kestrilon {

struct Game {
    explicit Game(Platform& platform, uint64_t seed = 1) : os(platform), rng(seed) {}

    Platform& os;
    Rng rng;
    CardDatabase cards;
    PlayerState player;
    DungeonState dungeon;
    BattleState battle;
    CombatantTable combatants;
    MessageLog log;
    EffectTable effects;
    FrameState frame;
    ScreenState screen;
    MenuTable menus;
    ClickScript script;
    InputState input;
    SoundState sound;
    Layers layers;

    int Roll(int n) { return rng.Roll(n); }
};

}  // namespace kestrilon
