#pragma once
// All state of one game. The tables have the fixed sizes the game is built around;
// tests build a fresh Game for every case.
#include "platform/platform.h"
#include "state/battle_state.h"
#include "state/books_state.h"
#include "state/card.h"
#include "state/click_script_state.h"
#include "state/combatant.h"
#include "state/dungeon_state.h"
#include "state/effect_state.h"
#include "state/frame_state.h"
#include "state/input_state.h"
#include "state/layers_state.h"
#include "state/log_state.h"
#include "state/menu_state.h"
#include "state/player.h"
#include "state/ranking_state.h"
#include "state/rng.h"
#include "state/screen_state.h"
#include "state/sound_state.h"

namespace kestrilon {

struct Game {
    explicit Game(Platform& platform, uint64_t seed = 1) : os(platform), rng(seed), looks(LooksSeed(seed)) {}

    Platform& os;
    Rng rng;    // every roll that changes the game
    Rng looks;  // shakes, sparks, flicker: drawing never touches rng, so pictures cannot change a game
    CardDatabase cards;
    PlayerState player;
    Books books;
    DungeonState dungeon;
    BattleState battle;
    CombatantTable combatants;
    EnemyTable enemies;
    MessageLog log;
    EffectTable effects;
    FrameState frame;
    ScreenState screen;
    MenuTable menus;
    ClickScript script;
    InputState input;
    SoundState sound;
    RankingState rank;
    Layers layers;

    int Roll(int n) { return rng.Roll(n); }
    void Seed(uint64_t seed) {
        rng.Seed(seed);
        looks.Seed(LooksSeed(seed));
    }
};

}  // namespace kestrilon
