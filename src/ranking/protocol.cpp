#include "ranking/protocol.h"

#include <array>

#include "text/text.h"

namespace kestrilon {
namespace {

constexpr std::string_view kWrapOpen = "＊　";
constexpr std::string_view kWrapClose = "　＊";
constexpr std::string_view kSuffixMark = "\x82\xA0";  // "あ" in CP932
constexpr int kFields = 9;

// Byte length of the first `chars` characters of valid UTF-8 text.
size_t Utf8Prefix(std::string_view text, int chars) {
    size_t at = 0;
    for (int n = 0; n < chars && at < text.size(); ++n) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return at;
}

// Control characters would break a list row or a log line apart.
std::string Blanked(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

// Field k (from 1) of a decoded row line; nullopt when the line has fewer than k separators.
std::optional<std::string_view> Field(std::string_view line, int k) {
    size_t at = 0;
    for (int n = 0; n < k; ++n) {
        const size_t found = line.find(kRankSeparator, at);
        if (found == std::string_view::npos) return std::nullopt;
        at = found + kRankSeparator.size();
    }
    const size_t end = line.find(kRankSeparator, at);
    if (end != std::string_view::npos) return line.substr(at, end - at);
    const std::string_view rest = line.substr(at);
    return rest.substr(0, Utf8Prefix(rest, kRankFieldLimit));
}

std::string Url(std::string_view server, std::string_view verb, int dungeon) {
    std::string url(server);
    url += kRankPath;
    url += '?';
    url += verb;
    url += '&';
    AppendInt(url, dungeon);
    return url;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(std::string_view body) {
    if (body.size() % 3 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(body.size() / 3);
    for (size_t i = 0; i < body.size(); i += 3) {
        const int high = HexDigit(body[i + 1]);
        const int low = HexDigit(body[i + 2]);
        if (body[i] != '%' || high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

}  // namespace

std::string RankSentName(std::string_view playerName) {
    return playerName == kRankSpecialName ? std::string("GM") : std::string(playerName);
}

std::string RankMonthDay(int month, int day) {
    std::string text;
    AppendInt(text, month);
    text += '/';
    AppendInt(text, day);
    return text;
}

std::string RankCleanText(std::string_view text) {
    std::string clean = Blanked(text.substr(0, Utf8Prefix(text, kRankFieldLimit)));
    for (size_t at = clean.find(kRankSeparator); at != std::string::npos; at = clean.find(kRankSeparator, at))
        clean[at + 1] = '.';
    return clean;
}

std::string RankFieldText(const trank& row) {
    std::string f(kRankMarker);
    auto text = [&](std::string_view s) {
        f += kRankSeparator;
        f += s;
    };
    auto number = [&](int32_t n) {
        f += kRankSeparator;
        AppendInt(f, n);
    };
    text(row.name);
    number(row.number);
    number(row.score);
    text(row.comment);
    number(row.clears);
    text(row.date);
    number(row.ex);
    number(row.level);
    number(row.treasure);
    f += kRankSeparator;
    return f;
}

std::optional<std::string> RankEncodeLine(std::string_view fieldText) {
    std::string wrapped(kWrapOpen);
    wrapped += fieldText;
    wrapped += kWrapClose;
    auto utf7 = Utf8ToUtf7(wrapped);
    // The wrap starts and ends outside ASCII, so the text always opens with "+" and closes
    // with "-"; those two are what is dropped.
    if (!utf7 || utf7->size() < 2 || utf7->front() != '+' || utf7->back() != '-') return std::nullopt;
    return utf7->substr(1, utf7->size() - 2);
}

std::optional<std::string> RankRequestBody(const trank& row, int suffix) {
    auto line = RankEncodeLine(RankFieldText(row));
    if (!line) return std::nullopt;
    std::string h = std::move(*line);
    h += kSuffixMark;
    AppendInt(h, suffix);
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string body;
    body.reserve(h.size() * 3);
    for (char c : h) {
        const auto byte = static_cast<unsigned char>(c);
        body += '%';
        body += kHex[byte >> 4];
        body += kHex[byte & 0x0F];
    }
    return body;
}

std::string RankWriteUrl(std::string_view server, int dungeon) { return Url(server, "write", dungeon); }
std::string RankReadUrl(std::string_view server, int dungeon) { return Url(server, "read", dungeon); }

std::vector<std::string> RankSplitLines(std::string_view body) {
    std::vector<std::string> lines;
    while (!body.empty()) {
        const size_t end = body.find('\n');
        std::string_view line = body.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        body.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::string> RankDecodeLine(std::string_view line) {
    std::string utf7 = "+";
    utf7 += line;
    utf7 += '-';
    return Utf7ToUtf8(utf7);
}

bool RankIsRecordLine(std::string_view decoded) {
    // The marker's 4th and 5th characters, and its 6th and 7th ("す" is three bytes in UTF-8).
    static constexpr std::string_view kFirstPair = kRankMarker.substr(5, 2);
    static constexpr std::string_view kSecondPair = kRankMarker.substr(7, 2);
    static_assert(kFirstPair == "v[" && kSecondPair == "]v");
    return decoded.find(kFirstPair) != std::string_view::npos && decoded.find(kSecondPair) != std::string_view::npos;
}

trank RankParseRecord(std::string_view decoded) {
    trank row;
    auto text = [&](int k) { return Blanked(Field(decoded, k).value_or(std::string_view{})); };
    auto number = [&](int k) -> std::optional<int32_t> {
        const auto field = Field(decoded, k);
        return field ? ParseInt(*field) : std::nullopt;
    };
    const auto playerNumber = number(2);
    if (!playerNumber) return row;
    row.name = text(1);
    row.number = *playerNumber;
    const auto score = number(3);
    if (!score) return row;
    row.score = *score;
    row.comment = text(4);
    const auto clears = number(5);
    if (!clears) return row;
    row.clears = *clears;
    row.date = text(6);
    const auto ex = number(7);
    if (!ex) return row;
    row.ex = *ex;
    const auto level = number(8);
    if (!level) return row;
    row.level = *level;
    const auto treasure = number(9);
    if (!treasure) return row;
    row.treasure = *treasure;
    return row;
}

bool RankIsNotice(std::string_view rawLine) { return rawLine.starts_with("[m"); }

std::string RankNoticeText(std::string_view rawLine) {
    auto utf8 = Cp932ToUtf8(rawLine);
    std::string text;
    if (utf8) {
        text = std::move(*utf8);
    } else {
        for (char c : rawLine)
            if (static_cast<unsigned char>(c) < 0x80) text += c;
    }
    text.resize(Utf8Prefix(text, kRankFieldLimit));
    return Blanked(text);
}

std::string RankPadBytes(std::string_view text, int width) {
    std::string out(text);
    const int used = Cp932Width(text);
    if (used < width) out.append(static_cast<size_t>(width - used), ' ');
    return out;
}

std::string RankBoardRow(int n, const trank& row) {
    std::string out = RankPadBytes(FormatInt(n), 5);
    if (row.name.empty()) return out + "--------";
    auto counted = [](std::string_view label, int32_t count) {
        std::string s(label);
        AppendInt(s, count);
        s += "回";
        return s;
    };
    out += RankPadBytes(FormatInt(row.score), 10);
    out += RankPadBytes(row.name, 18);
    out += RankPadBytes("Lv" + FormatInt(row.level), 8);
    out += RankPadBytes(counted("踏破 ", row.clears), 12);
    out += RankPadBytes(row.ex != 0 ? counted("EX ", row.ex) : std::string(), 10);
    out += RankPadBytes(row.treasure != 0 ? counted("秘宝 ", row.treasure) : std::string(), 12);
    out += RankPadBytes(row.date, 5);
    out += row.comment;
    return out;
}

std::optional<int32_t> RankStrictNumber(std::string_view text) {
    if (text.empty() || text.size() > 9 || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    int32_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

RankWrite RankDecodeRequestBody(std::string_view body) {
    auto fail = [](std::string_view why) { return RankWrite{std::nullopt, why}; };
    const auto bytes = PercentDecoded(body);
    if (!bytes) return fail("body is not %XX bytes");

    // U is UTF-7 and so plain ASCII: the first byte above it starts the suffix.
    std::string_view h = *bytes;
    size_t mark = 0;
    while (mark < h.size() && static_cast<unsigned char>(h[mark]) < 0x80) ++mark;
    if (mark == 0 || h.substr(mark, kSuffixMark.size()) != kSuffixMark) return fail("no suffix after the text");
    const auto suffix = RankStrictNumber(h.substr(mark + kSuffixMark.size()));
    if (!suffix || *suffix >= kRankSuffixes) return fail("bad suffix number");
    const std::string_view u = h.substr(0, mark);
    for (char c : u)
        if (c < 0x20 || c == 0x7F) return fail("control character in the text");

    const auto decoded = RankDecodeLine(u);
    if (!decoded) return fail("text is not UTF-7");
    std::string_view g = *decoded;
    if (!g.starts_with(kWrapOpen) || !g.ends_with(kWrapClose) || g.size() < kWrapOpen.size() + kWrapClose.size())
        return fail("text is not wrapped in asterisks");
    std::string_view f = g.substr(kWrapOpen.size(), g.size() - kWrapOpen.size() - kWrapClose.size());
    if (!f.starts_with(kRankMarker)) return fail("bad marker");
    f.remove_prefix(kRankMarker.size());

    std::array<std::string_view, kFields> fields;
    for (int k = 0; k < kFields; ++k) {
        if (!f.starts_with(kRankSeparator)) return fail("missing field");
        f.remove_prefix(kRankSeparator.size());
        const size_t end = f.find(kRankSeparator);
        if (end == std::string_view::npos) return fail("missing field");
        fields[static_cast<size_t>(k)] = f.substr(0, end);
        f.remove_prefix(end);
    }
    if (f != kRankSeparator) return fail("text after the last field");

    trank row;
    row.name = fields[0];
    row.comment = fields[3];
    row.date = fields[5];
    const std::array<std::pair<size_t, int32_t*>, 6> numbers = {
        {{1, &row.number}, {2, &row.score}, {4, &row.clears}, {6, &row.ex}, {7, &row.level}, {8, &row.treasure}}};
    for (const auto& [index, into] : numbers) {
        const auto n = RankStrictNumber(fields[index]);
        if (!n) return fail("a number field is not a plain number");
        *into = *n;
    }
    return RankWrite{std::move(row), {}};
}

}  // namespace kestrilon
