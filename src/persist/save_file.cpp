#include "persist/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>

#include "books/gains.h"
#include "render/message_log.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

namespace fs = std::filesystem;

// Story rewards that older files never recorded as given, and the gate key whose owned
// count they could leave below zero.
constexpr CardReference kLostRoadReward = CardWithId(2317, CardKind::Battle, "save file: reward of 失われた廃道");
constexpr CardReference kHiltonMineReward = CardWithId(2325, CardKind::Battle, "save file: reward of ヒルトン炭鉱");
constexpr CardReference kSealedGateKey = CardWithId(255, CardKind::Dungeon, "save file: gate key count repair");
constexpr std::array kCardReferences = {kLostRoadReward, kHiltonMineReward, kSealedGateKey};

constexpr std::string_view kVersionText = "177";  // the version part of the window caption
constexpr std::array<std::string_view, kPresets> kDungeonPresetNames = {
    "NOMALブック", "ボス用ブック", "探索用ブック", "回復重視ブック", "長距離用ブック", "その他"};
constexpr std::array<std::string_view, kPresets> kBattlePresetNames = {
    "通常バトル用", "本気バトル用", "魔法タイプ", "弓矢タイプ", "銃タイプ", "毒タイプ"};

// The range of every integer line: what the game itself produces, or, for a value it only
// ever counts up, a bound far beyond real play that keeps later sums inside 32 bits.
// Reading clamps into these, so a hand-edited or foreign file cannot overflow the game.
struct Range {
    int32_t low;
    int32_t high;
};
constexpr Range kVolume{-4000, 0};
constexpr Range kLevel{0, kCardIds / 5};  // one level per five card kinds owned
constexpr Range kGauge{0, 100};           // TP, hunger
constexpr Range kBase{0, 99999};          // base stats, HP, MP
constexpr Range kKm{0, 99999};            // distances and positions in a dungeon
constexpr Range kOwned{0, 99999};         // 7000 of these still add up within 32 bits
constexpr Range kOwnedCard255{-99999, 99999};  // old files hold negative counts; migration step 9 clears them
constexpr Range kFlag{0, 1};
constexpr Range kInBook{0, 100};  // a book holds at most 100 cards
constexpr Range kCardLevel{0, 6};
constexpr Range kRecent{0, 2};
constexpr Range kMoney{0, 999999999};  // money, ARK, scores, nuggets
constexpr Range kCount{0, 999999};     // clears, deaths, tickets, orbs
constexpr Range kProgress{0, 99999};   // unlock flags and progress marks
constexpr Range kStoryPages{0, 9};
constexpr Range kVersion{0, kCurrentSaveVersion};
constexpr Range kPlayerNumber{0, 99999};

