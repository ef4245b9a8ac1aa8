// Plays every screen-effect kind in turn on a plain backdrop and writes, for each kind, a
// sheet of eight frames taken across its life (kind_NNN.png), each the middle of the screen at
// full size, so each effect can be looked at.
// With --all every frame of every kind is written too (kind_NNN_frame_MMM.png).
//
//   kestrilon-effects [output folder] [--all]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "gfx/picture_writer.h"
#include "scripted_platform.h"
#include "render/effects.h"
#include "render/message_log.h"
#include "state/game.h"

namespace fs = std::filesystem;
using namespace kestrilon;

namespace {

constexpr std::string_view kSamplePicture = "effect_sample.bmp";

// A 48 x 48 emblem for the picture kinds, with a black key pixel in its bottom-left corner.
void WriteSamplePicture(const fs::path& file) {
    constexpr int kSize = 48;
    Canvas emblem(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int dx = x - kSize / 2, dy = y - kSize / 2;
            const int d2 = dx * dx + dy * dy;
            const bool cross = std::abs(dx) < 3 || std::abs(dy) < 3;
            if (d2 < 22 * 22 && d2 > 14 * 14) emblem.SetPixel(x, y, Rgb(255, 200, 60));
            else if (cross && d2 < 14 * 14) emblem.SetPixel(x, y, Rgb(90, 160, 255));
        }
    fs::create_directories(file.parent_path());
    WriteBmp(emblem, file);
}

using enum EffectKind;

// The text a caller of the game would hand to each kind.
std::string_view SampleText(EffectKind kind) {
    switch (kind) {
        case DamageNumber: return "1234";
        case RainbowText: return "レインボー";
        case RisingNumber: return "25";
        case TinyText: return "tiny text";
        case MulticolourText: return "ＧＲＥＡＴ！";
        case RedCaption: return "ブック枯渇";
        case Label: return "防御";
        case DriftingText: return "ドロップ";
        case SinkingText: return "+120";
        case BlinkingRedCaption: return "-1 Turn Kill-";
        case ElementCaption: return "効果Ⅲ";
        case WavyText: return "ゆらゆら";
        case RaysWithNumber: return "3";
        case WeaknessLabel: return "遠隔弱点!";
        case ResistanceLabel: return "遠隔耐性";
        case Label2: return "近接耐性";
        case Label3: return "魔法弱点！";
        case Label4: return "魔法耐性";
        case GoldBandWithText:
        case SlidingText: return "LEVEL UP→12";
        case GrowingText: return "ズーム";
        case WhiteBigCaption: return "秘宝 金の王冠 入手!!";
        case RedBarsWithCaption:
        case GoldBigCaption: return "撃    滅";
        case DarkRedBandWithCaption:
        case RedBigCaption: return "殲    滅";
        case ElementBurst: return "3";
        case RedBanner: return "全　　滅";
        case GoldBanner: return "勝　　利";
        case RisingPicture:
        case PictureInRays:
        case PictureOverScanLines: return kSamplePicture;
        default: break;
    }
    if (kind >= RisingGreenText && kind <= RisingRainbowText) return "+15 HP";
    return "88";
}

bool IsMover(EffectKind kind) {
    return kind == OrangeMissile || kind == YellowBeam || kind == BulletTracer || kind == ArrowTracer;
}

// A dim scene with a grid, so light added by the overlay and black text boxes both show.
void DrawBackdrop(Canvas& c) {
    for (int y = 0; y < c.Height(); y += 4)
        c.Fill({0, y, c.Width(), y + 4}, Rgb(24 + y / 30, 20 + y / 40, 34 + y / 25));
    for (int x = 0; x < c.Width(); x += 50) c.Fill({x, 0, x + 1, c.Height()}, Rgb(40, 40, 56));
    for (int y = 0; y < c.Height(); y += 50) c.Fill({0, y, c.Width(), y + 1}, Rgb(40, 40, 56));
}

}  // namespace

