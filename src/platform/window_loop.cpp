#include "platform/window_loop.h"

#include <cstdio>

#include "app/form.h"
#include "platform/sdl_platform.h"

namespace kestrilon {

int RunGame(const std::filesystem::path& programFolder) {
    SdlPlatform os(programFolder);
    if (!os.Ready()) {
        std::fprintf(stderr, "kestrilon: cannot open the window: %s\n", SDL_GetError());
        return 1;
    }
    TForm1 form(os);
    form.FormCreate();
    os.Present(form.Surface());

    double nextTick = os.Now() + form.Timer1Interval() / 1000.0;
    for (bool running = true; running;) {
        const double wait = nextTick - os.Now();
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, wait > 0 ? static_cast<int>(wait * 1000.0) + 1 : 0)) {
            do {
                if (event.type == SDL_QUIT) {
                    form.FormClose();
                    running = false;
                }
            } while (running && SDL_PollEvent(&event));
        }
        if (!running) break;
        if (os.MusicFinished()) form.mid_pNotify();
        const double now = os.Now();
        if (now >= nextTick) {
            form.Timer1Timer();
            os.Present(form.Surface());
            // A late tick delays the next one instead of bunching ticks up.
            nextTick = std::max(nextTick + form.Timer1Interval() / 1000.0, os.Now());
        }
    }
    form.FormDestroy();
    return 0;
}

}  // namespace kestrilon
