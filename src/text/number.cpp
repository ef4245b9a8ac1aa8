#include <charconv>

#include "text/text.h"

namespace kestrilon {

void AppendInt(std::string& out, int64_t n) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, result.ptr);
}

std::string FormatInt(int64_t n) {
    std::string out;
    AppendInt(out, n);
    return out;
}

std::optional<int32_t> ParseInt(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

int32_t IntOr0(std::string_view text) { return ParseInt(text).value_or(0); }

}  // namespace kestrilon
