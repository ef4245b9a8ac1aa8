#pragma once
// Helpers for looking at what the renderer drew.
#include <algorithm>
#include <string>

#include "gfx/canvas.h"
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
    const int rowBytes = (size * 3 + 3) & ~3;
    std::string bmp(54 + static_cast<size_t>(rowBytes * size), '\0');
    auto put32 = [&bmp](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(size));
    put32(22, static_cast<uint32_t>(size));
    bmp[26] = 1;
    bmp[28] = 24;
    for (int row = 0; row < size; ++row)
        for (int x = 0; x < size; ++x) {
            // Rows are stored bottom-up: row 0, column 0 is the bottom-left key pixel.
            const Colour c = row == 0 && x == 0 ? 0 : body;
            const size_t at = 54 + static_cast<size_t>(row * rowBytes + x * 3);
            bmp[at] = static_cast<char>(BlueOf(c));
            bmp[at + 1] = static_cast<char>(GreenOf(c));
            bmp[at + 2] = static_cast<char>(RedOf(c));
        }
    os.WriteFile("cg/" + name, bmp);
}

}  // namespace kestrilon::testing
