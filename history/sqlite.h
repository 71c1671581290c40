// A thin layer over SQLite's C interface: a connection, prepared statements and write
// transactions that close themselves, and failures raised as SqliteError with SQLite's
// own code. Nothing else in the project calls SQLite directly.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace foalix::history {

class SqliteError : public std::runtime_error {
  public:
    SqliteError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    // The primary result code (SQLITE_BUSY, SQLITE_FULL…).
    int code() const { return code_ & 0xFF; }
    // Another connection holds the database: the same work may succeed later.
    bool busy() const;
    // A file SQLite does not recognise, or one whose pages contradict each other.
    bool damaged() const;
    bool full() const;
    // The file or its folder cannot be opened or written.
    bool unwritable() const;

  private:
    int code_;
};

class Connection {
  public:
    enum class Mode { ReadWrite, ReadOnly };

    // Opens (or creates) `file` for reading and writing, or opens it to read only, making
    // neither it nor anything beside it; raises SqliteError.
    explicit Connection(const std::string& file, Mode mode = Mode::ReadWrite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements without results.
    void exec(const char* sql);
    void exec(const std::string& sql) { exec(sql.c_str()); }
    // How long a statement waits for another connection's lock before it fails as busy.
    void setBusyTimeout(int milliseconds);
    // The rowid of the last row this connection inserted.
    std::int64_t lastInsertId() const;
    // Whether a transaction is open.
    bool inTransaction() const;
    // Undoes the open transaction, if any; never raises, since it runs while a failure is
    // being handled.
    void rollbackQuietly() noexcept;
    [[noreturn]] void fail(int code) const;
    // Copies the whole database into the new file `file` with SQLite's online backup: one
    // consistent picture of it, while other connections go on writing.
    void backUpTo(const std::string& file);

  private:
    friend class Statement;
    sqlite3* db_ = nullptr;
};

class Statement {
  public:
    Statement(Connection& connection, const char* sql);
    Statement(Connection& connection, const std::string& sql)
        : Statement(connection, sql.c_str()) {}
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds parameters 1, 2… in order.
    Statement& bind(std::int64_t value);
    Statement& bind(const std::string& value);
    // Nothing binds NULL.
    Statement& bind(std::optional<int> value);
    // Steps once: true while a row is there.
    bool step();
    std::int64_t integer(int column) const;
    std::string text(int column) const;
    // Nothing for NULL.
    std::optional<int> optionalInteger(int column) const;
    void reset();

  private:
    Connection& connection_;
    sqlite3_stmt* statement_ = nullptr;
    int next_ = 1;
};

// One write: the write lock is taken at the start (BEGIN IMMEDIATE), so a transaction waits
// for another writer only there, never halfway; undone unless committed before it goes out
// of scope, a failure included.
class Transaction {
  public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

  private:
    Connection& connection_;
    bool open_ = true;
};

// The single value of a query such as "SELECT count(*) …" or "PRAGMA user_version".
std::int64_t singleInteger(Connection& connection, const std::string& sql);

}  // namespace foalix::history
