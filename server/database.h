// The server's SQLite database: one connection per worker thread, WAL mode, foreign keys
// on, prepared statements kept per connection, every change inside a transaction.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zorvat::server {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A prepared statement of a connection. Bind with 1-based indexes, step, read 0-based
// columns. Reset before each use by Database::Prepare.
class Statement {
 public:
  explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, int value) { return Bind(index, static_cast<std::int64_t>(value)); }
  Statement& Bind(int index, double value);
  Statement& Bind(int index, std::string_view value);
  Statement& Bind(int index, const char* value) { return Bind(index, std::string_view(value)); }
  Statement& Bind(int index, const std::string& value) { return Bind(index, std::string_view(value)); }
  Statement& BindNull(int index);
  Statement& BindBlob(int index, const void* data, std::size_t size);

  // Binds the values to parameters 1, 2, ... in order.
  template <class... Values>
  Statement& BindAll(const Values&... values) {
    int index = 0;
    (Bind(++index, values), ...);
    return *this;
  }

  // Moves to the next row; false when there is none.
  bool Step();
  // Runs a statement that returns no rows.
  void Run();

  int ColumnCount() const { return sqlite3_column_count(statement_); }
  std::string_view ColumnName(int column) const { return sqlite3_column_name(statement_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
  std::int64_t Int(int column) const { return sqlite3_column_int64(statement_, column); }
  double Double(int column) const { return sqlite3_column_double(statement_, column); }
  std::string_view Text(int column) const;
  std::string_view Blob(int column) const;

  void Reset();
  sqlite3_stmt* Handle() const { return statement_; }

 private:
  void Check(int code) const;
  sqlite3_stmt* statement_;
};

class Database {
 public:
  // Opens (creating when asked) the database file.
  explicit Database(const std::string& path, bool create = false);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // A statement prepared once per connection and reset for this use.
  Statement& Prepare(std::string_view sql);
  // Runs one or more statements without results.
  void Execute(std::string_view sql);
  std::int64_t LastInsertId() const { return sqlite3_last_insert_rowid(db_); }
  int Changes() const { return sqlite3_changes(db_); }
  sqlite3* Handle() const { return db_; }

  // The connection of this worker thread for the given file.
  static Database& ForThisThread(const std::string& path);

 private:
  sqlite3* db_ = nullptr;
  std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
};

// Everything between construction and Commit happens at once or not at all; leaving the
// scope without Commit rolls back.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool done_ = false;
};

}  // namespace zorvat::server