// Every line of the file in order, with its range. The same walk writes and reads, so the
// two can never disagree about where a value lives.
template <class Visitor, class Player>
void WalkLines(Visitor& v, Player& p) {
    v.Int(p.soundVolume, kVolume);
    v.Int(p.level, kLevel);
    v.Str(p.playerComment);
    v.Int(p.baseMaxHp, kBase);
    v.Int(p.hp, kBase);
    v.Int(p.distanceWalked, kKm);
    v.Int(p.baseMaxMp, kBase);
    v.Int(p.level, kLevel);
    v.Int(p.mp, kBase);
    v.Int(p.level, kLevel);
    v.Int(p.tp, kGauge);
    v.Int(p.baseDefence, kBase);
    v.Int(p.baseAttack, kBase);
    v.Int(p.baseKnowledge, kBase);
    v.Int(p.baseSpirit, kBase);
    v.Int(p.level, kLevel);
    v.Int(p.baseAccuracy, kBase);
    v.Int(p.level, kLevel);  // the last of the five copies is the one that counts
    v.Int(p.baseEvasion, kBase);
    for (size_t id = 0; id < kCardIds; ++id) {
        v.Int(p.CardCollection[id], id == 255 ? kOwnedCard255 : kOwned);
        v.Int(p.obtainedEver[id], kFlag);
        v.Int(p.BookContents[id], kInBook);
        v.Int(p.CardLevel[id], kCardLevel);
    }
    v.Str(p.playerName);
    v.Int(p.money, kMoney);
    v.Int(p.hunger, kGauge);
    for (auto& n : p.dungeonClears) v.Int(n, kCount);
    for (auto& n : p.unlockFlags) v.Int(n, kProgress);
    for (auto& n : p.highScores) v.Int(n, kMoney);
    for (size_t d = 0; d < kDungeonSlots; ++d) {
        v.Int(p.campPositions[d], kKm);
        v.Int(p.exchangePositions[d], kKm);
    }
    v.Int(p.storyPagesRead, kStoryPages);
    v.Int(p.slotRights, kCount);
    v.Int(p.SaveVersion, kVersion);
    for (auto& n : p.exCounts) v.Int(n, kCount);
    for (auto& n : p.treasureCounts) v.Int(n, kCount);
    v.Int(p.deathCount, kCount);
    for (auto& n : p.bloodMarks) v.Int(n, kKm);
    v.Int(p.bloodMarkNuggets, kMoney);
    for (size_t id = 0; id < kCardIds; ++id)
        for (size_t preset = 0; preset < 4; ++preset) v.Int(p.presetCounts[preset][id], kInBook);
    for (size_t preset = 0; preset < 4; ++preset) v.Str(p.dungeonPresetNames[preset]);
    for (size_t preset = 0; preset < 4; ++preset) v.Str(p.battlePresetNames[preset]);
    for (auto& n : p.battleOrbs) v.Int(n, kCount);
    for (auto& n : p.orbWins) v.Int(n, kCount);
    for (size_t id = 0; id < kCardIds; ++id) {
        v.Int(p.presetCounts[4][id], kInBook);
        v.Int(p.presetCounts[5][id], kInBook);
    }
    v.Str(p.battlePresetNames[4]);
    v.Str(p.battlePresetNames[5]);
    v.Str(p.dungeonPresetNames[4]);
    v.Str(p.dungeonPresetNames[5]);
    v.Int(p.ark, kMoney);
    for (auto& n : p.recentlyObtained) v.Int(n, kRecent);
    v.Int(p.playerNumber, kPlayerNumber);
    v.Int(p.compatibilityFlag, kFlag);
    v.Int(p.spSlotRights, kCount);
}

