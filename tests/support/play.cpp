#include "support/play.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/click_item.h"

namespace kestrilon::testing {

void Frames(TForm1& form, int n) {
    for (int i = 0; i < n; ++i) form.Timer1Timer();
}

void Click(TForm1& form, int x, int y, MouseButton button) {
    form.cgMouseMove(x, y);
    form.cgMouseDown(x, y, button);
    form.cgMouseUp();
    Frames(form, 1);
}

void ClickCaption(TForm1& form, std::string_view caption) {
    std::string problem;
    if (ClickItem(form, caption, &problem))
        Frames(form, 1);
    else
        ADD_FAILURE() << problem;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace kestrilon::testing
