#include <iconv.h>

#include <cerrno>

#include "text/text.h"

namespace kestrilon {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    bool ok = true;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                const size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            ok = false;
            break;
        }
    }
    // Flush the shift state (UTF-7 ends an open base64 run here).
    if (ok && iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1)) ok = false;
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }
std::optional<std::string> Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }
std::optional<std::string> Utf8ToUtf7(std::string_view utf8) { return Convert("UTF-7", "UTF-8", utf8); }
std::optional<std::string> Utf7ToUtf8(std::string_view utf7) { return Convert("UTF-8", "UTF-7", utf7); }

int Cp932Width(std::string_view utf8) {
    int width = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + len > utf8.size()) len = utf8.size() - i;
        if (len == 1) {
            width += 1;
        } else if (len == 3 && lead == 0xEF) {
            // Half-width katakana U+FF61..U+FF9F are one byte in CP932.
            const unsigned cp = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            width += (cp >= 0xFF61 && cp <= 0xFF9F) ? 1 : 2;
        } else {
            width += 2;
        }
        i += len;
    }
    return width;
}

}  // namespace kestrilon
