// HTTP and web pages through the desktop's opener.
#include <spawn.h>
#include <sys/wait.h>

#include "desktop/sdl_platform.h"
#include "net/http.h"

extern char** environ;

namespace kestrilon {

HttpReply SdlPlatform::HttpGet(const std::string& url) { return HttpExchange(url, nullptr); }

HttpReply SdlPlatform::HttpPost(const std::string& url, const std::string& body) { return HttpExchange(url, &body); }

bool SdlPlatform::OpenUrl(const std::string& url) {
    // No shell in between: the address is passed as one argument.
    char program[] = "xdg-open";
    std::string argument = url;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kestrilon
