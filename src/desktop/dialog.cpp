// Modal dialogs drawn inside the window over the last frame, with a nested event loop,
// so that game code can simply ask and wait for the answer.
#include <string_view>

#include "desktop/sdl_platform.h"

namespace kestrilon {
namespace {

constexpr int kBoxWidth = 480;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;
constexpr int kLineHeight = 22;

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return lines;
}

struct Layout {
    Rect box;
    std::vector<Rect> buttons;
};

Layout Arrange(size_t lineCount, size_t buttonCount) {
    const int height = 40 + static_cast<int>(lineCount) * kLineHeight + 20 + kButtonHeight + 20;
    Layout layout;
    layout.box = {400 - kBoxWidth / 2, 300 - height / 2, 400 + kBoxWidth / 2, 300 + height / 2};
    const int gap = 30;
    const int total = static_cast<int>(buttonCount) * kButtonWidth + (static_cast<int>(buttonCount) - 1) * gap;
    int x = 400 - total / 2;
    const int y = layout.box.bottom - 20 - kButtonHeight;
    for (size_t i = 0; i < buttonCount; ++i) {
        layout.buttons.push_back({x, y, x + kButtonWidth, y + kButtonHeight});
        x += kButtonWidth + gap;
    }
    return layout;
}

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void DrawDialog(Canvas& canvas, const Canvas& backdrop, const std::vector<std::string_view>& lines,
                const std::vector<std::string>& buttons, const Layout& layout, int hover) {
    canvas.Copy(backdrop, 0, 0, 800, 600);
    uint32_t* data = canvas.Data();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            uint32_t& p = data[static_cast<size_t>(y) * canvas.Stride() + x];
            p = 0xFF000000u | ((p >> 1) & 0x7F7F7Fu);
        }
    canvas.Rectangle(layout.box, Rgb(150, 150, 190), 2, Rgb(16, 16, 32));
    const Font font{.size = 11, .bold = true};
    int y = layout.box.top + 30;
    for (auto line : lines) {
        const int w = canvas.TextWidth(line, font);
        canvas.Text(400 - w / 2, y, line, font, Rgb(235, 235, 235));
        y += kLineHeight;
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        const Rect& r = layout.buttons[i];
        const bool lit = static_cast<int>(i) == hover;
        canvas.Rectangle(r, lit ? Rgb(230, 200, 120) : Rgb(140, 140, 170), 2, lit ? Rgb(70, 60, 40) : Rgb(40, 40, 60));
        const Size size = canvas.TextExtent(buttons[i], font);
        canvas.Text((r.left + r.right - size.width) / 2, (r.top + r.bottom - size.height) / 2, buttons[i], font,
                    Rgb(255, 255, 255));
    }
}

}  // namespace

int SdlPlatform::RunDialog(const std::string& text, const std::vector<std::string>& buttons) {
    if (!window_) return 0;
    const auto lines = SplitLines(text);
    const Layout layout = Arrange(lines.size(), buttons.size());
    Canvas canvas(800, 600);
    int hover = -1;
    bool redraw = true;
    for (;;) {
        if (redraw) {
            DrawDialog(canvas, lastFrame_, lines, buttons, layout, hover);
            Upload(canvas);
            redraw = false;
        }
        SDL_Event event;
        if (!SDL_WaitEventTimeout(&event, 100)) continue;
        switch (event.type) {
        case SDL_QUIT:
            // Leave the close request for the main loop; the dialog ends unanswered.
            SDL_PushEvent(&event);
            return -1;
        case SDL_MOUSEMOTION: {
            int now = -1;
            for (size_t i = 0; i < layout.buttons.size(); ++i)
                if (Inside(layout.buttons[i], event.motion.x, event.motion.y)) now = static_cast<int>(i);
            redraw = now != hover;
            hover = now;
            break;
        }
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT) break;
            for (size_t i = 0; i < layout.buttons.size(); ++i)
                if (Inside(layout.buttons[i], event.button.x, event.button.y)) return static_cast<int>(i);
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) return 0;
            if (event.key.keysym.sym == SDLK_ESCAPE) return static_cast<int>(buttons.size()) - 1;
            break;
        case SDL_WINDOWEVENT:
            redraw = true;
            break;
        default:
            break;
        }
    }
}

Answer SdlPlatform::Ask(const std::string& text) {
    const int chosen = RunDialog(text, {"はい", "いいえ"});
    if (chosen < 0) return Answer::Closed;
    return chosen == 0 ? Answer::Yes : Answer::No;
}

Answer SdlPlatform::Notify(const std::string& text) {
    return RunDialog(text, {"OK"}) < 0 ? Answer::Closed : Answer::Yes;
}

bool SdlPlatform::Confirm(const std::string& text) { return Ask(text) == Answer::Yes; }

void SdlPlatform::MessageBox(const std::string& text) { Notify(text); }

}  // namespace kestrilon
