// HTTP through curl and web pages through the desktop's opener.
#include <curl/curl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "desktop/sdl_platform.h"

extern char** environ;

namespace kestrilon {
namespace {

constexpr size_t kMaxReply = 1 << 20;  // a ranking reply is a few kilobytes; refuse anything huge

size_t Collect(char* data, size_t size, size_t count, void* user) {
    auto* body = static_cast<std::string*>(user);
    const size_t bytes = size * count;
    if (body->size() + bytes > kMaxReply) return 0;  // aborts the transfer
    body->append(data, bytes);
    return bytes;
}

// One synchronous exchange; a body makes it a POST.
HttpReply Exchange(const std::string& url, const std::string* body) {
    HttpReply reply;
    CURL* curl = curl_easy_init();
    if (!curl) return reply;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    // The address can come from the environment; it never names a local file or another protocol.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    if (body) {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
    }
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    reply.status = static_cast<int>(status);
    reply.ok = result == CURLE_OK && status == 200;
    if (!reply.ok) reply.body.clear();
    return reply;
}

}  // namespace

HttpReply SdlPlatform::HttpGet(const std::string& url) { return Exchange(url, nullptr); }

HttpReply SdlPlatform::HttpPost(const std::string& url, const std::string& body) { return Exchange(url, &body); }

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
