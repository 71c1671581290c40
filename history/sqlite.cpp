#include "history/sqlite.h"

#include <sqlite3.h>

#include <filesystem>
#include <string_view>

namespace foalix::history {
namespace {

// `file` as an SQLite URI that opens it to read only. A read-only connection to a database
// in WAL mode makes its -wal and -shm files when they are not there, and cannot remove
// them when it closes. Without a -wal file no other connection has the database open (the
// first to read it makes one, the last to close removes it), so everything is in the file
// itself: it is read as immutable, with nothing made beside it. With one, it is read
// through the log other connections share, which is there already.
std::string readOnlyUri(const std::string& file) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : file) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') ||
            std::string_view("/._-~").find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
        }
    }
    std::error_code error;
    const std::string log = file + "-wal";
    if (!std::filesystem::exists(std::filesystem::path(std::u8string(log.begin(), log.end())),
                                 error)) {
        uri += "?immutable=1";
    }
    return uri;
}

}  // namespace

bool SqliteError::busy() const {
    return code() == SQLITE_BUSY || code() == SQLITE_LOCKED;
}

bool SqliteError::damaged() const {
    return code() == SQLITE_CORRUPT || code() == SQLITE_NOTADB;
}

bool SqliteError::full() const {
    return code() == SQLITE_FULL;
}

bool SqliteError::unwritable() const {
    return code() == SQLITE_READONLY || code() == SQLITE_CANTOPEN || code() == SQLITE_PERM;
}

Connection::Connection(const std::string& file, Mode mode) {
    const int code = mode == Mode::ReadOnly
                         ? sqlite3_open_v2(readOnlyUri(file).c_str(), &db_,
                                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr)
                         : sqlite3_open_v2(file.c_str(), &db_,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        throw SqliteError(code, message);
    }
    sqlite3_extended_result_codes(db_, 1);
}

Connection::~Connection() {
    sqlite3_close_v2(db_);
}

void Connection::exec(const char* sql) {
    if (const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); code != SQLITE_OK) {
        fail(code);
    }
}

void Connection::backUpTo(const std::string& file) {
    Connection copy(file);
    sqlite3_backup* backup = sqlite3_backup_init(copy.db_, "main", db_, "main");
    if (backup == nullptr) {
        copy.fail(sqlite3_errcode(copy.db_));
    }
    // Every page in one step, under one read of this database: a consistent copy.
    sqlite3_backup_step(backup, -1);
    if (const int code = sqlite3_backup_finish(backup); code != SQLITE_OK) {
        copy.fail(code);
    }
}

void Connection::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

std::int64_t Connection::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

bool Connection::inTransaction() const {
    return sqlite3_get_autocommit(db_) == 0;
}

void Connection::rollbackQuietly() noexcept {
    if (inTransaction()) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Connection::fail(int code) const {
    throw SqliteError(code, sqlite3_errmsg(db_));
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection) {
    if (const int code = sqlite3_prepare_v2(connection.db_, sql, -1, &statement_, nullptr);
        code != SQLITE_OK) {
        connection.fail(code);
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(std::int64_t value) {
    if (const int code = sqlite3_bind_int64(statement_, next_++, value); code != SQLITE_OK) {
        connection_.fail(code);
    }
    return *this;
}

Statement& Statement::bind(const std::string& value) {
    if (const int code = sqlite3_bind_text(statement_, next_++, value.data(),
                                           static_cast<int>(value.size()), SQLITE_TRANSIENT);
        code != SQLITE_OK) {
        connection_.fail(code);
    }
    return *this;
}

Statement& Statement::bind(std::optional<int> value) {
    if (value) {
        return bind(std::int64_t{*value});
    }
    if (const int code = sqlite3_bind_null(statement_, next_++); code != SQLITE_OK) {
        connection_.fail(code);
    }
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        connection_.fail(code);
    }
    return false;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string();
}

std::optional<int> Statement::optionalInteger(int column) const {
    if (sqlite3_column_type(statement_, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    return sqlite3_column_int(statement_, column);
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    next_ = 1;
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        connection_.rollbackQuietly();
    }
}

void Transaction::commit() {
    connection_.exec("COMMIT");
    open_ = false;
}

std::int64_t singleInteger(Connection& connection, const std::string& sql) {
    Statement query(connection, sql);
    query.step();
    return query.integer(0);
}

}  // namespace foalix::history
