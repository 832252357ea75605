#include "server/database.h"

#include <map>

#include "server/sql_islevleri.h"

namespace zorvat::server {

namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  throw DatabaseError(what + ": " + (db ? sqlite3_errmsg(db) : "veritabanı açılamadı"));
}

}  // namespace

void Statement::Check(int code) const {
  if (code != SQLITE_OK) Fail(sqlite3_db_handle(statement_), "Sorgu değeri bağlanamadı");
}

Statement& Statement::Bind(int index, std::int64_t value) {
  Check(sqlite3_bind_int64(statement_, index, value));
  return *this;
}

Statement& Statement::Bind(int index, double value) {
  Check(sqlite3_bind_double(statement_, index, value));
  return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
  Check(sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT));
  return *this;
}

Statement& Statement::BindNull(int index) {
  Check(sqlite3_bind_null(statement_, index));
  return *this;
}

Statement& Statement::BindBlob(int index, const void* data, std::size_t size) {
  Check(sqlite3_bind_blob(statement_, index, data, static_cast<int>(size), SQLITE_TRANSIENT));
  return *this;
}

bool Statement::Step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  Fail(sqlite3_db_handle(statement_), "Sorgu çalıştırılamadı");
}

void Statement::Run() {
  while (Step()) {
  }
  Reset();
}

std::string_view Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
              : std::string_view();
}

std::string_view Statement::Blob(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
  return bytes ? std::string_view(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
               : std::string_view();
}

void Statement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

Database::Database(const std::string& path, bool create) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : "bellek yetersiz";
    sqlite3_close(db_);
    db_ = nullptr;
    throw DatabaseError("Veritabanı açılamadı (" + path + "): " + message);
  }
  // Writers of other threads wait for each other instead of failing at once.
  sqlite3_busy_timeout(db_, 10000);
  SqlIslevleriniKaydet(db_);
  Execute("PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL;");
}

Database::~Database() {
  statements_.clear();
  sqlite3_close(db_);
}

Statement& Database::Prepare(std::string_view sql) {
  auto found = statements_.find(std::string(sql));
  if (found != statements_.end()) {
    found->second->Reset();
    return *found->second;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement, nullptr) != SQLITE_OK) {
    Fail(db_, "Sorgu hazırlanamadı");
  }
  auto& slot = statements_[std::string(sql)];
  slot = std::make_unique<Statement>(statement);
  return *slot;
}

void Database::Execute(std::string_view sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "bilinmeyen hata";
    sqlite3_free(error);
    throw DatabaseError("Veritabanı komutu çalışmadı: " + message);
  }
}

Database& Database::ForThisThread(const std::string& path) {
  thread_local std::map<std::string, std::unique_ptr<Database>> connections;
  auto& connection = connections[path];
  if (!connection) connection = std::make_unique<Database>(path);
  return *connection;
}

Transaction::Transaction(Database& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (!done_) {
    try {
      db_.Execute("ROLLBACK");
    } catch (...) {
      // The connection is gone or the transaction already ended: nothing to undo.
    }
  }
}

void Transaction::Commit() {
  db_.Execute("COMMIT");
  done_ = true;
}

}  // namespace zorvat::server
