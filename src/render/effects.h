#pragma once
// The table of short-lived screen effects and the renderer that draws them.
#include <span>
#include <string>
#include <string_view>

#include "state/effect_state.h"

namespace kestrilon {

struct Game;

void SpawnEffect(Game& g, int x, int y, EffectKind kind, std::string_view text);
void SpawnMover(Game& g, int fromX, int fromY, int toX, int toY, EffectKind kind);
// Log, then the effect pass, then the overlay pass; once per frame.
void RenderFrame(Game& g);

// Every kind that draws something of its own, in ascending order (for tools and tests).
std::span<const EffectKind> DrawnEffectKinds();

}  // namespace kestrilon