// CP932 of a one-line string: line breaks would shift every later line, so they become
// blanks; a character CP932 lacks becomes "?".
void AppendCp932Line(std::string& out, std::string_view utf8) {
    std::string line(utf8);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    if (auto whole = Utf8ToCp932(line)) {
        out += *whole;
        return;
    }
    for (size_t i = 0; i < line.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(line[i]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        auto one = Utf8ToCp932(std::string_view(line).substr(i, length));
        out += one ? *one : "?";
        i += length;
    }
}

struct Writer {
    std::string out;
    void Int(int32_t n, Range) {
        AppendInt(out, n);
        out += "\r\n";
    }
    void Str(const std::string& s) {
        AppendCp932Line(out, s);
        out += "\r\n";
    }
};

// The number an integer line begins with: blanks, one optional sign, digits; whatever
// follows is ignored. Digits beyond 32 bits saturate, and the line's range clamps them.
std::optional<int64_t> LeadingNumber(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
    auto digit = [&] { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
    if (!digit()) return std::nullopt;
    int64_t value = 0;
    for (; digit(); ++i) value = std::min<int64_t>(value * 10 + (line[i] - '0'), int64_t{1} << 40);
    return negative ? -value : value;
}

// A string line that is not all CP932: each character that does not convert becomes "?",
// the rest is kept. A lead byte without a valid second byte is one bad character.
std::string RepairedCp932(std::string_view line, int& bad) {
    std::string out;
    for (size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        const bool pair = ((lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0) && i + 1 < line.size();
        if (pair) {
            if (auto two = Cp932ToUtf8(line.substr(i, 2))) {
                out += *two;
                i += 2;
                continue;
            }
        }
        auto one = Cp932ToUtf8(line.substr(i, 1));
        if (one && !pair) {
            out += *one;
        } else {
            out += '?';
            ++bad;
        }
        ++i;
    }
    return out;
}

struct Reader {
    std::vector<std::string_view> lines;
    size_t next = 0;
    bool ok = true;
    std::vector<std::string>* mended = nullptr;

    std::string_view Take() {
        if (next >= lines.size()) {
            ok = false;
            return {};
        }
        return lines[next++];
    }
    void Mended(const std::string& what) {
        if (mended) mended->push_back("line " + std::to_string(next) + ": " + what);
    }
    void Int(int32_t& n, Range range) {
        const auto value = LeadingNumber(Take());
        if (!value) {
            ok = false;
            return;
        }
        const int64_t kept = std::clamp<int64_t>(*value, range.low, range.high);
        if (kept != *value) Mended(std::to_string(*value) + " is out of range, read as " + std::to_string(kept));
        n = static_cast<int32_t>(kept);
    }
    void Str(std::string& s) {
        const std::string_view line = Take();
        if (auto text = Cp932ToUtf8(line)) {
            s = std::move(*text);
            return;
        }
        int bad = 0;
        s = RepairedCp932(line, bad);
        Mended(std::to_string(bad) + " character(s) that are not CP932 read as \"?\"");
    }
};

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    lines.reserve(kSaveLines + 1);
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

// A temporary name of this writer's own beside the target: two games writing into one
// folder never share one.
int CreateTemporary(const fs::path& path, fs::path& temporary) {
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path;
        temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The new content reaches the disk under a temporary name first; only a complete file
// replaces the old one, so a crash or a full disk leaves the previous save intact.
bool WriteAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) return false;
    bool ok = true;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself is made durable with the folder.
    const int dir = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::string RecordText(const Game& g) {
    const PlayerState& p = g.player;
    std::string text = "----『蒼燐のヴェルナ』";
    text += kVersionText;
    text += " " + p.playerName + "の足跡 ----\n Lv ";
    AppendInt(text, p.level);
    text += "\n 死亡 ";
    AppendInt(text, p.deathCount);
    text += "回\n 取得カード ";
    AppendInt(text, CardKindsOwned(g));
    text += "種";
    std::string out;
    for (std::string_view line : SplitLines(text)) {
        AppendCp932Line(out, line);
        out += "\r\n";
    }
    return out;
}

uint64_t Hash(std::string_view text) { return std::hash<std::string_view>{}(text); }

enum class Written { Yes, Skipped, Failed };

// What a run may write is decided by its start-up (Load):
// - a run that could not read my.dat, or whose start-up notice or question was closed
//   unanswered, writes nothing at all: what it holds is not the player's game;
// - a game that start-up made itself (a new game, a restored backup) replaces no backup
//   until it has been played, that is until its text differs from what start-up left;
//   otherwise an unplayed new game could overwrite the only good copy.
Written WriteSave(Game& g, int number, bool& oldKept) {
    PlayerState& p = g.player;
    if (p.saveBlocked) return Written::Skipped;
    const std::string text = SaveText(g);
    if (number >= 1 && p.startupGame != 0) {
        if (Hash(text) == p.startupGame) return Written::Skipped;
        p.startupGame = 0;
    }
    const fs::path path = SavePath(g, number);
    if (!WriteAtomically(path, text)) {
        std::error_code ec;
        oldKept = fs::exists(fs::symlink_status(path, ec));
        return Written::Failed;
    }
    WriteAtomically(g.os.ProgramFolder() / "記録.txt", RecordText(g));
    return Written::Yes;
}

void TellSaveFailed(Game& g, const std::string& names, bool oldKept) {
    std::string notice = "セーブできませんでした（" + names + "）。";
    if (oldKept) notice += "\r前のセーブファイルはそのまま残っています。";
    g.os.MessageBox(notice);
}

}  // namespace

fs::path SavePath(const Game& g, int number) {
    const fs::path folder = g.os.ProgramFolder() / "dat2";
    if (number == 0) return folder / "my.dat";
    return folder / ("my.dat_bak" + std::to_string(number));
}

std::string SaveText(const Game& g) {
    Writer w;
    w.out.reserve(kSaveLines * 4);
    WalkLines(w, g.player);
    return std::move(w.out);
}

bool ReadSaveText(std::string_view bytes, PlayerState& into, std::vector<std::string>* mended) {
    Reader r;
    r.lines = SplitLines(bytes);
    if (r.lines.size() < static_cast<size_t>(kSaveLines)) return false;
    r.mended = mended;
    // Read into a copy first, so that a bad line leaves the record as it was.
    auto read = std::make_unique<PlayerState>(into);
    WalkLines(r, *read);
    if (!r.ok) return false;
    into = std::move(*read);
    return true;
}

bool Save(Game& g, int number) {
    bool oldKept = false;
    const Written written = WriteSave(g, number, oldKept);
    if (written == Written::Failed) TellSaveFailed(g, SavePath(g, number).filename().string(), oldKept);
    return written == Written::Yes;
}

std::span<const CardReference> SaveFileCardReferences() { return kCardReferences; }

void SaveOnClose(Game& g) {
    std::string failed;
    bool allKept = true;
    auto write = [&](int number) {
        bool oldKept = false;
        if (WriteSave(g, number, oldKept) != Written::Failed) return;
        failed += (failed.empty() ? "" : "、") + SavePath(g, number).filename().string();
        allKept = allKept && oldKept;
    };
    write(0);
    if (g.Roll(10) == 0) write(4);
    if (!failed.empty()) TellSaveFailed(g, failed, allKept);
}

void HoldBackupsUntilPlayed(Game& g) { g.player.startupGame = Hash(SaveText(g)); }

void MigrateSave(Game& g) {
    PlayerState& p = g.player;
    auto step = [&](int version) { return p.SaveVersion == version; };
    for (int v : {0, 1, 2})
        if (step(v)) ++p.SaveVersion;
    if (step(3)) {
        for (size_t i = 0; i < kPresets; ++i) {
            p.dungeonPresetNames[i] = kDungeonPresetNames[i];
            p.battlePresetNames[i] = kBattlePresetNames[i];
        }
        ++p.SaveVersion;
    }
    if (step(4)) ++p.SaveVersion;
    if (step(5)) {
        p.CardLevel.fill(0);
        p.ark = 0;
        ++p.SaveVersion;
    }
    if (step(6)) {
        if (p.playerNumber == 0) p.playerNumber = g.Roll(100000);
        p.highScores.fill(0);
        ++p.SaveVersion;
    }
    if (step(7)) {
        p.compatibilityFlag = 1;
        ++p.SaveVersion;
    }
    if (step(8)) {
        if (p.unlockFlags[kFlagDarknessProgress] > 7 && p.CardCollection[kLostRoadReward.id] < 1) {
            Log(g, "失われた廃道・ダンジョンクリア報酬");
            GainOneCard(g, kLostRoadReward.id);
        }
        if (p.unlockFlags[kFlagDarknessProgress] > 9 && p.CardCollection[kHiltonMineReward.id] < 1) {
            Log(g, "ヒルトン炭鉱・ダンジョンクリア報酬");
            GainOneCard(g, kHiltonMineReward.id);
        }
        ++p.SaveVersion;
    }
    if (step(9)) {
        if (p.CardCollection[kSealedGateKey.id] < 0) p.CardCollection[kSealedGateKey.id] = 0;
        ++p.SaveVersion;
    }
}

}  // namespace kestrilon
