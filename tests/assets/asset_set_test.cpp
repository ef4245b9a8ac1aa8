// The generated set holds every picture, wave and music file the game can ask for, and
// every file decodes.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "asset_plan.h"
#include "data/card_database.h"
#include "data/sound_names.h"
#include "generate.h"
#include "render/pictures.h"
#include "support/game_fixture.h"

namespace kestrilon {
namespace {

using assets::GenerateOptions;

std::vector<unsigned char> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::vector<unsigned char>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

// Names the game code spells out itself: screens, event objects, enemies of the enemy
// table and the special encounters, and the dungeon backgrounds.
const std::vector<std::string> kScreenPictures = {"title.bmp", "0.jpg", "1.jpg", "pic00.jpg", "pic01.jpg", "pic02.jpg",
                                                  "pic03.jpg"};
const std::vector<std::string> kEventPictures = {
    "door.bmp", "blood.bmp", "camp.bmp", "kankin.bmp", "mizu.bmp", "toge.bmp", "kiretu.bmp", "trager1.bmp",
    "trager2.bmp", "trager3.bmp", "trager4.bmp", "trager5.bmp", "trager6.bmp", "trager7.bmp", "trager8.bmp",
    "angou.bmp", "ana.bmp", "trap.bmp", "tree1.bmp", "tree2.bmp", "tisou.bmp"};
const std::vector<std::string> kSpritePictures = {
    "unit0.bmp", "unit1.bmp", "leaf.bmp", "unit2.bmp", "unit101.bmp", "crown.bmp", "unit4.bmp", "unit102.bmp",
    "unit107.bmp", "unit122.bmp", "unit10.bmp", "unit105.bmp", "unit17.bmp", "unit103.bmp", "unit111.bmp",
    "unit18.bmp", "unit108.bmp", "unit51.bmp", "unit65.bmp", "unit42.bmp", "unit_tel.bmp", "unit_robo.bmp",
    "unit_snow.bmp", "unit110.bmp", "unit60.bmp", "choco.bmp", "unmei.bmp", "haine.bmp", "riria.bmp",
    "sokoku.bmp", "dorosy.bmp", "figaro.bmp", "ganyu.bmp", "death.bmp", "pet0.bmp", "pet1.bmp", "pet2.bmp",
    "pet3.bmp", "pet4.bmp", "pet5.bmp", "pet6.bmp", "pet7.bmp", "pet8.bmp", "pet9.bmp"};
const std::vector<std::string> kDungeonPictures = {
    "kabe.jpg", "hill.jpg", "block.jpg", "renga.jpg", "town.jpg", "suiro.jpg", "jungle.jpg",
    "gake.jpg", "danjon.jpg", "renga2.jpg", "suiro2.jpg", "utyu.jpg", "sky.jpg", "sky2.jpg",
    "block2.jpg", "rock.jpg", "rock2.jpg", "her.jpg", "renga3.jpg", "sayonara.jpg", "hill_white.jpg"};
class AssetSetTest : public testing::GameTest {
protected:
    std::filesystem::path Cg() const { return os.ProgramFolder() / "cg"; }
    std::filesystem::path Dat() const { return os.ProgramFolder() / "dat"; }
    assets::GenerateReport Make(bool pictures, bool waves, bool music) {
        auto game2 = std::make_unique<Game>(os, 3);
        const assets::AssetPlan plan = assets::PlanAssets(*game2);
        GenerateOptions options;
        options.pictures = pictures;
        options.waves = waves;
        options.music = music;
        return assets::Generate(plan, Cg(), Dat(), options);
    }
    // Every card the game can hold, whatever has been unlocked.
    void FillAllCards() {
        g.player.unlockFlags.fill(99);
        FillCardDatabase(g);
    }
};

TEST_F(AssetSetTest, EveryPictureTheGameNamesIsWrittenAndDecodes) {
    const assets::GenerateReport report = Make(true, false, false);
    EXPECT_TRUE(report.failed.empty());
    FillAllCards();

    std::set<std::string> faces;
    std::set<std::string> frames;
    for (int id = 1; id < kCardIds; ++id) {
        if (!g.cards[id].Exists()) continue;
        if (!g.cards[id].image.empty()) faces.insert(g.cards[id].image);
        frames.insert(CardFramePicture(g, id));
    }
    ASSERT_GT(faces.size(), 100u);
    for (const std::string& face : faces) {
        Canvas c;
        ASSERT_TRUE(c.LoadFile(Cg() / face)) << face;
        EXPECT_GE(c.Width(), 198) << face;
        EXPECT_GE(c.Height(), 98) << face;
    }

    // Frames of every mark, on cards of both kinds, as the log and the lists ask for them.
    titem& probe = g.cards[kCardIds - 1];
    for (int kind : {1, 2}) {
        for (int32_t titem::*mark : {&titem::isUltraRare, &titem::isRare, &titem::isTreasure, &titem::isSecret,
                                     &titem::isPaid, &titem::isCalling, &titem::isLure}) {
            probe = titem{};
            probe.kind = kind;
            frames.insert(CardFramePicture(g, kCardIds - 1));
            probe.*mark = 1;
            frames.insert(CardFramePicture(g, kCardIds - 1));
        }
    }
    EXPECT_EQ(frames.size(), 16u);
    frames.insert("hint.bmp");
    for (const std::string& icon : frames) {
        Canvas c;
        ASSERT_TRUE(c.LoadFile(Cg() / icon)) << icon;
        EXPECT_EQ(c.Width(), 16) << icon;
        EXPECT_EQ(c.Height(), 16) << icon;
    }

    std::vector<std::string> fullScreen = kScreenPictures;
    fullScreen.insert(fullScreen.end(), kDungeonPictures.begin(), kDungeonPictures.end());
    for (const std::string& name : fullScreen) {
        Canvas c;
        ASSERT_TRUE(c.LoadFile(Cg() / name)) << name;
        EXPECT_EQ(c.Width(), 800) << name;
        EXPECT_EQ(c.Height(), 600) << name;
    }
    for (const std::string& name : kEventPictures) {
        Canvas c;
        EXPECT_TRUE(c.LoadFile(Cg() / name)) << name;
    }
    // Through the game's own cache, doubled or not, every sprite takes a battle-sized place.
    for (const std::string& name : kSpritePictures) {
        const Bitmap& sprite = PictureCacheGet(g, name);
        const int low = name.starts_with("pet") ? 48 : 96;
        EXPECT_GE(sprite.Width(), low) << name;
        EXPECT_LE(sprite.Width(), 200) << name;
        EXPECT_EQ(sprite.Width(), sprite.Height()) << name;
    }
}

TEST_F(AssetSetTest, EveryWaveTheGameNamesIsA16BitPcmWave) {
    const assets::GenerateReport report = Make(false, true, false);
    EXPECT_TRUE(report.failed.empty());
    FillAllCards();
    std::set<std::string> names(WaveNames().begin(), WaveNames().end());
    for (int id = 1; id < kCardIds; ++id)
        if (g.cards[id].Exists() && !g.cards[id].sound.empty()) names.insert(g.cards[id].sound);
    EXPECT_TRUE(names.contains("muti.wav"));
    EXPECT_TRUE(names.contains("ya.wav"));

    for (const std::string& name : names) {
        const std::vector<unsigned char> b = ReadBytes(Dat() / name);
        ASSERT_GE(b.size(), 44u) << name;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
        EXPECT_EQ(Le(b, 4, 4), b.size() - 8) << name;
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
        EXPECT_EQ(Le(b, 20, 2), 1u) << name;  // PCM
        EXPECT_EQ(Le(b, 22, 2), 1u) << name;
        EXPECT_EQ(Le(b, 24, 4), 44100u) << name;
        EXPECT_EQ(Le(b, 34, 2), 16u) << name;
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << name;
        const uint32_t samples = Le(b, 40, 4) / 2;
        EXPECT_EQ(Le(b, 40, 4), b.size() - 44) << name;
        EXPECT_GT(samples, 441u) << name;        // at least 10 ms
        EXPECT_LT(samples, 44100u * 4) << name;  // a short effect
        int peak = 0;
        for (uint32_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(static_cast<int16_t>(Le(b, 44 + 2 * i, 2))));
        EXPECT_GT(peak, 3000) << name << " is nearly silent";
        EXPECT_EQ(static_cast<int16_t>(Le(b, b.size() - 2, 2)), 0) << name << " ends with a click";
    }
}

struct Mp3Walk {
    int frames = 0;
    bool clean = true;  // every byte belongs to a frame
    int rate = 0;
};

// Follows the frame headers of an MPEG-1 Layer III stream from the first byte to the last.
Mp3Walk WalkMp3(const std::vector<unsigned char>& b) {
    static constexpr int kBitrates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr int kRates[] = {44100, 48000, 32000, 0};
    Mp3Walk walk;
    size_t at = 0;
    while (at + 4 <= b.size()) {
        const uint32_t h = (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) | b[at + 3];
        const bool sync = (h >> 21) == 0x7FF, mpeg1 = ((h >> 19) & 3) == 3, layer3 = ((h >> 17) & 3) == 1;
        const int kbps = kBitrates[(h >> 12) & 15], rate = kRates[(h >> 10) & 3];
        if (!sync || !mpeg1 || !layer3 || kbps == 0 || rate == 0) {
            walk.clean = false;
            return walk;
        }
        walk.rate = rate;
        ++walk.frames;
        at += static_cast<size_t>(144000 * kbps / rate + ((h >> 9) & 1));
    }
    walk.clean = walk.clean && at == b.size();
    return walk;
}

TEST_F(AssetSetTest, TheFiveMusicFilesAreMp3LoopsOfHalfAMinuteToAMinute) {
    const assets::GenerateReport report = Make(false, false, true);
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(report.music, 5);
    for (std::string_view name : MusicNames()) {
        const std::vector<unsigned char> b = ReadBytes(Dat() / name);
        ASSERT_GT(b.size(), 10000u) << name;
        const Mp3Walk walk = WalkMp3(b);
        EXPECT_TRUE(walk.clean) << name;
        ASSERT_EQ(walk.rate, 44100) << name;
        const double seconds = (walk.frames - 1) * 1152.0 / walk.rate;  // the first frame only carries the info tag
        EXPECT_GE(seconds, 30.0) << name;
        EXPECT_LE(seconds, 60.5) << name;
    }
}

TEST(Mp3WalkTest, RejectsAStreamThatLosesItsFrameSync) {
    std::vector<unsigned char> frame(417, 0);  // 128 kbps at 44.1 kHz, no padding
    frame[0] = 0xFF;
    frame[1] = 0xFB;
    frame[2] = 0x90;
    std::vector<unsigned char> stream = frame;
    stream.insert(stream.end(), frame.begin(), frame.end());
    EXPECT_TRUE(WalkMp3(stream).clean);
    EXPECT_EQ(WalkMp3(stream).frames, 2);
    stream.push_back(0x00);
    EXPECT_FALSE(WalkMp3(stream).clean);
}

}  // namespace
}  // namespace kestrilon
