#pragma once
// Shared by the two effect passes: one slot as it is being drawn this frame.
#include <cstdint>
#include <string_view>

#include "state/game.h"

namespace kestrilon {

struct EffectSlot {
    Game& g;
    int slot;
    int step;    // the slot's timer after this frame's advance
    int bounce;  // bounce offset of this step

    EffectTable& fx() const { return g.effects; }
    Canvas& cg() const { return g.layers.cg; }
    Canvas& bak() const { return g.layers.bak; }
    int& x() const { return g.effects.x[static_cast<size_t>(slot)]; }
    int& y() const { return g.effects.y[static_cast<size_t>(slot)]; }
    int& fromX() const { return g.effects.fromX[static_cast<size_t>(slot)]; }
    int& fromY() const { return g.effects.fromY[static_cast<size_t>(slot)]; }
    int& param1() const { return g.effects.param1[static_cast<size_t>(slot)]; }
    int& param2() const { return g.effects.param2[static_cast<size_t>(slot)]; }
    int& timer() const { return g.effects.timer[static_cast<size_t>(slot)]; }
    EffectKind kind() const { return ToEffectKind(g.effects.kind[static_cast<size_t>(slot)]); }
    std::string_view text() const { return g.effects.text[static_cast<size_t>(slot)]; }
    // Ends the effect once its last step has been drawn.
    void EndAt(int lastStep) const {
        if (step >= lastStep) timer() = 0;
    }
};

// The animated shapes the shape kinds are made of. Each plays over a number of steps around
// the slot's point; a kind picks one with its own colour, size, length and element count.
enum class Look : uint8_t {
    Ring, Implode, Ripples, Flash, Orbit, Bubbles, Drops, Scatter, Oval, Spiral, Pulse, Missile,  // ellipses
    Rays, Converge, Slash, Cross, Bolt, Rain, Spokes, Pillar, Scan, Claw, Beam, Star,             // lines
    Frame, Shutter, Blocks, Column, Band, Box,                                                   // rectangles
};

struct Recipe {
    EffectKind kind;
    Look look;
    Colour colour;
    uint8_t size;   // radius or half-length in pixels
    uint8_t steps;  // the effect ends after this step
    uint8_t count;  // rings, rays, dots or bars
};

// Draws one frame of a look onto the overlay; ending the effect is left to the caller.
void DrawLook(const EffectSlot& e, Look look, Colour colour, int size, int steps, int count);

// Characters, not bytes, decide the font size of number labels.
int CharCount(std::string_view text);

// The effect pass's kinds with a look fixed in every detail; false for any other kind.
bool DrawFixedKind(const EffectSlot& e);
// Shapes, marks, pictures, small texts and the kinds that spawn further effects.
bool DrawShapeKind(const EffectSlot& e);
// The overlay pass's kinds (500 and above); false for a kind it does not know.
bool DrawOverlayKind(const EffectSlot& e);

// A caption in the Mincho face across the screen's middle, fading by fadePerStep a step.
void DrawBigCaption(const EffectSlot& e, Colour base, int fadePerStep);

bool IsFixedKind(EffectKind kind);
bool IsShapeKind(EffectKind kind);
bool IsOverlayKind(EffectKind kind);

}  // namespace kestrilon
