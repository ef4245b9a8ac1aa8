#pragma once
// Text at the edges of the program: CP932 (Windows Shift-JIS) for files and the ranking
// protocol, UTF-7 for ranking names, and the game's number format.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrilon {

// Conversions return nullopt when the input is not valid in its encoding, or when a
// character has no equivalent in the target.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToUtf7(std::string_view utf8);
std::optional<std::string> Utf7ToUtf8(std::string_view utf7);

// Bytes the text takes in CP932; characters without a CP932 form count as two bytes.
int Cp932Width(std::string_view utf8);

// Decimal with a leading "-" for negative numbers.
std::string FormatInt(int64_t n);
void AppendInt(std::string& out, int64_t n);

// Reads a decimal integer with optional sign and surrounding blanks; nullopt when the
// text is not a number or does not fit 32 bits.
std::optional<int32_t> ParseInt(std::string_view text);
// The number, or 0 when it cannot be read.
int32_t IntOr0(std::string_view text);

}  // namespace kestrilon
