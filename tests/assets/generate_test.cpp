// Feeding new names into the plan, writing files, and what the full-screen pictures
// must leave room for.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "art.h"
#include "asset_plan.h"
#include "generate.h"
#include "render/pictures.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

using assets::AssetPlan;
using assets::PictureJob;
using assets::PictureKind;

const PictureJob* Find(const AssetPlan& plan, std::string_view name) {
    for (const PictureJob& job : plan.pictures)
        if (job.name == name) return &job;
    return nullptr;
}

std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GenerateTest : public testing::GameTest {};

TEST_F(GenerateTest, EnemiesAndDungeonsFedFromATableGetTheirPicturesOnce) {
    AssetPlan plan = assets::PlanAssets(g);
    const size_t before = plan.pictures.size();
    const assets::EnemyPicture enemies[] = {
        {"unit112.bmp", "スライム", 3},   // kept at its own size by the cache
        {"unit70.bmp", "ワーウルフ", 0},  // doubled
        {"unit0.bmp", "訓練生", 0},       // already planned
    };
    assets::AddEnemyPictures(plan, enemies);
    const assets::DungeonPicture dungeons[] = {{"cave.jpg", "新しい洞窟"}, {"kabe.jpg", "再構成トンネル"}};
    assets::AddDungeonPictures(plan, dungeons);
    EXPECT_EQ(plan.pictures.size(), before + 3);

    const PictureJob* own = Find(plan, "unit112.bmp");
    const PictureJob* doubled = Find(plan, "unit70.bmp");
    const PictureJob* cave = Find(plan, "cave.jpg");
    ASSERT_TRUE(own && doubled && cave);
    EXPECT_EQ(own->width, 128);
    EXPECT_EQ(doubled->width, 64);
    EXPECT_EQ(own->element, 3);
    EXPECT_EQ(cave->kind, PictureKind::DungeonBackground);
    const Canvas picture = assets::DrawPicture(*cave);
    EXPECT_EQ(picture.Width(), 800);
    EXPECT_EQ(picture.Height(), 600);
}

TEST_F(GenerateTest, EveryBuildWritesTheSameBytes) {
    AssetPlan full = assets::PlanAssets(g);
    AssetPlan plan;
    for (std::string_view name : {"title.bmp", "hill.jpg", "card_d_ex.bmp", "unit18.bmp", "mizu.bmp"})
        plan.pictures.push_back(*Find(full, name));
    plan.pictures.push_back(*Find(full, g.cards[1000].image.empty() ? "card_yubi.jpg" : g.cards[1000].image));
    plan.waves = {"coin.wav", "kaminari.wav"};
    const auto one = os.ProgramFolder() / "one", two = os.ProgramFolder() / "two";
    assets::GenerateOptions options;
    options.music = false;
    const assets::GenerateReport a = assets::Generate(plan, one / "cg", one / "dat", options);
    const assets::GenerateReport b = assets::Generate(plan, two / "cg", two / "dat", options);
    EXPECT_EQ(a.pictures, 6);
    EXPECT_EQ(a.waves, 2);
    EXPECT_TRUE(a.failed.empty() && b.failed.empty());
    for (const PictureJob& job : plan.pictures) {
        const std::string first = Slurp(one / "cg" / job.name);
        EXPECT_FALSE(first.empty()) << job.name;
        EXPECT_EQ(first, Slurp(two / "cg" / job.name)) << job.name;
    }
    for (const std::string& wave : plan.waves) EXPECT_EQ(Slurp(one / "dat" / wave), Slurp(two / "dat" / wave)) << wave;
}

TEST_F(GenerateTest, FilesThatCannotBeWrittenAreReported) {
    AssetPlan plan = assets::PlanAssets(g);
    plan.pictures.resize(2);
    plan.waves.resize(1);
    plan.music.clear();
    const auto blocked = os.ProgramFolder() / "blocked";
    std::ofstream(blocked) << "a file where the folders should be";
    const assets::GenerateReport report = assets::Generate(plan, blocked / "cg", blocked / "dat");
    EXPECT_EQ(report.pictures, 0);
    EXPECT_EQ(report.waves, 0);
    EXPECT_EQ(report.failed.size(), 3u);
}

// Sprites and zoomed pictures are OR-combined onto these, and white text is written over
// them: the part above the buttons must stay dark.
TEST_F(GenerateTest, BackgroundsLeaveRoomForSpritesAndText) {
    const AssetPlan plan = assets::PlanAssets(g);
    int checked = 0;
    for (const PictureJob& job : plan.pictures) {
        if (job.kind != PictureKind::DungeonBackground && job.kind != PictureKind::MenuScreen &&
            job.kind != PictureKind::Splash)
            continue;
        ++checked;
        const Canvas c = assets::DrawPicture(job);
        double sum = 0;
        int bright = 0, n = 0;
        for (int y = 0; y < 400; y += 2)
            for (int x = 0; x < 800; x += 2) {
                const Colour p = c.Pixel(x, y);
                const int luma = (RedOf(p) * 3 + GreenOf(p) * 6 + BlueOf(p)) / 10;
                sum += luma;
                bright += luma > 170;
                ++n;
            }
        EXPECT_LT(sum / n, 70) << job.name;
        EXPECT_LT(bright, n / 50) << job.name;
    }
    EXPECT_EQ(checked, 23);
}

TEST_F(GenerateTest, EventObjectsSitInTheMiddleOfTheirPicture) {
    const AssetPlan plan = assets::PlanAssets(g);
    for (const PictureJob& job : plan.pictures) {
        if (job.kind != PictureKind::Event && job.kind != PictureKind::Enemy) continue;
        const Canvas c = assets::DrawPicture(job);
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x)
                if (c.Pixel(x, y) != assets::kSpriteBackground) {
                    sx += x;
                    sy += y;
                    ++n;
                }
        ASSERT_GT(n, 0) << job.name;
        EXPECT_NEAR(sx / n / c.Width(), 0.5, 0.15) << job.name;
        EXPECT_NEAR(sy / n / c.Height(), 0.5, 0.2) << job.name;
    }
}

}  // namespace
}  // namespace kestrilon
