#include "store.h"

#include <array>

namespace kestrilon {
namespace {

constexpr int kSchemaVersion = 1;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS entries(
    id       INTEGER PRIMARY KEY,
    dungeon  INTEGER NOT NULL,
    name     TEXT    NOT NULL,
    number   INTEGER NOT NULL,
    score    INTEGER NOT NULL,
    comment  TEXT    NOT NULL,
    clears   INTEGER NOT NULL,
    date     TEXT    NOT NULL,
    ex       INTEGER NOT NULL,
    level    INTEGER NOT NULL,
    treasure INTEGER NOT NULL,
    address  TEXT    NOT NULL,
    received INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS board(
    dungeon INTEGER NOT NULL,
    name    TEXT    NOT NULL,
    number  INTEGER NOT NULL,
    score   INTEGER NOT NULL,
    reached INTEGER NOT NULL,
    entry   INTEGER NOT NULL REFERENCES entries(id),
    PRIMARY KEY(dungeon, name, number)
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS board_order ON board(dungeon, score DESC, reached);
)sql";

// A lower score from a known player leaves the row; an equal one refreshes its details but
// keeps the place it reached first.
constexpr const char* kUpsertBoard = R"sql(
INSERT INTO board(dungeon, name, number, score, reached, entry) VALUES(?1, ?2, ?3, ?4, ?5, ?5)
ON CONFLICT(dungeon, name, number) DO UPDATE SET
    reached = CASE WHEN excluded.score > board.score THEN excluded.reached ELSE board.reached END,
    score = excluded.score,
    entry = excluded.entry
WHERE excluded.score >= board.score
)sql";

constexpr const char* kInsertEntry = R"sql(
INSERT INTO entries(dungeon, name, number, score, comment, clears, date, ex, level, treasure, address, received)
VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, unixepoch())
)sql";

constexpr const char* kSelectBoard = R"sql(
SELECT e.name, e.number, e.score, e.comment, e.clears, e.date, e.ex, e.level, e.treasure
FROM board b JOIN entries e ON e.id = b.entry
WHERE b.dungeon = ?1 ORDER BY b.score DESC, b.reached LIMIT ?2
)sql";

void BindText(sqlite3_stmt* s, int index, std::string_view text) {
    sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string Text(sqlite3_stmt* s, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(s, column))) : std::string();
}

}  // namespace

std::unique_ptr<RankStore> RankStore::Open(const std::filesystem::path& file, std::string& error) {
    std::unique_ptr<RankStore> store(new RankStore());
    if (sqlite3_open_v2(file.c_str(), &store->db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        error = store->db_ ? sqlite3_errmsg(store->db_) : "out of memory";
        return nullptr;
    }
    sqlite3_busy_timeout(store->db_, 5000);
    // WAL lets `sqlite3 .backup` and readers run beside the server; FULL makes every
    // accepted write survive a power cut, since the player is told it was received.
    const char* setup = "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON;";
    if (sqlite3_exec(store->db_, setup, nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(store->db_);
        return nullptr;
    }
    int version = 0;
    sqlite3_stmt* read = nullptr;
    if (sqlite3_prepare_v2(store->db_, "PRAGMA user_version", -1, &read, nullptr) == SQLITE_OK &&
        sqlite3_step(read) == SQLITE_ROW)
        version = sqlite3_column_int(read, 0);
    sqlite3_finalize(read);
    if (version > kSchemaVersion) {
        error = "the database was written by a newer server (schema " + std::to_string(version) + ")";
        return nullptr;
    }
    const std::string schema = std::string(kSchema) + "PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
    if (sqlite3_exec(store->db_, schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(store->db_);
        return nullptr;
    }
    if (!store->Prepare(error)) return nullptr;
    return store;
}

RankStore::~RankStore() {
    for (sqlite3_stmt* s : {begin_, commit_, rollback_, insertEntry_, upsertBoard_, selectBoard_, countEntries_})
        sqlite3_finalize(s);
    sqlite3_close(db_);
}

bool RankStore::Prepare(std::string& error) {
    const std::array<std::pair<sqlite3_stmt**, const char*>, 7> statements = {{
        {&begin_, "BEGIN IMMEDIATE"},
        {&commit_, "COMMIT"},
        {&rollback_, "ROLLBACK"},
        {&insertEntry_, kInsertEntry},
        {&upsertBoard_, kUpsertBoard},
        {&selectBoard_, kSelectBoard},
        {&countEntries_, "SELECT count(*) FROM entries"},
    }};
    for (const auto& [into, sql] : statements) {
        if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, into, nullptr) != SQLITE_OK) {
            error = sqlite3_errmsg(db_);
            return false;
        }
    }
    return true;
}

bool RankStore::Step(sqlite3_stmt* statement, std::string& error) {
    const int result = sqlite3_step(statement);
    const bool ok = result == SQLITE_DONE || result == SQLITE_ROW;
    if (!ok) error = sqlite3_errmsg(db_);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return ok;
}

bool RankStore::Add(int dungeon, const trank& row, std::string_view address, std::string& error) {
    std::lock_guard lock(mutex_);
    if (!Step(begin_, error)) return false;

    sqlite3_stmt* s = insertEntry_;
    sqlite3_bind_int(s, 1, dungeon);
    BindText(s, 2, row.name);
    sqlite3_bind_int(s, 3, row.number);
    sqlite3_bind_int(s, 4, row.score);
    BindText(s, 5, row.comment);
    sqlite3_bind_int(s, 6, row.clears);
    BindText(s, 7, row.date);
    sqlite3_bind_int(s, 8, row.ex);
    sqlite3_bind_int(s, 9, row.level);
    sqlite3_bind_int(s, 10, row.treasure);
    BindText(s, 11, address);
    bool ok = Step(s, error);
    if (ok) {
        const sqlite3_int64 entry = sqlite3_last_insert_rowid(db_);
        s = upsertBoard_;
        sqlite3_bind_int(s, 1, dungeon);
        BindText(s, 2, row.name);
        sqlite3_bind_int(s, 3, row.number);
        sqlite3_bind_int(s, 4, row.score);
        sqlite3_bind_int64(s, 5, entry);
        ok = Step(s, error);
    }
    if (ok) ok = Step(commit_, error);
    if (!ok) {
        std::string ignored;
        Step(rollback_, ignored);
    }
    return ok;
}

bool RankStore::Board(int dungeon, int limit, std::vector<trank>& rows, std::string& error) {
    std::lock_guard lock(mutex_);
    rows.clear();
    sqlite3_stmt* s = selectBoard_;
    sqlite3_bind_int(s, 1, dungeon);
    sqlite3_bind_int(s, 2, limit);
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(s)) == SQLITE_ROW) {
        trank row;
        row.name = Text(s, 0);
        row.number = sqlite3_column_int(s, 1);
        row.score = sqlite3_column_int(s, 2);
        row.comment = Text(s, 3);
        row.clears = sqlite3_column_int(s, 4);
        row.date = Text(s, 5);
        row.ex = sqlite3_column_int(s, 6);
        row.level = sqlite3_column_int(s, 7);
        row.treasure = sqlite3_column_int(s, 8);
        rows.push_back(std::move(row));
    }
    const bool ok = result == SQLITE_DONE;
    if (!ok) error = sqlite3_errmsg(db_);
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return ok;
}

long long RankStore::EntryCount() {
    std::lock_guard lock(mutex_);
    long long count = 0;
    if (sqlite3_step(countEntries_) == SQLITE_ROW) count = sqlite3_column_int64(countEntries_, 0);
    sqlite3_reset(countEntries_);
    return count;
}

}  // namespace kestrilon
