// HTTP through curl: one synchronous exchange, bounded in time and size.
#include "net/http.h"

#include <curl/curl.h>

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

}  // namespace

HttpReply HttpExchange(const std::string& url, const std::string* body) {
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

}  // namespace kestrilon
