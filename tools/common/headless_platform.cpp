#include "headless_platform.h"

#include <chrono>
#include <cstdio>

namespace kestrilon::tools {

double HeadlessPlatform::Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool HeadlessPlatform::Confirm(const std::string& text) {
    std::fprintf(stderr, "refused: %s\n", text.c_str());
    return false;
}

void HeadlessPlatform::MessageBox(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace kestrilon::tools
