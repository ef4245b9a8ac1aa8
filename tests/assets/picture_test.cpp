// The pictures: colour-keyed sprites, card faces that show their card, sizes that follow
// the picture cache, and files that read back as written.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "art.h"
#include "asset_plan.h"
#include "data/card_database.h"
#include "gfx/picture_writer.h"
#include "render/pictures.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

using assets::PictureJob;
using assets::PictureKind;

class PictureTest : public testing::GameTest {
protected:
    assets::AssetPlan plan = assets::PlanAssets(g);

    const PictureJob& Job(std::string_view name) const {
        for (const PictureJob& job : plan.pictures)
            if (job.name == name) return job;
        ADD_FAILURE() << "no job for " << name;
        return plan.pictures.front();
    }
};

bool Keyed(PictureKind kind) {
    return kind == PictureKind::Enemy || kind == PictureKind::Death || kind == PictureKind::SpiritBeast ||
           kind == PictureKind::CardFrame || kind == PictureKind::HintIcon || kind == PictureKind::Event;
}

TEST_F(PictureTest, SpritesKeepTheirBackgroundAtTheBorderAndAFigureInside) {
    int sprites = 0;
    for (const PictureJob& job : plan.pictures) {
        if (!Keyed(job.kind)) continue;
        ++sprites;
        const Canvas c = assets::DrawPicture(job);
        ASSERT_EQ(c.Width(), job.width) << job.name;
        EXPECT_EQ(c.KeyColour(), assets::kSpriteBackground) << job.name;
        // The whole border is background, so no figure pixel shares the corner's colour by accident of position.
        bool border = true;
        for (int x = 0; x < c.Width(); ++x) border = border && c.Pixel(x, 0) == 0 && c.Pixel(x, c.Height() - 1) == 0;
        for (int y = 0; y < c.Height(); ++y) border = border && c.Pixel(0, y) == 0 && c.Pixel(c.Width() - 1, y) == 0;
        EXPECT_TRUE(border) << job.name;
        int figure = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) figure += c.Pixel(x, y) != 0;
        EXPECT_GT(figure, c.Width() * c.Height() / 10) << job.name << " is nearly empty";
    }
    EXPECT_GT(sprites, 80);
}

TEST_F(PictureTest, AGeneratedSpriteDrawsOnlyItsFigureThroughTheCache) {
    ASSERT_TRUE(WritePicture(assets::DrawPicture(Job("unit0.bmp")), os.ProgramFolder() / "cg" / "unit0.bmp"));
    const Bitmap& sprite = PictureCacheGet(g, "unit0.bmp");
    ASSERT_EQ(sprite.Width(), 128);
    Canvas scene(200, 200);
    scene.Clear(Rgb(10, 200, 30));
    scene.Draw(sprite, 0, 0);
    EXPECT_EQ(scene.Pixel(1, 1), Rgb(10, 200, 30));      // the corner is keyed out
    EXPECT_EQ(scene.Pixel(130, 130), Rgb(10, 200, 30));  // beyond the sprite
    int covered = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) covered += scene.Pixel(x, y) != Rgb(10, 200, 30);
    EXPECT_GT(covered, 128 * 128 / 10);
    EXPECT_LT(covered, 128 * 128 * 9 / 10);
}

TEST_F(PictureTest, SpriteSizesFollowTheCacheDoublingRule) {
    for (const PictureJob& job : plan.pictures) {
        if (job.kind != PictureKind::Enemy && job.kind != PictureKind::Death) continue;
        const int onScreen = PictureKeepsOwnSize(job.name) ? job.width : job.width * 2;
        EXPECT_GE(onScreen, 120) << job.name;
        EXPECT_LE(onScreen, 160) << job.name;
    }
    EXPECT_EQ(Job("unit107.bmp").width, 128);  // kept at its own size
    EXPECT_EQ(Job("unit108.bmp").width, 64);   // doubled at load
    EXPECT_EQ(Job("pet3.bmp").width, 64);
}

// Mean colour of the inside of a card face, away from its texts and emblem.
std::array<double, 3> MeanInside(const Canvas& c) {
    std::array<double, 3> sum{};
    int n = 0;
    for (int y = 30; y < 70; ++y)
        for (int x = 10; x < 110; ++x) {
            const Colour p = c.Pixel(x, y);
            sum[0] += RedOf(p);
            sum[1] += GreenOf(p);
            sum[2] += BlueOf(p);
            ++n;
        }
    for (double& v : sum) v /= n;
    return sum;
}

