#pragma once
// Helpers for looking at what the renderer drew.
#include <algorithm>
#include <string>

#include "gfx/canvas.h"
#include "gfx/picture_writer.h"
#include "support/fake_platform.h"

namespace kestrilon::testing {

// True when some pixel inside r is not black.
inline bool AnyLit(const Canvas& c, Rect r) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, c.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, c.Width()); ++x)
            if (c.Pixel(x, y) != 0) return true;
    return false;
}

inline bool HasColour(const Canvas& c, Rect r, Colour colour) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, c.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, c.Width()); ++x)
            if (c.Pixel(x, y) == colour) return true;
    return false;
}

// A 24-bit picture with a black key pixel in its bottom-left corner and a coloured body,
// so that colour-key transparency leaves something to see.
inline void WritePicture(FakePlatform& os, const std::string& name, int size, Colour body) {
    Canvas picture(size, size);
    picture.Clear(body);
    picture.SetPixel(0, size - 1, 0);
    WriteBmp(picture, os.ProgramFolder() / "cg" / name);
}

}  // namespace kestrilon::testing
