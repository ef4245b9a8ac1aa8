#include <filesystem>
#include <system_error>

#include "desktop/window_loop.h"

int main(int, char** argv) {
    // Pictures, sounds and the save file lie beside the program.
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv[0]);
    return kestrilon::RunGame(self.parent_path());
}
