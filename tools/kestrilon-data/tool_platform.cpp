#include "tool_platform.h"

#include <chrono>
#include <iostream>
#include <utility>

namespace kestrilon::data_tool {

ToolPlatform::ToolPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}

double ToolPlatform::Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool ToolPlatform::Confirm(const std::string& text) {
    std::cerr << "kestrilon-data: refused: " << text << '\n';
    return false;
}

void ToolPlatform::MessageBox(const std::string& text) { std::cerr << "kestrilon-data: " << text << '\n'; }

}  // namespace kestrilon::data_tool
