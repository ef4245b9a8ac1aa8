#include "battle/hp_change.h"

#include <algorithm>
#include <string>

#include "data/stats.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr int kMaxShake = 20;

// Where the player's numbers and flashes appear: the player has no place on the field.
constexpr int kPlayerHealX = 670, kPlayerHealY = 290;
constexpr int kPlayerSparkleX = 620, kPlayerSparkleY = 300;
constexpr int kPlayerHurtX = 610, kPlayerHurtY = 280;
constexpr int kPlayerFlashX = 620, kPlayerFlashY = 320;

bool IsPlayer(int row) { return row == kPlayerRow; }

std::string_view NameOf(const Game& g, int row) {
    return IsPlayer(row) ? std::string_view(g.player.playerName) : std::string_view(g.combatants[row].name);
}

int& HpOf(Game& g, int row) { return IsPlayer(row) ? g.player.hp : g.combatants[row].hp; }

// "　" + name, or "　" + label + "＞" + name.
std::string Opening(const Game& g, int row, std::string_view label) {
    std::string line = "　";
    if (!label.empty()) line.append(label).append("＞");
    line.append(NameOf(g, row));
    return line;
}

void Hurt(Game& g, int row, int loss, std::string_view label) {
    std::string line = Opening(g, row, label);
    std::string number;
    AppendInt(number, loss);
    if (IsPlayer(row)) {
        PlayEffect(g, "damage2.wav");
        line.append("は ").append(number).append(label.empty() ? "ダメージ受けた!" : "ダメージ");
        LogColour(g, line, "red");
        g.player.hp -= loss;
        SpawnEffect(g, kPlayerHurtX, kPlayerHurtY, EffectKind::DamageNumber, number);
        SpawnEffect(g, kPlayerFlashX, kPlayerFlashY, EffectKind::SmallRedFlash, {});
    } else {
        tenemy& enemy = g.combatants[row];
        PlayEffect(g, "damage.wav");
        line.append("に ").append(number).append(label.empty() ? "ダメージ与えた!" : "ダメージ");
        LogColour(g, line, "red3");
        enemy.hp -= loss;
        SpawnEffect(g, enemy.x, enemy.y, EffectKind::SmallRedFlash, {});
        SpawnEffect(g, enemy.x, enemy.y, EffectKind::DamageNumber, number);
    }
    g.frame.ShakeCounter = std::min(2 + loss, kMaxShake);
}

}  // namespace

void ClampHeal(Game& g, int row, int n) {
    if (g.combatants[row].status.sickness.Active()) n /= 2;
    HpOf(g, row) += n;
    std::string number;
    AppendInt(number, n);
    if (IsPlayer(row)) {
        SpawnEffect(g, kPlayerHealX, kPlayerHealY, EffectKind::HealNumber, number);
        SpawnEffect(g, kPlayerSparkleX, kPlayerSparkleY, EffectKind::LightGreenBubbles, {});
    } else {
        const tenemy& enemy = g.combatants[row];
        SpawnEffect(g, enemy.x, enemy.y, EffectKind::HealNumber, number);
        SpawnEffect(g, enemy.x, enemy.y, EffectKind::LightGreenBubbles, {});
    }
}

void ApplyHpChange(Game& g, int row, int n, std::string_view label) {
    EXPECTS(row >= 0 && row < kCombatantRows);
    if (n > 0) {
        PlayEffect(g, "kaifuku.wav");
        std::string line = Opening(g, row, label);
        line.append("は ");
        AppendInt(line, n);
        line.append("回復");
        LogColour(g, line, IsPlayer(row) ? "aqua" : "aqua2");
        ClampHeal(g, row, n);
    } else if (n < 0) {
        if (g.combatants[row].status.invincible.Active()) {
            LogColour(g, Opening(g, row, {}) + "は無敵のためノンダメージ", "gray");
        } else {
            Hurt(g, row, -n, label);
        }
    }
    ClampValues(g);
}

}  // namespace kestrilon
