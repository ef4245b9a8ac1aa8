// Start-up's reading of my.dat, and what it does when the file is missing, damaged or
// cannot be read. Every disk call here reports through errno or std::error_code: a folder
// the game may not search must end in a notice, not in an exception.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "data/card_database.h"
#include "persist/new_game.h"
#include "persist/save_file.h"
#include "render/message_log.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

namespace fs = std::filesystem;

constexpr size_t kMendsShown = 20;

// A file's bytes, or the errno that kept them; anything but a plain file is unreadable too.
struct FileBytes {
    std::string bytes;
    int error = 0;
};

FileBytes ReadWholeFile(const fs::path& path) {
    // Non-blocking, so that a pipe put in the file's place cannot hang the start.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {{}, errno};
    FileBytes file;
    struct stat st {};
    if (::fstat(fd, &st) != 0) file.error = errno;
    else if (S_ISDIR(st.st_mode)) file.error = EISDIR;
    else if (!S_ISREG(st.st_mode)) file.error = EINVAL;
    if (file.error == 0) {
        file.bytes.reserve(static_cast<size_t>(st.st_size));
        char chunk[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) file.error = errno;
            if (n <= 0) break;
            file.bytes.append(chunk, static_cast<size_t>(n));
        }
    }
    ::close(fd);
    return file;
}

bool ReadSaveFile(const fs::path& path, PlayerState& into) {
    const FileBytes file = ReadWholeFile(path);
    return file.error == 0 && ReadSaveText(file.bytes, into);
}

// The values a read had to clamp or repair, for whoever looks at the log.
void ReportMended(Game& g, const std::vector<std::string>& mended) {
    if (mended.empty()) return;
    for (size_t i = 0; i < mended.size() && i < kMendsShown; ++i)
        std::fprintf(stderr, "kestrilon: my.dat %s\n", mended[i].c_str());
    if (mended.size() > kMendsShown) std::fprintf(stderr, "kestrilon: my.dat: %zu more\n", mended.size() - kMendsShown);
    std::string line = "セーブファイルの ";
    AppendInt(line, static_cast<int64_t>(mended.size()));
    line += " 行を直して読み込みました";
    LogColour(g, line, "gray");
}

// A game start-up makes itself: the new-game values and what every migration step gives
// a fresh file (the default preset names, a player number).
void StartNewGame(Game& g) {
    NewGameValues(g);
    g.player.SaveVersion = 0;
    MigrateSave(g);
}

// Start-up will write nothing: the run plays a new game that is never saved.
void BlockSaves(Game& g) {
    StartNewGame(g);
    g.player.saveBlocked = true;
    std::fprintf(stderr, "kestrilon: nothing of this run will be saved\n");
}

// The game start-up made is kept from replacing backups until played. The card fill first
// sets what the next menu's fill would, so that merely opening a menu is not play.
void Settle(Game& g) {
    FillCardDatabase(g);
    HoldBackupsUntilPlayed(g);
}

// The most recently written backup that reads completely; -1 when none does.
int NewestReadableBackup(const Game& g) {
    auto scratch = std::make_unique<PlayerState>();
    int best = -1;
    fs::file_time_type bestTime{};
    for (int n = 1; n <= kBackups; ++n) {
        std::error_code ec;
        const fs::path path = SavePath(g, n);
        const auto time = fs::last_write_time(path, ec);
        if (ec || (best >= 0 && time <= bestTime)) continue;
        if (!ReadSaveFile(path, *scratch)) continue;
        best = n;
        bestTime = time;
    }
    return best;
}

enum class Offer { None, Declined, Closed, Restored };

// Offers the newest readable backup; a restored one becomes my.dat at once.
Offer OfferBackup(Game& g, const std::string& lead) {
    const int backup = NewestReadableBackup(g);
    if (backup < 1) return Offer::None;
    const fs::path path = SavePath(g, backup);
    switch (g.os.Ask(lead + "バックアップ " + path.filename().string() + " から再開しますか？")) {
    case Answer::Closed: return Offer::Closed;
    case Answer::No: return Offer::Declined;
    case Answer::Yes: break;
    }
    if (!ReadSaveFile(path, g.player)) return Offer::Declined;
    Save(g, 0);
    MigrateSave(g);
    return Offer::Restored;
}

// Ends a start-up that offered a backup: a window closed at the offer writes nothing.
void AfterOffer(Game& g, Offer offer) {
    if (offer == Offer::Closed) {
        BlockSaves(g);
        return;
    }
    if (offer != Offer::Restored) {
        StartNewGame(g);
        Save(g, 0);
    }
    Settle(g);
}

// A name beside the damaged file that nothing has yet; empty when the folder cannot tell.
fs::path AsideName(const fs::path& path) {
    for (int n = 1; n <= 999; ++n) {
        fs::path aside = path;
        aside += "_damaged" + std::to_string(n);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(aside, ec);
        if (status.type() == fs::file_type::not_found) return aside;
        if (ec) break;
    }
    return {};
}

// my.dat reads but is damaged: keep it under another name and start from the newest good
// backup, or from a new game.
void RecoverFromDamage(Game& g, const fs::path& path) {
    const fs::path aside = AsideName(path);
    std::error_code ec = std::make_error_code(std::errc::file_exists);
    if (!aside.empty()) fs::rename(path, aside, ec);
    std::string notice = "セーブファイル my.dat を読み込めませんでした。\r";
    if (ec) {
        BlockSaves(g);
        g.os.MessageBox(notice + "ファイルはそのまま残してあります。今回のプレイはセーブされません。");
        return;
    }
    notice += "壊れたファイルは " + aside.filename().string() + " として残してあります。";
    if (g.os.Notify(notice) == Answer::Closed) {
        BlockSaves(g);
        return;
    }
    AfterOffer(g, OfferBackup(g, ""));
}

// my.dat is there but the system will not give its bytes: not damage, so nothing moves.
void KeepUnreadable(Game& g, const fs::path& path, int error) {
    std::fprintf(stderr, "kestrilon: %s: %s\n", path.c_str(), std::strerror(error));
    BlockSaves(g);
    std::string notice = error == EACCES || error == EPERM
                             ? "セーブファイル dat2/my.dat を読む権限がありません。\r"
                             : "セーブファイル dat2/my.dat を読み込めませんでした（" + std::string(std::strerror(error)) + "）。\r";
    notice += "ファイルはそのまま残してあります。今回のプレイはセーブされません。";
    g.os.MessageBox(notice);
}

}  // namespace

void Load(Game& g) {
    PlayerState& p = g.player;
    p.saveBlocked = false;
    p.startupGame = 0;
    const fs::path path = SavePath(g, 0);
    const FileBytes file = ReadWholeFile(path);
    if (file.error == ENOENT) {
        // A first start, or a file set aside by hand or by an earlier start.
        AfterOffer(g, OfferBackup(g, "セーブファイル my.dat がありません。\r"));
        return;
    }
    if (file.error != 0) {
        KeepUnreadable(g, path, file.error);
        return;
    }
    std::vector<std::string> mended;
    if (!ReadSaveText(file.bytes, p, &mended)) {
        RecoverFromDamage(g, path);
        return;
    }
    ReportMended(g, mended);
    MigrateSave(g);
}

}  // namespace kestrilon
