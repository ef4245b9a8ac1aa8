#include "persist/book_export.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "persist/presets.h"
#include "render/message_log.h"
#include "sound/sound.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace fs = std::filesystem;
namespace {

std::string_view KindLabel(Book book) { return book == Book::Battle ? "B-" : "D-"; }

void PadTo(std::string& line, int bytes) {
    for (int width = Cp932Width(line); width < bytes; ++width) line += ' ';
}

// Card names are the game's own texts; a character without a CP932 form still must not
// lose the whole line, so it alone becomes "?".
std::string ToCp932(std::string_view utf8) {
    if (auto whole = Utf8ToCp932(utf8)) return *whole;
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const auto one = Utf8ToCp932(utf8.substr(at, length));
        out += one ? *one : "?";
        at += length;
    }
    return out;
}

// The cards of the book in export order; each at most once, so the total counts every copy once.
std::vector<int> ExportedIds(const Game& g, Book book, ExportOrder order) {
    std::vector<int> ids;
    std::array<bool, kCardIds> taken{};
    auto take = [&](int id) {
        if (taken[static_cast<size_t>(id)]) return;
        taken[static_cast<size_t>(id)] = true;
        ids.push_back(id);
    };
    auto held = [&](int id) { return InBook(g, id, book) && g.player.BookContents[static_cast<size_t>(id)] > 0; };
    switch (order) {
    case ExportOrder::ById:
        for (int id = 0; id < kCardIds; ++id)
            if (held(id)) take(id);
        break;
    case ExportOrder::SixStats: {
        // The passes of the "6大ｽﾃｰﾀｽ" filter, in the order of the stats in the card record.
        static constexpr std::array<int32_t titem::*, 6> kStats = {&titem::mnd, &titem::str, &titem::int_,
                                                                  &titem::vit, &titem::dex, &titem::agi};
        for (auto stat : kStats)
            for (int id = 0; id < kCardIds; ++id)
                if (held(id) && g.cards[id].*stat > 0) take(id);
        break;
    }
    case ExportOrder::ByElement:
        for (int pass = 1; pass <= 11; ++pass) {
            const int32_t element = pass % 11;  // 1..10, then 0
            for (int id = 0; id < kCardIds; ++id)
                if (held(id) && static_cast<int32_t>(g.cards[id].element) == element) take(id);
        }
        // A card whose element lies outside 0..10 still belongs to the book.
        for (int id = 0; id < kCardIds; ++id)
            if (held(id)) take(id);
        break;
    }
    return ids;
}

// A temporary file beside the target that only a complete write renames into place.
bool WriteWhole(const fs::path& path, std::string_view bytes, std::string& why) {
    static std::atomic<unsigned> serial{0};
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = path;
        temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    int error = 0;
    for (size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : ENOSPC;
        else done += static_cast<size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        why = std::strerror(error);
        return false;
    }
    return true;
}

}  // namespace

std::string BookExportText(const Game& g, Book book, ExportOrder order) {
    std::string text = "◆蒼燐のヴェルナ ブックデータ\r\n";
    text += book == Book::Battle ? "　--------- ＊バトルブック --------- \r\n" : "　--------- ＊Ｄ.ブック --------- \r\n";
    int64_t total = 0;
    for (int id : ExportedIds(g, book, order)) {
        const titem& card = g.cards[id];
        const int32_t n = g.player.BookContents[static_cast<size_t>(id)];
        std::string line = "　" + card.name;
        PadTo(line, 22);
        AppendInt(line, n);
        PadTo(line, 26);
        if (card.isSecret >= 1) line += "<秘宝>";
        if (card.isTreasure >= 1) line += "<宝珠>";
        if (card.isSeries >= 1) line += "<ｽﾛｯﾄ>";
        text += line + "\r\n";
        total += n;
    }
    text += "　　";
    AppendInt(text, total);
    text += "枚\r\n";
    return ToCp932(text);
}

fs::path BookExportPath(const Game& g, Book book, const std::tm& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return g.os.ProgramFolder() / ("VeskBook" + std::string(KindLabel(book)) + stamp + ".txt");
}

bool ExportBook(Game& g, ExportOrder order, const std::tm& localTime) {
    const Book book = EditedBook(g);
    const fs::path path = BookExportPath(g, book, localTime);
    std::string why;
    if (!WriteWhole(path, BookExportText(g, book, order), why)) {
        // The player finds the file by its name; the reason says what to free or fix.
        LogColour(g, "エラー＞ブック状態を出力できませんでした", "red");
        LogColour(g, "　" + path.filename().string() + "（" + why + "）", "red");
        return false;
    }
    PlayEffect(g, "gaku.wav");
    Log(g, "ブック状態を出力しました");
    return true;
}

void ExportClick(Game& g, ExportOrder order) {
    const std::string question = "現在の" + std::string(KindLabel(EditedBook(g))) +
                                 "ブック状態を、Txtファイルで出力します\rよろしいですか？\r（場所：実行ファイルと同じディレクトリ）";
    if (!g.os.Confirm(question)) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    ExportBook(g, order, local);
}

}  // namespace kestrilon
