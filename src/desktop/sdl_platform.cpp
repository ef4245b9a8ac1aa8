#include "desktop/sdl_platform.h"

#include <cmath>
#include <ctime>

namespace kestrilon {

std::atomic<bool> SdlPlatform::musicEnded_{false};
std::atomic<bool> SdlPlatform::halting_{false};

SdlPlatform::SdlPlatform(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return;
    window_ = SDL_CreateWindow("Kestrilon(c) ver177", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                               SDL_WINDOW_SHOWN);
    if (!window_) return;
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_) {
        SDL_RenderSetLogicalSize(renderer_, 800, 600);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, 800, 600);
    }
    // The game goes on silently when there is no sound device.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
        audio_ = true;
        Mix_AllocateChannels(32);
        Mix_HookMusicFinished([] {
            if (!halting_) musicEnded_ = true;
        });
    }
    lastFrame_.Clear(0);
}

SdlPlatform::~SdlPlatform() {
    if (audio_) {
        HaltMusic();
        if (music_) Mix_FreeMusic(music_);
        for (Mix_Chunk* chunk : chunks_)
            if (chunk) Mix_FreeChunk(chunk);
        Mix_CloseAudio();
    }
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

double SdlPlatform::Now() {
    return static_cast<double>(SDL_GetPerformanceCounter()) / static_cast<double>(SDL_GetPerformanceFrequency());
}

uint64_t SdlPlatform::ClockSeed() {
    return static_cast<uint64_t>(std::time(nullptr)) * 0x9E3779B97F4A7C15ull ^ SDL_GetPerformanceCounter();
}

int SdlPlatform::LoadWave(const std::filesystem::path& file) {
    if (!audio_) return -1;
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (!chunk) return -1;
    chunks_.push_back(chunk);
    return static_cast<int>(chunks_.size()) - 1;
}

void SdlPlatform::PlayWave(int handle, int volumeCentibels) {
    if (!audio_ || handle < 0 || handle >= static_cast<int>(chunks_.size())) return;
    // Hundredths of a decibel of attenuation to a linear volume: 0 dB is 128, -40 dB is 1.28.
    const double linear = 128.0 * std::pow(10.0, volumeCentibels / 2000.0);
    Mix_Chunk* chunk = chunks_[static_cast<size_t>(handle)];
    Mix_VolumeChunk(chunk, static_cast<int>(std::lround(std::max(linear, 1.0))));
    Mix_PlayChannel(-1, chunk, 0);
}

void SdlPlatform::HaltMusic() {
    // Halting reports "finished" to the hook; that is not the end of the track.
    halting_ = true;
    Mix_HaltMusic();
    halting_ = false;
    musicEnded_ = false;
}

bool SdlPlatform::PlayMusic(const std::filesystem::path& file) {
    if (!audio_) return false;
    Mix_Music* next = Mix_LoadMUS(file.c_str());
    if (!next) return false;
    HaltMusic();
    if (music_) Mix_FreeMusic(music_);
    music_ = next;
    return Mix_PlayMusic(music_, 1) == 0;
}

void SdlPlatform::StopMusic() {
    if (audio_) HaltMusic();
}

bool SdlPlatform::MusicFinished() { return musicEnded_.exchange(false); }

void SdlPlatform::Upload(const Canvas& canvas) {
    if (!texture_ || canvas.Width() != 800 || canvas.Height() != 600) return;
    SDL_UpdateTexture(texture_, nullptr, canvas.Data(), canvas.Stride() * 4);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::Present(const Canvas& frame) {
    lastFrame_.Copy(frame, 0, 0, 800, 600);
    Upload(frame);
}

}  // namespace kestrilon
