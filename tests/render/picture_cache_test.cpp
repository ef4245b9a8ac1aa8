#include <string>

#include "gfx/picture_writer.h"
#include "render/pictures.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

class PictureCacheTest : public testing::GameTest {};

TEST_F(PictureCacheTest, LoadsEachNameOnce) {
    os.WriteBmp("cg/unit0.bmp", 30, 20, Rgb(1, 2, 3));
    PictureCacheGet(g, "unit0.bmp");
    PictureCacheGet(g, "unit0.bmp");
    EXPECT_EQ(g.layers.diskLoads, 1);
    EXPECT_EQ(g.layers.PictureCache->cursor, 1);  // the first miss takes slot 1
}

TEST_F(PictureCacheTest, SpritesAreDoubledAndCardsKeepTheirSize) {
    os.WriteBmp("cg/0.jpg.bmp", 4, 4, 0);
    os.WriteJpeg("cg/0.jpg", 40, 30, Rgb(90, 90, 90));
    os.WriteBmp("cg/card_d.bmp", 16, 16, Rgb(5, 5, 5));
    os.WriteBmp("cg/hint.bmp", 16, 16, Rgb(5, 5, 5));
    const Bitmap& doubled = PictureCacheGet(g, "0.jpg");
    EXPECT_EQ(doubled.Width(), 80);
    EXPECT_EQ(doubled.Height(), 60);
    EXPECT_TRUE(doubled.Transparent());
    EXPECT_EQ(PictureCacheGet(g, "card_d.bmp").Width(), 16);
    EXPECT_EQ(PictureCacheGet(g, "hint.bmp").Width(), 16);
}

// Doubling copies every pixel: the key stays the sprite's own bottom-left colour, so its black
// pixels are drawn and only its key-coloured ones are left out.
TEST_F(PictureCacheTest, DoubledSpritesKeepTheirKeyColourAndTheirBlack) {
    g.layers.LayerTable[kLayerScratch].SetTransparent(true);  // as start-up leaves every layer
    constexpr Colour kKey = Rgb(255, 0, 255);
    Canvas sprite(4, 4);
    sprite.Clear(kKey);
    sprite.SetPixel(1, 1, 0);
    sprite.SetPixel(2, 1, Rgb(0, 200, 0));
    WriteBmp(sprite, os.ProgramFolder() / "cg" / "unit9.bmp");

    const Bitmap& doubled = PictureCacheGet(g, "unit9.bmp");
    ASSERT_EQ(doubled.Width(), 8);
    EXPECT_EQ(doubled.KeyColour(), kKey);
    Canvas scene(8, 8);
    scene.Clear(Rgb(0, 0, 255));
    scene.Draw(doubled, 0, 0);
    EXPECT_EQ(scene.Pixel(2, 2), 0u);
    EXPECT_EQ(scene.Pixel(3, 3), 0u);
    EXPECT_EQ(scene.Pixel(5, 3), Rgb(0, 200, 0));
    EXPECT_EQ(scene.Pixel(0, 0), Rgb(0, 0, 255));
    EXPECT_EQ(scene.Pixel(7, 7), Rgb(0, 0, 255));
}

TEST_F(PictureCacheTest, CursorWrapsAndEvictedNamesReload) {
    os.WriteBmp("cg/pet1.bmp", 2, 2, Rgb(7, 7, 7));
    PictureCacheGet(g, "pet1.bmp");  // slot 1
    for (int i = 0; i < kCacheSlots - 1; ++i) PictureCacheGet(g, "missing" + std::to_string(i) + ".bmp");
    EXPECT_EQ(g.layers.PictureCache->cursor, 0);  // 3000 wrapped to 0
    EXPECT_EQ(g.layers.PictureCache->names[0], "missing2999.bmp");
    PictureCacheGet(g, "pet1.bmp");  // still in slot 1
    const int loads = g.layers.diskLoads;
    PictureCacheGet(g, "another.bmp");  // takes slot 1 away from pet1
    PictureCacheGet(g, "pet1.bmp");
    EXPECT_EQ(g.layers.diskLoads, loads + 2);
    EXPECT_EQ(PictureCacheGet(g, "pet1.bmp").Pixel(0, 0), Rgb(7, 7, 7));
}

TEST_F(PictureCacheTest, MissingPictureGivesAnEmptyBitmapOnce) {
    EXPECT_TRUE(PictureCacheGet(g, "nothing.bmp").Empty());
    PictureCacheGet(g, "nothing.bmp");
    EXPECT_EQ(g.layers.diskLoads, 1);
}

TEST_F(PictureCacheTest, ThumbnailsAreCutTo198By98) {
    os.WriteJpeg("cg/card_sue.jpg", 300, 150, Rgb(0, 0, 200));
    os.WriteJpeg("cg/card_small.jpg", 20, 20, Rgb(0, 200, 0));
    const Bitmap& thumb = ThumbCacheGet(g, "card_sue.jpg");
    EXPECT_EQ(thumb.Width(), 198);
    EXPECT_EQ(thumb.Height(), 98);
    EXPECT_NEAR(BlueOf(thumb.Pixel(197, 97)), 200, 8);
    const Bitmap& small = ThumbCacheGet(g, "card_small.jpg");
    EXPECT_EQ(small.Width(), 198);
    EXPECT_EQ(small.Pixel(100, 50), 0u);
    ThumbCacheGet(g, "card_sue.jpg");
    EXPECT_EQ(g.layers.diskLoads, 2);
}

TEST_F(PictureCacheTest, CardFramePictureLastMarkWins) {
    g.cards[5].kind = 1;
    EXPECT_EQ(CardFramePicture(g, 5), "card_d.bmp");
    g.cards[5].isRare = 1;
    g.cards[5].isUltraRare = 1;
    EXPECT_EQ(CardFramePicture(g, 5), "card_d_boss.bmp");
    g.cards[5].isLure = 1;
    EXPECT_EQ(CardFramePicture(g, 5), "card_d_clear.bmp");
    g.cards[1200].kind = 2;
    g.cards[1200].isSecret = 1;
    EXPECT_EQ(CardFramePicture(g, 1200), "card_b_hihou.bmp");
    EXPECT_EQ(CardFramePicture(g, 2500), "card_b.bmp");  // not a dungeon card
}

TEST_F(PictureCacheTest, ShowPictureReplacesTheBackgroundOnlyWhenLoaded) {
    os.WriteJpeg("cg/1.jpg", 800, 600, Rgb(0, 120, 0));
    ShowPicture(g, "1.jpg");
    EXPECT_NEAR(GreenOf(g.layers.LayerTable[kLayerComposed].Pixel(400, 300)), 120, 8);
    EXPECT_EQ(g.frame.BackgroundDirty, 0);
    ShowPicture(g, "gone.jpg");
    EXPECT_NEAR(GreenOf(g.layers.LayerTable[kLayerBackground].Pixel(400, 300)), 120, 8);
}

}  // namespace
}  // namespace kestrilon
