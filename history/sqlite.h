// A thin layer over SQLite's C interface: a connection and prepared statements that
// close themselves, and failures raised as SqliteError with SQLite's own code.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace foalix::history {

class SqliteError : public std::runtime_error {
  public:
    SqliteError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    // The primary result code (SQLITE_BUSY, SQLITE_FULL…).
    int code() const { return code_ & 0xFF; }

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
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(int code) const;

  private:
    sqlite3* db_ = nullptr;
};

class Statement {
  public:
    Statement(Connection& connection, const char* sql);
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

}  // namespace foalix::history
