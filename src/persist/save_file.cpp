#include "persist/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "books/gains.h"
#include "persist/new_game.h"
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

// Every line of the file in order. The same walk writes and reads, so the two can never
// disagree about where a value lives.
template <class Visitor, class Player>
void WalkLines(Visitor& v, Player& p) {
    v.Int(p.soundVolume);
    v.Int(p.level);
    v.Str(p.playerComment);
    v.Int(p.baseMaxHp);
    v.Int(p.hp);
    v.Int(p.distanceWalked);
    v.Int(p.baseMaxMp);
    v.Int(p.level);
    v.Int(p.mp);
    v.Int(p.level);
    v.Int(p.tp);
    v.Int(p.baseDefence);
    v.Int(p.baseAttack);
    v.Int(p.baseKnowledge);
    v.Int(p.baseSpirit);
    v.Int(p.level);
    v.Int(p.baseAccuracy);
    v.Int(p.level);  // the last of the five copies is the one that counts
    v.Int(p.baseEvasion);
    for (size_t id = 0; id < kCardIds; ++id) {
        v.Int(p.CardCollection[id]);
        v.Int(p.obtainedEver[id]);
        v.Int(p.BookContents[id]);
        v.Int(p.CardLevel[id]);
    }
    v.Str(p.playerName);
    v.Int(p.money);
    v.Int(p.hunger);
    for (auto& n : p.dungeonClears) v.Int(n);
    for (auto& n : p.unlockFlags) v.Int(n);
    for (auto& n : p.highScores) v.Int(n);
    for (size_t d = 0; d < kDungeonSlots; ++d) {
        v.Int(p.campPositions[d]);
        v.Int(p.exchangePositions[d]);
    }
    v.Int(p.storyPagesRead);
    v.Int(p.slotRights);
    v.Int(p.SaveVersion);
    for (auto& n : p.exCounts) v.Int(n);
    for (auto& n : p.treasureCounts) v.Int(n);
    v.Int(p.deathCount);
    for (auto& n : p.bloodMarks) v.Int(n);
    v.Int(p.bloodMarkNuggets);
    for (size_t id = 0; id < kCardIds; ++id)
        for (size_t preset = 0; preset < 4; ++preset) v.Int(p.presetCounts[preset][id]);
    for (size_t preset = 0; preset < 4; ++preset) v.Str(p.dungeonPresetNames[preset]);
    for (size_t preset = 0; preset < 4; ++preset) v.Str(p.battlePresetNames[preset]);
    for (auto& n : p.battleOrbs) v.Int(n);
    for (auto& n : p.orbWins) v.Int(n);
    for (size_t id = 0; id < kCardIds; ++id) {
        v.Int(p.presetCounts[4][id]);
        v.Int(p.presetCounts[5][id]);
    }
    v.Str(p.battlePresetNames[4]);
    v.Str(p.battlePresetNames[5]);
    v.Str(p.dungeonPresetNames[4]);
    v.Str(p.dungeonPresetNames[5]);
    v.Int(p.ark);
    for (auto& n : p.recentlyObtained) v.Int(n);
    v.Int(p.playerNumber);
    v.Int(p.compatibilityFlag);
    v.Int(p.spSlotRights);
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
    void Int(int32_t n) {
        AppendInt(out, n);
        out += "\r\n";
    }
    void Str(const std::string& s) {
        AppendCp932Line(out, s);
        out += "\r\n";
    }
};

struct Reader {
    std::vector<std::string_view> lines;
    size_t next = 0;
    bool ok = true;

    std::string_view Take() {
        if (next >= lines.size()) {
            ok = false;
            return {};
        }
        return lines[next++];
    }
    void Int(int32_t& n) {
        const auto value = ParseInt(Take());
        if (value) n = *value;
        else ok = false;
    }
    void Str(std::string& s) {
        const std::string_view line = Take();
        if (auto text = Cp932ToUtf8(line)) s = std::move(*text);
        else ok = false;
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

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

// The new content reaches the disk under a temporary name first; only a complete file
// replaces the old one, so a crash or a full disk leaves the previous save intact.
bool WriteAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temporary = path;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
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

bool ReadSaveFile(const fs::path& path, PlayerState& into) {
    const auto bytes = ReadWholeFile(path);
    return bytes && ReadSaveText(*bytes, into);
}

// A name beside the damaged file that no other file has yet.
fs::path AsideName(const fs::path& path) {
    for (int n = 1;; ++n) {
        fs::path aside = path;
        aside += "_damaged" + std::to_string(n);
        if (!fs::exists(aside)) return aside;
    }
}

// The most recently written backup that reads completely; -1 when none does.
int NewestReadableBackup(const Game& g, PlayerState& scratch) {
    int best = -1;
    fs::file_time_type bestTime{};
    for (int n = 1; n <= kBackups; ++n) {
        std::error_code ec;
        const fs::path path = SavePath(g, n);
        const auto time = fs::last_write_time(path, ec);
        if (ec || (best >= 0 && time <= bestTime)) continue;
        if (!ReadSaveFile(path, scratch)) continue;
        best = n;
        bestTime = time;
    }
    return best;
}

// my.dat exists but does not read: keep it under another name and start from the newest
// good backup, or from a new game.
void RecoverFromDamage(Game& g, const fs::path& path) {
    const fs::path aside = AsideName(path);
    std::error_code ec;
    fs::rename(path, aside, ec);
    std::string notice = "セーブファイル my.dat を読み込めませんでした。\r";
    notice += ec ? "ファイルはそのまま残してあります。" : "壊れたファイルは " + aside.filename().string() + " として残してあります。";
    g.os.MessageBox(notice);

    auto scratch = std::make_unique<PlayerState>();
    const int backup = NewestReadableBackup(g, *scratch);
    if (backup >= 1) {
        const std::string name = SavePath(g, backup).filename().string();
        if (g.os.Confirm("バックアップ " + name + " から再開しますか？") && ReadSaveFile(SavePath(g, backup), g.player)) {
            if (!ec) Save(g, 0);
            return;
        }
    }
    NewGameValues(g);
    if (!ec) Save(g, 0);
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

bool ReadSaveText(std::string_view bytes, PlayerState& into) {
    Reader r;
    r.lines = SplitLines(bytes);
    if (r.lines.size() < static_cast<size_t>(kSaveLines)) return false;
    // Read into a copy first, so that a bad line leaves the record as it was.
    auto read = std::make_unique<PlayerState>(into);
    WalkLines(r, *read);
    if (!r.ok) return false;
    into = std::move(*read);
    return true;
}

bool Save(Game& g, int number) {
    const bool saved = WriteAtomically(SavePath(g, number), SaveText(g));
    if (!saved) {
        g.os.MessageBox("セーブできませんでした。前のセーブファイルはそのまま残っています。");
        return false;
    }
    WriteAtomically(g.os.ProgramFolder() / "記録.txt", RecordText(g));
    return true;
}

std::span<const CardReference> SaveFileCardReferences() { return kCardReferences; }

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

void Load(Game& g) {
    const fs::path path = SavePath(g, 0);
    if (!fs::exists(path)) {
        NewGameValues(g);
        Save(g, 0);
    }
    if (fs::exists(path) && !ReadSaveFile(path, g.player)) RecoverFromDamage(g, path);
    MigrateSave(g);
}

}  // namespace kestrilon
