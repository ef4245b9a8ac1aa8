#pragma once
// Playing the whole game through its form the way a player does.
#include <filesystem>
#include <string>
#include <string_view>

#include "app/form.h"

namespace kestrilon::testing {

void Frames(TForm1& form, int n);
// Press and release at (x, y), then one frame.
void Click(TForm1& form, int x, int y, MouseButton button = MouseButton::Left);
// Clicks a button by caption, then one frame; a missing button fails the test with the reason.
void ClickCaption(TForm1& form, std::string_view caption);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace kestrilon::testing