int main(int argc, char** argv) {
    fs::path out = "effects-png";
    bool allFrames = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--all")
            allFrames = true;
        else
            out = arg;
    }
    fs::create_directories(out);
    const fs::path program = out / "program";
    WriteSamplePicture(program / "cg" / std::string(kSamplePicture));

    tools::ScriptedPlatform platform(program);
    auto game = std::make_unique<Game>(platform, 177);
    Game& g = *game;
    Bitmap backdrop(kScreenWidth, kScreenHeight);
    DrawBackdrop(backdrop);
    g.layers.LayerTable[kLayerComposed].Resize(kScreenWidth, kScreenHeight);
    g.layers.LayerTable[kLayerComposed].Copy(backdrop, 0, 0, kScreenWidth, kScreenHeight);
    g.layers.LayerTable[kLayerComposed].Fill({300, 200, 500, 400}, Rgb(120, 90, 60));
    g.battle.chainElement = 2;

    constexpr int kSheetColumns = 4;
    constexpr int kSamples = 8;
    // Each cell shows the middle of the screen at full size, where every kind is spawned.
    constexpr int kCellWidth = kScreenWidth / 2;
    constexpr int kCellHeight = kScreenHeight / 2;
    constexpr int kCropLeft = (kScreenWidth - kCellWidth) / 2;
    constexpr int kCropTop = (kScreenHeight - kCellHeight) / 2;
    Bitmap sheet(kCellWidth * kSheetColumns, kCellHeight * (kSamples / kSheetColumns));
    const Font label{kGothic, 10, true, false};
    int written = 0;

    // Plays one kind from a fixed start and calls draw(frame) after each composed frame;
    // replaying it gives the same frames, so the samples can be taken on a second run.
    const Rng start = g.looks;
    auto play = [&](EffectKind kind, auto&& draw) {
        g.looks = start;
        g.frame.FrameTick = 0;
        g.effects = EffectTable{};
        g.effects.ring = kEffectSlots - 1;
        if (IsMover(kind))
            SpawnMover(g, 250, 420, 520, 230, kind);
        else
            SpawnEffect(g, 400, 300, kind, SampleText(kind));
        int frame = 0;
        for (; frame < 800; ++frame) {
            bool playing = false;
            for (int t : g.effects.timer) playing = playing || t > 0;
            if (!playing) break;
            g.frame.FrameTick = (g.frame.FrameTick + 1) % 1000;
            g.layers.cg.Copy(backdrop, 0, 0, kScreenWidth, kScreenHeight);
            g.layers.bak.Clear(0);
            RenderFrame(g);
            g.layers.cg.OrCombine(g.layers.bak, 0, 0, kScreenWidth, kScreenHeight);
            draw(frame);
        }
        return frame;
    };

    for (EffectKind kind : DrawnEffectKinds()) {
        const int code = KindCode(kind);
        const int life = play(kind, [&](int frame) {
            if (!allFrames) return;
            char name[64];
            std::snprintf(name, sizeof name, "kind_%03d_frame_%03d.png", code, frame + 1);
            g.layers.cg.SavePng(out / name);
        });
        sheet.Clear(0);
        play(kind, [&](int frame) {
            for (int i = 0; i < kSamples; ++i) {
                if (frame != life * i / kSamples) continue;
                const int cx = (i % kSheetColumns) * kCellWidth;
                const int cy = (i / kSheetColumns) * kCellHeight;
                sheet.Copy(g.layers.cg, cx, cy, kCellWidth, kCellHeight, kCropLeft, kCropTop);
                char caption[64];
                std::snprintf(caption, sizeof caption, "kind %d  frame %d/%d", code, frame + 1, life);
                sheet.Text(cx + 4, cy + 2, caption, label, 0xFFFFFF, 0);
                sheet.Fill({cx + kCellWidth - 1, cy, cx + kCellWidth, cy + kCellHeight}, 0x808080);
                sheet.Fill({cx, cy + kCellHeight - 1, cx + kCellWidth, cy + kCellHeight}, 0x808080);
            }
        });
        char name[32];
        std::snprintf(name, sizeof name, "kind_%03d.png", code);
        if (sheet.SavePng(out / name)) ++written;
    }
    std::printf("%d effect sheets written to %s\n", written, out.string().c_str());
    return written > 0 ? 0 : 1;
}
