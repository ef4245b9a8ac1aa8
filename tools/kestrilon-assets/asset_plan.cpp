#include "asset_plan.h"

#include <array>
#include <unordered_set>

#include "battle/enemy_table.h"
#include "data/card_database.h"
#include "data/sound_names.h"
#include "render/pictures.h"
#include "state/game.h"

namespace kestrilon::assets {
namespace {

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;
constexpr int kFaceW = 198;
constexpr int kFaceH = 98;
constexpr int kIcon = 16;
constexpr int kEnemyOnScreen = 128;
constexpr int kSpecialOnScreen = 160;
constexpr int kBeastSide = 64;
constexpr int kEventSide = 200;  // the zoom layer shows it stretched to 400 x 400

// Pictures named by the dungeon rows.
constexpr DungeonPicture kDungeons[] = {
    {"kabe.jpg", "再構成トンネル"}, {"hill.jpg", "はじまりの丘"},     {"block.jpg", "リ・テの門"},
    {"renga.jpg", "クラウンボトル"}, {"town.jpg", "予感の街・レ"},    {"suiro.jpg", "魔水路"},
    {"jungle.jpg", "朱雀の森"},      {"gake.jpg", "霊鳥の岸壁"},      {"danjon.jpg", "失われた廃道"},
    {"renga2.jpg", "ヒルトン炭鉱"},  {"suiro2.jpg", "ヤハンの河"},    {"utyu.jpg", "ﾗｽﾄ【忘却の河】"},
    {"sky.jpg", "＜ファントム＞"},   {"sky2.jpg", "＜ＨＥＬＬ＞"},    {"block2.jpg", "精霊寺院"},
    {"rock.jpg", "＜豪傑＞"},        {"rock2.jpg", "＜黄昏＞"},       {"her.jpg", "<<彼女達>>"},
    {"renga3.jpg", "魔封門"},        {"sayonara.jpg", "【さよなら】"}, {"hill_white.jpg", "タナティア雪原"},
};

constexpr std::string_view kEvents[] = {
    "mizu.bmp",    "toge.bmp",    "kiretu.bmp",  "trager1.bmp", "trager2.bmp", "trager3.bmp", "trager4.bmp",
    "trager5.bmp", "trager6.bmp", "trager7.bmp", "trager8.bmp", "angou.bmp",   "kankin.bmp",  "camp.bmp",
    "ana.bmp",     "trap.bmp",    "tree1.bmp",   "tree2.bmp",   "tisou.bmp",   "door.bmp",    "blood.bmp",
};

constexpr int kBeasts = 10;
constexpr int kScratchCard = kCardIds - 1;  // never a catalogue id

class Collector {
public:
    explicit Collector(AssetPlan& plan) : plan_(plan) {
        for (const PictureJob& job : plan.pictures) pictures_.insert(job.name);
        waves_.insert(plan.waves.begin(), plan.waves.end());
    }
    PictureJob* Picture(std::string_view name, PictureKind kind, int width, int height) {
        if (name.empty() || !pictures_.emplace(name).second) return nullptr;
        PictureJob& job = plan_.pictures.emplace_back();
        job.name.assign(name);
        job.kind = kind;
        job.width = width;
        job.height = height;
        return &job;
    }
    void Wave(std::string_view name) {
        if (!name.empty() && waves_.emplace(name).second) plan_.waves.emplace_back(name);
    }

private:
    AssetPlan& plan_;
    std::unordered_set<std::string> pictures_;
    std::unordered_set<std::string> waves_;
};

// The frame rule of the card lists decides the frame names; every mark is tried alone
// on a scratch record of each kind.
void AddCardFrames(Game& g, Collector& collect) {
    titem saved = g.cards[kScratchCard];
    for (int kind : {1, 2}) {
        for (int mark = 0; mark <= static_cast<int>(FrameMark::Lure); ++mark) {
            titem& probe = g.cards[kScratchCard];
            probe = titem{};
            probe.kind = kind;
            switch (static_cast<FrameMark>(mark)) {
                case FrameMark::None: break;
                case FrameMark::UltraRare: probe.isUltraRare = 1; break;
                case FrameMark::Rare: probe.isRare = 1; break;
                case FrameMark::Treasure: probe.isTreasure = 1; break;
                case FrameMark::Secret: probe.isSecret = 1; break;
                case FrameMark::Paid: probe.isPaid = 1; break;
                case FrameMark::Calling: probe.isCalling = 1; break;
                case FrameMark::Lure: probe.isLure = 1; break;
            }
            if (PictureJob* job = collect.Picture(CardFramePicture(g, kScratchCard), PictureKind::CardFrame, kIcon, kIcon)) {
                job->variant = mark;
                job->dungeonCard = kind == 1;
            }
        }
    }
    g.cards[kScratchCard] = std::move(saved);
}

// A picture shared by several cards shows the first of them.
void AddCardFaces(const Game& g, Collector& collect) {
    for (int id = 1; id < kCardIds; ++id) {
        const titem& card = g.cards[id];
        if (!card.Exists()) continue;
        if (PictureJob* job = collect.Picture(card.image, PictureKind::CardFace, kFaceW, kFaceH)) {
            job->label = card.name;
            job->element = card.element;
            job->variant = id;
            job->dungeonCard = card.kind == 1;
            job->card = card;
        }
    }
}

}  // namespace

int SpriteSide(std::string_view name, int onScreen) {
    return PictureKeepsOwnSize(name) ? onScreen : onScreen / 2;
}

void AddEnemyPictures(AssetPlan& plan, std::span<const EnemyPicture> enemies) {
    Collector collect(plan);
    for (const EnemyPicture& enemy : enemies) {
        const int side = SpriteSide(enemy.image, enemy.special ? kSpecialOnScreen : kEnemyOnScreen);
        if (PictureJob* job = collect.Picture(enemy.image, PictureKind::Enemy, side, side)) {
            job->label = enemy.name;
            job->element = enemy.element;
            job->variant = enemy.special ? 1 : 0;
        }
    }
}

void AddDungeonPictures(AssetPlan& plan, std::span<const DungeonPicture> dungeons) {
    Collector collect(plan);
    for (const DungeonPicture& dungeon : dungeons) {
        if (PictureJob* job = collect.Picture(dungeon.picture, PictureKind::DungeonBackground, kScreenW, kScreenH))
            job->label = dungeon.name;
    }
}

AssetPlan PlanAssets(Game& g) {
    AssetPlan plan;
    {
        Collector collect(plan);
        collect.Picture("title.bmp", PictureKind::Splash, kScreenW, kScreenH);
        for (std::string_view name : {"0.jpg", "pic00.jpg", "pic01.jpg", "pic02.jpg", "pic03.jpg"})
            collect.Picture(name, PictureKind::TitleScreen, kScreenW, kScreenH);
        collect.Picture("1.jpg", PictureKind::MenuScreen, kScreenW, kScreenH);
        collect.Picture("hint.bmp", PictureKind::HintIcon, kIcon, kIcon);
        AddCardFrames(g, collect);

        // Every feature unlocked: cards that only exist behind one still get their face.
        std::array<int32_t, 100> flags = g.player.unlockFlags;
        g.player.unlockFlags.fill(99);
        FillCardDatabase(g);
        AddCardFaces(g, collect);
        g.player.unlockFlags = flags;
        FillCardDatabase(g);

        const int death = SpriteSide("death.bmp", kEnemyOnScreen);
        collect.Picture("death.bmp", PictureKind::Death, death, death);
        for (int kind = 0; kind < kBeasts; ++kind) {
            const std::string name = "pet" + std::to_string(kind) + ".bmp";
            const int side = SpriteSide(name, kBeastSide);
            if (PictureJob* job = collect.Picture(name, PictureKind::SpiritBeast, side, side)) job->variant = kind;
        }
        for (std::string_view name : kEvents) collect.Picture(name, PictureKind::Event, kEventSide, kEventSide);
        for (std::string_view name : WaveNames()) collect.Wave(name);
    }
    std::vector<EnemyPicture> enemies;
    for (const EnemyPictureRow& row : EnemyPictures()) enemies.push_back({row.image, row.name, row.element, row.special});
    AddEnemyPictures(plan, enemies);
    AddDungeonPictures(plan, kDungeons);
    plan.music.assign(MusicNames().begin(), MusicNames().end());
    return plan;
}

}  // namespace kestrilon::assets
