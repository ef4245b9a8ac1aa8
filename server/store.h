#pragma once
// The boards on disk: one SQLite file in WAL mode. Every accepted write is kept as an entry;
// a board lists each player (name and player number) once, with the best score that player
// sent, ties going to whoever reached the score first.
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "state/ranking_state.h"

namespace kestrilon {

class RankStore {
public:
    // Opens or creates the database; nullptr with the reason in `error` when that fails.
    static std::unique_ptr<RankStore> Open(const std::filesystem::path& file, std::string& error);
    ~RankStore();
    RankStore(const RankStore&) = delete;
    RankStore& operator=(const RankStore&) = delete;

    // Stores an accepted write in one transaction; false (and nothing stored) on a database
    // error, whose text `error` then holds.
    bool Add(int dungeon, const trank& row, std::string_view address, std::string& error);
    // At most `limit` rows of a dungeon's board, best first; false on a database error.
    bool Board(int dungeon, int limit, std::vector<trank>& rows, std::string& error);
    // Every entry ever accepted, for tools and tests.
    long long EntryCount();

private:
    RankStore() = default;
    bool Prepare(std::string& error);
    bool Step(sqlite3_stmt* statement, std::string& error);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* begin_ = nullptr;
    sqlite3_stmt* commit_ = nullptr;
    sqlite3_stmt* rollback_ = nullptr;
    sqlite3_stmt* insertEntry_ = nullptr;
    sqlite3_stmt* upsertBoard_ = nullptr;
    sqlite3_stmt* selectBoard_ = nullptr;
    sqlite3_stmt* countEntries_ = nullptr;
};

}  // namespace kestrilon
