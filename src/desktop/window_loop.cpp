#include "desktop/window_loop.h"

#include <cstdio>

#include "app/form.h"
#include "desktop/sdl_platform.h"

namespace kestrilon {
namespace {

MouseButton ButtonOf(Uint8 button) {
    if (button == SDL_BUTTON_RIGHT) return MouseButton::Right;
    return button == SDL_BUTTON_MIDDLE ? MouseButton::Middle : MouseButton::Left;
}

Key KeyOf(SDL_Keycode key) {
    switch (key) {
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_BACKSPACE: return Key::Backspace;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return Key::Enter;
    default: return Key::Other;
    }
}

// Passes one window event to the form; false when the window is to close.
bool Dispatch(TForm1& form, const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT: return false;
    case SDL_MOUSEBUTTONDOWN: form.cgMouseDown(event.button.x, event.button.y, ButtonOf(event.button.button)); break;
    case SDL_MOUSEBUTTONUP: form.cgMouseUp(); break;
    case SDL_MOUSEMOTION: form.cgMouseMove(event.motion.x, event.motion.y); break;
    case SDL_MOUSEWHEEL:
        form.rank_listMouseWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
        break;
    case SDL_KEYDOWN: form.FormKeyDown(KeyOf(event.key.keysym.sym)); break;
    case SDL_TEXTINPUT: form.name_lTextInput(event.text.text); break;
    default: break;
    }
    return !form.CloseRequested();
}

}  // namespace

int RunGame(const std::filesystem::path& programFolder) {
    SdlPlatform os(programFolder);
    if (!os.Ready()) {
        std::fprintf(stderr, "kestrilon: cannot open the window: %s\n", SDL_GetError());
        return 1;
    }
    TForm1 form(os);
    form.FormCreate();
    // Names are typed letter by letter; no input method composes them.
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "0");
    SDL_StartTextInput();
    os.Present(form.Surface());

    double nextTick = os.Now() + form.Timer1Interval() / 1000.0;
    for (bool running = true; running;) {
        const double wait = nextTick - os.Now();
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, wait > 0 ? static_cast<int>(wait * 1000.0) + 1 : 0)) {
            do {
                if (!Dispatch(form, event)) {
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