TEST_F(PictureTest, CardFacesTakeTheirElementColourAndShowTheirName) {
    PictureJob fire;
    fire.name = "card_test_fire.jpg";
    fire.kind = PictureKind::CardFace;
    fire.width = 198;
    fire.height = 98;
    fire.label = "ヴァハ";
    fire.element = 2;
    fire.card.action = 200;
    PictureJob water = fire;
    water.element = 3;
    PictureJob nameless = fire;
    nameless.label.clear();

    const auto red = MeanInside(assets::DrawPicture(fire));
    const auto blue = MeanInside(assets::DrawPicture(water));
    EXPECT_GT(red[0], red[2] + 10);
    EXPECT_GT(blue[2], blue[0] + 10);

    // The name is written in white on the dark band at the top.
    auto bright = [](const Canvas& c) {
        int n = 0;
        for (int y = 3; y < 23; ++y)
            for (int x = 3; x < 120; ++x) n += RedOf(c.Pixel(x, y)) > 200 && BlueOf(c.Pixel(x, y)) > 200;
        return n;
    };
    EXPECT_GT(bright(assets::DrawPicture(fire)), 30);
    EXPECT_EQ(bright(assets::DrawPicture(nameless)), 0);
}

TEST_F(PictureTest, FacesOfSharedPicturesShowTheFirstCardAndPlanNamesAreUnique) {
    std::set<std::string> names;
    for (const PictureJob& job : plan.pictures) {
        EXPECT_TRUE(names.insert(job.name).second) << job.name << " twice";
        EXPECT_TRUE(job.name.ends_with(".bmp") || job.name.ends_with(".jpg")) << job.name;
    }
    // Several shoes share one picture; it carries the lowest id's name.
    FillCardDatabase(g);
    const PictureJob& shoe = Job(g.cards[2].image);
    EXPECT_EQ(shoe.kind, PictureKind::CardFace);
    int first = 0;
    for (int id = 1; id < kCardIds && first == 0; ++id)
        if (g.cards[id].image == shoe.name) first = id;
    EXPECT_EQ(shoe.label, g.cards[first].name);
    EXPECT_TRUE(shoe.dungeonCard);
}

TEST_F(PictureTest, DrawingIsDeterministic) {
    for (std::string_view name : {"kabe.jpg", "0.jpg", "unit4.bmp", "trager3.bmp", "card_b_ex.bmp"}) {
        const Canvas a = assets::DrawPicture(Job(name));
        const Canvas b = assets::DrawPicture(Job(name));
        bool same = true;
        for (int y = 0; y < a.Height() && same; ++y)
            for (int x = 0; x < a.Width() && same; ++x) same = a.Pixel(x, y) == b.Pixel(x, y);
        EXPECT_TRUE(same) << name;
    }
}

TEST(ImageFileTest, BmpReadsBackExactlyWithRowPadding) {
    Canvas c(5, 3);  // 15 bytes a row, padded to 16
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) c.SetPixel(x, y, Rgb(x * 50, y * 80, 255 - x * 20));
    const auto file = std::filesystem::temp_directory_path() / "kestrilon-assets-test.bmp";
    ASSERT_TRUE(WritePicture(c, file));
    EXPECT_EQ(std::filesystem::file_size(file), 54u + 16 * 3);
    Canvas back;
    ASSERT_TRUE(back.LoadFile(file));
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.Pixel(x, y), c.Pixel(x, y)) << x << "," << y;
    std::filesystem::remove(file);
}

TEST(ImageFileTest, JpegIsChosenByExtensionAndKeepsColours) {
    Canvas c(64, 32);
    c.Fill({0, 0, 32, 32}, Rgb(200, 30, 30));
    c.Fill({32, 0, 64, 32}, Rgb(30, 30, 200));
    const auto file = std::filesystem::temp_directory_path() / "kestrilon-assets-test.JPG";
    ASSERT_TRUE(WritePicture(c, file));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(in.get(), 0xFF);
    EXPECT_EQ(in.get(), 0xD8);  // a JPEG start-of-image, not a bitmap
    Canvas back;
    ASSERT_TRUE(back.LoadFile(file));
    EXPECT_NEAR(RedOf(back.Pixel(8, 16)), 200, 12);
    EXPECT_NEAR(BlueOf(back.Pixel(56, 16)), 200, 12);
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace kestrilon
