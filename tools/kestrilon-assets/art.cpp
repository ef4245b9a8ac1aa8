#include "art.h"

namespace kestrilon::assets {

Canvas DrawPicture(const PictureJob& job) {
    switch (job.kind) {
        case PictureKind::Splash: return DrawSplash(job);
        case PictureKind::TitleScreen: return DrawTitleScreen(job);
        case PictureKind::MenuScreen: return DrawMenuScreen(job);
        case PictureKind::DungeonBackground: return DrawDungeonBackground(job);
        case PictureKind::CardFace: return DrawCardFace(job);
        case PictureKind::CardFrame: return DrawCardFrame(job);
        case PictureKind::HintIcon: return DrawHintIcon(job);
        case PictureKind::Enemy: return DrawEnemy(job);
        case PictureKind::Death: return DrawDeath(job);
        case PictureKind::SpiritBeast: return DrawSpiritBeast(job);
        case PictureKind::Event: return DrawEvent(job);
    }
    return Canvas(job.width, job.height);
}

}  // namespace kestrilon::assets
